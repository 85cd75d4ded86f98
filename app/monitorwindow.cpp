// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/monitorwindow.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

#include "app/channeltrace.h"
#include "connection/transmitterconnection.h"
#include "dialogkit/messages.h"
#include "link/frames.h"
#include "link/serialcontrol.h"
#include "link/session.h"

namespace pelorin {

namespace {

constexpr int kSwatchSize = 12;
constexpr int kGap = 8;  // between the window and the main window beside it

QPixmap swatch(const QColor& colour) {
    QPixmap pixmap(kSwatchSize, kSwatchSize);
    pixmap.fill(colour);
    QPainter painter(&pixmap);
    painter.setPen(QColor(0, 0, 0, 90));
    painter.drawRect(0, 0, kSwatchSize - 1, kSwatchSize - 1);
    return pixmap;
}

QLabel* swatchLabel(int channel, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setPixmap(swatch(channelColour(channel)));
    return label;
}

void setTextIfChanged(QLabel* label, const QString& text) {
    if (label->text() != text)
        label->setText(text);
}

}  // namespace

QString chooseRecordingFile(QWidget* parent) {
    QFileDialog dialog(parent, MonitorWindow::tr("Record to CSV File"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(
        {MonitorWindow::tr("CSV files (*.csv)"), MonitorWindow::tr("All files (*)")});
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.resize(760, 460);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

MonitorWindow::MonitorWindow(const TransmitterConnection& connection, QWidget* parent)
    : QDialog(parent),
      connection_(connection),
      session_(connection.session()),
      serial_(connection.serial()),
      chooseFile_(&chooseRecordingFile) {
    setWindowTitle(tr("Monitor"));
    setModal(false);
    setSizeGripEnabled(true);
    clock_.start();
    refreshTimer_.setInterval(kRefreshMs + kLateMs);
    connect(&refreshTimer_, &QTimer::timeout, this, &MonitorWindow::refresh);
    numberLocale_ = locale();
    numberLocale_.setNumberOptions(QLocale::OmitGroupSeparator);
    buildControls();
    connect(&connection, &TransmitterConnection::lineStateChanged, this,
            &MonitorWindow::setLineDown);
    connect(&connection, &TransmitterConnection::userMemoryChanged, this,
            &MonitorWindow::showMemory);
    setLineDown(connection.lineDownText());
    showMemory();
}

MonitorWindow::~MonitorWindow() {
    refreshTimer_.stop();
    disconnect(frameConnection_);
    recorder_.stop();
}

void MonitorWindow::buildControls() {
    const QFontMetrics metrics(font());
    // The numbers, in labels of a fixed width: a changed number repaints its label alone.
    auto* channels = new QGroupBox(tr("Channels"), this);
    channels_ = channels;
    channels->setToolTip(
        tr("Word: as received (1000..2100). Value: word - 1512. Percent: value "
           "as a share of 512 (word 1000 is -100 %, 2024 is +100 %). AUX is a raw word "
           "without a centre: its place in 0..1023."));
    auto* numbers = new QGridLayout(channels);
    numbers->setHorizontalSpacing(14);
    QFont digits = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    digits.setPointSizeF(font().pointSizeF());
    const std::array<QString, 3> columnNames = {tr("Word"), tr("Value"), tr("Percent")};
    const std::array<int, 3> digitCounts = {5, 6, 11};  // "65535", "+64023", "+12504.5 %"
    for (int row = -1; row < kRows; ++row) {
        const QString name = row < 6 ? tr("CH%1").arg(row + 1) : tr("AUX");
        if (row >= 0 && row < 6)
            numbers->addWidget(swatchLabel(row, channels), row + 1, 0);
        if (row >= 0)
            numbers->addWidget(new QLabel(name, channels), row + 1, 1);
        for (std::size_t c = 0; c < columnNames.size(); ++c) {
            auto* cell = new QLabel(row < 0 ? columnNames[c] : QString(), channels);
            cell->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            numbers->addWidget(cell, row + 1, static_cast<int>(c) + 2);
            if (row < 0)
                continue;  // the headings
            cell->setFont(digits);
            cell->setFixedWidth(QFontMetrics(digits).horizontalAdvance(u'0') * digitCounts[c] + 2);
            cell->setAccessibleName(tr("%1 %2").arg(name, columnNames[c]));
            cells_[static_cast<std::size_t>(row)][c] = cell;
        }
    }

    // The health of the line.
    auto* link = new QGroupBox(tr("Link"), this);
    auto* form = new QGridLayout(link);
    const std::array<QString, 6> healthNames = {tr("State"),           tr("Good frames"),
                                                tr("Dropped frames"),  tr("Settings frames"),
                                                tr("Last good frame"), tr("Port")};
    const std::array<QString, 6> healthTips = {
        tr("\"No data\" when no good frame has come for a second"),
        tr("Good live frames per second"),
        tr("Live frames dropped since this window opened (a bad checksum or a channel word above "
           "2100), and how many per second"),
        tr("Settings frames received since this window opened"),
        tr("Time since the last good live frame"),
        tr("The port in use and its device"),
    };
    for (std::size_t r = 0; r < healthNames.size(); ++r) {
        auto* name = new QLabel(healthNames[r], link);
        auto* value = new QLabel(link);
        value->setAccessibleName(healthNames[r]);
        value->setToolTip(healthTips[r]);
        name->setToolTip(healthTips[r]);
        const auto row = static_cast<HealthRow>(r);
        if (row == HealthRow::Port) {
            // The port's name, and under it its device (shortened in the middle if long).
            value->setTextInteractionFlags(Qt::TextSelectableByMouse);
            value->setFixedSize(metrics.averageCharWidth() * 30, metrics.lineSpacing() * 2 + 2);
        } else {
            // Changing texts in labels of a fixed size: the window never re-lays itself out.
            QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
            fixed.setPointSizeF(font().pointSizeF());
            if (row != HealthRow::State)
                value->setFont(fixed);
            value->setFixedSize(QFontMetrics(fixed).averageCharWidth() * 22,
                                std::max(metrics.height(), QFontMetrics(fixed).height()) + 2);
        }
        form->addWidget(name, static_cast<int>(r), 0);
        form->addWidget(value, static_cast<int>(r), 1);
        healthLabels_[r] = value;
    }
    // The transmitter memory the settings come from, under the line's figures.
    const QString memoryTip =
        tr("Which of the transmitter's memories (USER1, USER2) the main "
           "window's settings are; Transmitter memory… in its menu switches");
    auto* memoryName = new QLabel(tr("Memory"), link);
    memoryName->setToolTip(memoryTip);
    memoryLabel_ = new QLabel(link);
    memoryLabel_->setAccessibleName(tr("Memory"));
    memoryLabel_->setToolTip(memoryTip);
    memoryLabel_->setWordWrap(true);
    // Two lines of a fixed size, as the port's: a changing text never re-lays the window out.
    memoryLabel_->setFixedSize(metrics.averageCharWidth() * 30, metrics.lineSpacing() * 2 + 2);
    const int memoryRow = static_cast<int>(healthNames.size());
    form->addWidget(memoryName, memoryRow, 0);
    form->addWidget(memoryLabel_, memoryRow, 1);
    form->setColumnStretch(1, 1);

    // The trace, its legend and its pause button.
    auto* traceBox = new QGroupBox(tr("Last 10 seconds"), this);
    auto* traceLayout = new QVBoxLayout(traceBox);
    trace_ = new ChannelTrace(traceBox);
    traceLayout->addWidget(trace_, 1);
    auto* legend = new QHBoxLayout;
    for (int channel = 0; channel < 6; ++channel) {
        legend->addWidget(swatchLabel(channel, traceBox));
        auto* name = new QLabel(tr("CH%1").arg(channel + 1), traceBox);
        legend->addWidget(name);
        legend->addSpacing(6);
    }
    legend->addStretch(1);
    pauseButton_ = new QPushButton(traceBox);
    pauseButton_->setAutoDefault(false);
    connect(pauseButton_, &QPushButton::clicked, this, &MonitorWindow::togglePause);
    legend->addWidget(pauseButton_);
    traceLayout->addLayout(legend);

    // Recording, and closing.
    recordButton_ = new QPushButton(this);
    recordButton_->setAutoDefault(false);
    connect(recordButton_, &QPushButton::clicked, this, &MonitorWindow::toggleRecording);
    recordingLabel_ = new QLabel(this);
    recordingLabel_->setAccessibleName(tr("Recording"));
    recordingLabel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* close = new QPushButton(tr("Close"), this);
    close->setAutoDefault(false);
    close->setAccessibleName(tr("Close the monitor"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* left = new QVBoxLayout;
    left->addWidget(channels);
    left->addWidget(link);
    left->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addWidget(traceBox, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(recordButton_);
    bottom->addWidget(recordingLabel_, 1);
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(bottom);

    updateButtons();
    refreshRecording();
}

void MonitorWindow::showMemory() {
    setTextIfChanged(memoryLabel_, connection_.userMemoryText());
}

QString MonitorWindow::valueText(int row, Column column) const {
    return cells_.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column))->text();
}

const QLabel* MonitorWindow::healthLabel(HealthRow row) const {
    return healthLabels_.at(static_cast<std::size_t>(row));
}

FrameCounts MonitorWindow::totals() const {
    const Session::Counters& counters = session_.counters();
    return {counters.liveAccepted, counters.liveRejected, counters.settingsAccepted};
}

void MonitorWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Opened (not merely restored by the window system): counts and trace start afresh.
    if (!event->spontaneous()) {
        health_.start(clock_.elapsed(), totals());
        trace_->clear();
        framePending_ = true;
        noDataShown_ = false;
        portKey_ = {-1, false};
        if (!placed_) {
            placeBesideParent();
            placed_ = true;
        }
    }
    startWatching();
    refreshCount_ = 0;  // everything is drawn at once
    refresh();
}

void MonitorWindow::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    stopWatching();
}

void MonitorWindow::done(int result) {
    // Closing the window ends a recording; the file keeps what was written.
    recorder_.stop();
    refreshRecording();
    updateButtons();
    QDialog::done(result);
}

void MonitorWindow::startWatching() {
    if (!frameConnection_) {
        frameConnection_ = connect(&connection_, &TransmitterConnection::liveFrameReceived, this,
                                   &MonitorWindow::takeFrame);
    }
    refreshTimer_.start();
}

void MonitorWindow::stopWatching() {
    refreshTimer_.stop();
    // A recording goes on while the window is merely minimised.
    if (!recorder_.recording()) {
        disconnect(frameConnection_);
        frameConnection_ = {};
    }
}

void MonitorWindow::takeFrame() {
    const std::int64_t now = clock_.elapsed();
    health_.goodFrameAt(now);
    framePending_ = true;
    const std::array<int, 6>& channels = session_.liveChannels();
    if (!paused_)
        trace_->addSample(now, channels);
    if (recorder_.recording()) {
        std::array<int, 6> words{};
        for (std::size_t i = 0; i < words.size(); ++i)
            words[i] = channels[i] + kChannelCentre;
        const QString failure =
            recorder_.record(now - recordingStartMs_, words, session_.liveAux());
        if (!failure.isEmpty())
            stopRecording(failure);
    }
    // Due: refresh once this wake-up's frames are all taken.
    if (refreshTimer_.isActive() && !refreshQueued_ &&
        now - lastRefreshMs_ >= kRefreshMs - kEarlyMs) {
        refreshQueued_ = true;
        QMetaObject::invokeMethod(this, &MonitorWindow::refresh, Qt::QueuedConnection);
    }
}

void MonitorWindow::refresh() {
    refreshQueued_ = false;
    if (!refreshTimer_.isActive())
        return;             // hidden since it was asked for
    refreshTimer_.start();  // the next one comes with a frame, or late by the timer
    const std::int64_t now = clock_.elapsed();
    lastRefreshMs_ = now;
    health_.sample(now, totals());
    if (framePending_ && refreshCount_ % kNumbersEveryRefreshes == 0) {
        refreshNumbers();
        framePending_ = false;
    }
    if (refreshCount_ % kHealthEveryRefreshes == 0) {
        refreshHealth(now);
        refreshRecording();
    }
    if (!paused_)
        trace_->setNow(now);  // repaints what has moved

    ++refreshCount_;
}

void MonitorWindow::refreshNumbers() {
    const QString percent = tr("%1 %", "a percentage");
    const QString nothing = tr("–", "no value yet");  // no numbers rather than made-up ones
    for (std::size_t row = 0; row < cells_.size(); ++row) {
        const bool aux = row == 6;  // a raw 0..1023 word without a centre, so no value
        const int word = aux ? session_.liveAux() : session_.liveChannels()[row] + kChannelCentre;
        const int value = word - kChannelCentre;
        const QString sign = value > 0 && !aux ? QStringLiteral("+") : QString();
        const double share = aux ? word * 100.0 / 1023.0 : channelPercent(value);
        std::array<QString, 3> texts = {QString::number(word),
                                        aux ? QString() : sign + QString::number(value),
                                        percent.arg(sign + numberLocale_.toString(share, 'f', 1))};
        if (session_.counters().liveAccepted == 0)
            texts = {nothing, aux ? QString() : nothing, nothing};
        for (std::size_t c = 0; c < texts.size(); ++c)
            setTextIfChanged(cells_[row][c], texts[c]);
    }
}

void MonitorWindow::refreshHealth(std::int64_t nowMs) {
    auto label = [this](HealthRow row) { return healthLabels_[static_cast<std::size_t>(row)]; };
    auto rateText = [this](std::optional<double> rate) {
        return rate ? tr("%1 /s").arg(numberLocale_.toString(*rate, 'f', 1)) : tr("– /s");
    };

    const bool noData = health_.noData(nowMs);
    const auto since = health_.msSinceLastGood(nowMs);
    noDataShown_ = noData;
    const bool down = noData || !lineDown_.isEmpty();
    channels_->setEnabled(!down);  // the last numbers stay, greyed
    if (QFont font = label(HealthRow::State)->font(); font.bold() != down) {
        font.setBold(down);
        label(HealthRow::State)->setFont(font);
    }
    setTextIfChanged(label(HealthRow::State), !lineDown_.isEmpty() ? lineDown_
                                              : noData             ? tr("No data")
                                              : since              ? tr("Receiving")
                                                                   : tr("Waiting for data"));

    const FrameCounts counts = health_.sinceStart();
    setTextIfChanged(label(HealthRow::GoodRate), rateText(health_.goodPerSecond()));
    setTextIfChanged(
        label(HealthRow::Dropped),
        tr("%1 (%2)").arg(QString::number(counts.dropped), rateText(health_.droppedPerSecond())));
    setTextIfChanged(label(HealthRow::Settings), QString::number(counts.settings));
    QString last = tr("none yet");
    if (since) {
        // Tenths of a second: a steady line reads "0.0 s" instead of flickering milliseconds.
        last = tr("%1 s ago")
                   .arg(numberLocale_.toString(static_cast<double>(*since / 100) / 10.0, 'f', 1));
    }
    setTextIfChanged(label(HealthRow::LastGood), last);

    // The port changes only with the Setting button: its text is made when it does.
    const PortKey key{session_.commPort(), serial_.isOpen()};
    if (key != portKey_) {
        portKey_ = key;
        QLabel* port = label(HealthRow::Port);
        const QStringList lines = portText().split(QLatin1Char('\n'));
        QStringList shown;
        for (const QString& line : lines)
            shown << port->fontMetrics().elidedText(line, Qt::ElideMiddle, port->width() - 2);
        setTextIfChanged(port, shown.join(QLatin1Char('\n')));
        port->setToolTip(lines.join(QLatin1Char(' ')));
    }
}

QString MonitorWindow::portText() const {
    const int port = session_.commPort();
    const PortTable& table = session_.portTable();
    QString name = tr("COM%1").arg(port);
    QString device;
    if (port >= 1 && port <= kPortCount) {
        const auto i = static_cast<std::size_t>(port - 1);
        if (!table.portDisplayNames[i].empty())
            name = QString::fromStdString(table.portDisplayNames[i]);
        device = QString::fromStdString(table.portDeviceNames[i]);
    }
    if (device.isEmpty())
        return tr("%1, no device").arg(name);
    if (!serial_.isOpen())
        return tr("%1, not open\n%2").arg(name, device);
    return tr("%1\n%2").arg(name, device);
}

void MonitorWindow::setLineDown(const QString& text) {
    if (text == lineDown_)
        return;
    lineDown_ = text;
    trace_->setEnabled(text.isEmpty());
    if (isVisible())
        refreshHealth(clock_.elapsed());
}

void MonitorWindow::refreshRecording() {
    QString text = tr("Not recording");
    QString path;
    if (recorder_.recording()) {
        // The file's name here, its whole path in the tooltip.
        path = QDir::toNativeSeparators(recorder_.fileName());
        text =
            tr("Recording to %1: %n frame(s)", nullptr, static_cast<int>(recorder_.framesWritten()))
                .arg(QFileInfo(recorder_.fileName()).fileName());
    }
    setTextIfChanged(recordingLabel_, text);
    if (recordingLabel_->toolTip() != path)
        recordingLabel_->setToolTip(path);
}

void MonitorWindow::updateButtons() {
    const bool recording = recorder_.recording();
    recordButton_->setText(recording ? tr("&Stop") : tr("&Record…"));
    recordButton_->setAccessibleName(recording ? tr("Stop recording") : tr("Record to a CSV file"));
    recordButton_->setToolTip(recording ? tr("Stop recording; the file keeps every frame so far")
                                        : tr("Write every good frame to a CSV file: time in ms, "
                                             "the six channel words and the auxiliary word"));
    pauseButton_->setText(paused_ ? tr("Res&ume") : tr("&Pause"));
    pauseButton_->setAccessibleName(paused_ ? tr("Resume the trace") : tr("Pause the trace"));
    pauseButton_->setToolTip(paused_ ? tr("Let the trace run again")
                                     : tr("Hold the trace still to look at it"));
}

void MonitorWindow::togglePause() {
    paused_ = !paused_;
    updateButtons();
}

void MonitorWindow::toggleRecording() {
    if (recorder_.recording()) {
        recorder_.stop();
        if (!isVisible())
            stopWatching();
    } else {
        const QString path = chooseFile_ ? chooseFile_(this) : QString();
        if (path.isEmpty())
            return;
        if (const QString error = recorder_.start(path); !error.isEmpty()) {
            showMessage(this, error);
            return;
        }
        recordingStartMs_ = clock_.elapsed();
    }
    refreshRecording();
    updateButtons();
}

void MonitorWindow::stopRecording(const QString& message) {
    recorder_.stop();
    refreshRecording();
    updateButtons();
    if (!isVisible())
        stopWatching();
    // Frames arrive from inside the receiver's loop: the message box, with its own event loop,
    // waits until that has returned.
    QTimer::singleShot(0, this, [this, message]() { showMessage(this, message); });
}

void MonitorWindow::placeBesideParent() {
    QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    if (owner == nullptr || !owner->isVisible())
        return;
    adjustSize();
    const QRect main = owner->frameGeometry();
    const QRect screen = owner->screen()->availableGeometry();
    QPoint at(main.right() + kGap, main.top());
    if (at.x() + width() > screen.right())
        at.setX(main.left() - kGap - width());
    if (at.x() < screen.left())
        at.setX(screen.left());
    move(at);
}

}  // namespace pelorin
