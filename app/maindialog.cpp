// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/maindialog.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <array>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>

#include "app/aboutdialog.h"
#include "app/appicon.h"
#include "app/filechooser.h"
#include "app/helpdialog.h"
#include "app/historyrecorder.h"
#include "app/livedisplay.h"
#include "app/modelswindow.h"
#include "app/monitorwindow.h"
#include "app/sendconfirmation.h"
#include "app/serialerrors.h"
#include "app/serialsettingdialog.h"
#include "app/settingseditors.h"
#include "app/settingsfilecommands.h"
#include "app/windowmenu.h"
#include "dialogkit/accessibility.h"
#include "dialogkit/messages.h"
#include "dialogkit/systemmenu.h"
#include "editors/channelname.h"
#include "editors/editorhandlers.h"
#include "editors/typedialogs.h"
#include "link/settingsfile.h"
#include "models/history.h"
#include "models/modelformat.h"
#include "models/modellibrary.h"
#include "platform/savefile.h"
#include "resources/strings.h"

namespace pelorin {

namespace {

constexpr int kWidthDlu = 325;
constexpr int kHeightDlu = 276;
constexpr int kPointSize = 9;

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

MainDialog::MainDialog(std::unique_ptr<SerialControl> serial, PortDiscovery discover,
                       QWidget* parent)
    : TemplateDialog(tr("Pelorin"), kWidthDlu, kHeightDlu, kPointSize, Frame::Main, parent),
      // A child of the window, so that the window's objects are found under it; a member
      // is destroyed before the window's children, so it leaves them first.
      connection_(std::move(serial), std::move(discover), this),
      session_(connection_.session()),
      chooseSaveFile_(&pelorin::chooseSaveFile),
      chooseOpenFile_(&pelorin::chooseOpenFile) {
    // The editor windows are made when they are first opened: their values live in the
    // session, so nothing is lost, and start-up does not build windows the user may never open.
    editors_ =
        std::make_unique<SettingsEditors>(session_, this, [this]() { return session_.liveAux(); });
    connect(&connection_, &TransmitterConnection::liveFrameReceived, editors_.get(),
            &SettingsEditors::liveNews);

    buildControls();
    systemMenu_ = new SystemMenu(this, [this](unsigned command) { systemCommand(command); });
    // The windows beside this one and the memory come first in the menu, above Close.
    for (std::size_t i = 0; i < windowmenu::kEntriesBeforeClose; ++i) {
        const windowmenu::Entry& entry = windowmenu::kEntries[i];
        const int position = static_cast<int>(i);
        if (entry.command == 0) {
            systemMenu_->insertSeparator(position);
        } else {
            systemMenu_->insertItem(position, entry.command, tr(entry.text),
                                    QKeySequence(entry.shortcut));
        }
    }
    systemMenu_->setItemToolTip(
        kMemoryCommand, tr("Choose USER1 or USER2: the transmitter switches to that memory and "
                           "sends its settings, which the window then shows and edits."));

    // Frames that arrive together are shown together: the display repaints when they changed
    // what it shows, no more often than every 10 ms, and not at all while nothing changes.
    connect(&connection_, &TransmitterConnection::liveNews, channelDisplay_,
            &ChannelDisplay::showNews);
    connect(&connection_, &TransmitterConnection::lineStateChanged, channelDisplay_,
            &ChannelDisplay::setLineDown);
    // A line that keeps failing gives one message that counts the errors, not a box for each;
    // a box still up closes when frames come again.
    serialErrors_ = new SerialErrorReporter(this);
    connect(&connection_, &TransmitterConnection::lineError, serialErrors_,
            &SerialErrorReporter::report);
    connect(&connection_, &TransmitterConnection::lineStateChanged, serialErrors_,
            [this](const QString& text) {
                if (text.isEmpty())
                    serialErrors_->lineBack();
            });
    connect(&connection_, &TransmitterConnection::userMemoryChanged, this, [this] {
        if (history_ != nullptr)
            history_->setMemory(connection_.userMemory());
        showMemory();
    });
    // The helicopter buttons follow the model type in byte 0 whenever the block changes: after
    // every received SettingsFrame and every write (whichever editor's OK, Write, Open, a
    // model sent), so they never offer curves an ACRO block does not have. A block the
    // transmitter sent goes into the history here; a block written is recorded where it is
    // written, with its cause.
    connect(&connection_, &TransmitterConnection::blockChanged, this, [this](bool received) {
        updateCurveButtons();
        if (received && history_ != nullptr)
            history_->received();
    });
    showMemory();
}

void MainDialog::setHistoryFile(const QString& path) {
    delete history_;
    history_ = new HistoryRecorder(path, session_, this,
                                   [this](const BlockSend& send) { loadAndSend(send); });
    history_->setMemory(connection_.userMemory());
}

MainDialog::~MainDialog() {
    channelDisplay_->setFollowing(false);
}

template <class Dialog, class... Args>
Dialog& MainDialog::editor(std::unique_ptr<Dialog>& slot, Args&&... args) {
    if (!slot)
        slot = std::make_unique<Dialog>(std::forward<Args>(args)..., this);
    return *slot;
}

void MainDialog::buildControls() {
    using namespace mainid;

    channelDisplay_ = new ChannelDisplay(
        [this]() -> const std::array<int, 6>& { return session_.liveChannels(); }, this);
    channelDisplay_->setGeometry(dluToPixels({85, 13, 158, 54}));
    registerControl(kChannelDisplay, channelDisplay_);
    channelDisplay_->setAccessibleName(tr("Live channels"));
    setAccessibleDescriber(channelDisplay_, [this]() {
        QStringList values;
        const std::array<int, 6>& channels = session_.liveChannels();
        for (std::size_t i = 0; i < channels.size(); ++i)
            values << tr("%1: %2").arg(channelName(static_cast<int>(i) + 1)).arg(channels[i]);
        return values.join(QStringLiteral(", "));
    });

    const int labelRows[] = {15, 24, 33, 41, 50, 58};
    for (std::size_t i = 0; i < channelLabels_.size(); ++i) {
        channelLabels_[i] = addText(channelName(static_cast<int>(i) + 1), {69, labelRows[i], 15, 8},
                                    Qt::AlignRight | Qt::AlignVCenter);
    }

    // The buttons, each group box made just before its first button, as the Tab key goes.
    std::optional<mainbuttons::Group> group;
    for (const mainbuttons::Button& b : mainbuttons::kButtons) {
        if (b.group != group) {
            group = b.group;
            if (const mainbuttons::GroupBox* box = mainbuttons::findGroupBox(b.group))
                addGroupBox(tr(box->title), {box->x, box->y, box->w, box->h});
        }
        QPushButton* button = addButton(b.id, tr(b.caption), {b.x, b.y, b.w, b.h});
        connect(button, &QPushButton::clicked, this, [this, id = b.id] { press(id); });
        if (b.heliOnly)
            heliButtons_.push_back(button);
        if (b.group == mainbuttons::Group::Hidden)
            button->hide();
    }
    // Model and Current stay disabled, as they always were.
    control<QWidget>(mainid::kModel)->setEnabled(false);
    control<QWidget>(mainid::kCurrent)->setEnabled(false);
}

void MainDialog::initDialog() {
    // The window menu gets the About item, named after the program, unless the name is empty.
    const QString programName = QString::fromUtf8(kProgramName);
    if (!programName.isEmpty()) {
        systemMenu_->appendSeparator();
        systemMenu_->appendItem(kAboutCommand, programName);
        systemMenu_->setItemToolTip(kAboutCommand,
                                    tr("About %1: its version and licence").arg(programName));
    }
    // The end points start at 100 % until the transmitter's own values arrive.
    session_.settings.endPointLeft.fill(100);
    session_.settings.endPointRight.fill(100);

    if (const QString message = connection_.start(startPort_); !message.isEmpty()) {
        // Shown once the window is up, so the user sees which program complains.
        QTimer::singleShot(0, this, [this, message]() { showMessage(this, message); });
    }
    // The display runs even without a port: it shows the boxes and waits for frames.
    channelDisplay_->setFollowing(true);
    showMemory();  // start-up chose USER1 for Setting

    // What only the look of the window needs comes after the transmitter has been asked for
    // its settings: the icon is a picture to decode (3-4 ms), the labels are measured.
    fitChannelLabels();
    setWindowIcon(applicationIcon());
}

void MainDialog::fitChannelLabels() {
    // The labels end where the template puts them, just left of the display; a font wider
    // than the template's grows them to the left, so the text is never cut.
    for (QLabel* label : channelLabels_) {
        const int needed = label->fontMetrics().horizontalAdvance(label->text()) + 1;
        if (needed > label->width())
            label->setGeometry(label->geometry().adjusted(label->width() - needed, 0, 0, 0));
    }
}

void MainDialog::closeEvent(QCloseEvent* event) {
    channelDisplay_->setFollowing(false);
    TemplateDialog::closeEvent(event);
}

void MainDialog::done(int result) {
    // Escape and Enter end the run without the close handler; the display stops with the window.
    channelDisplay_->setFollowing(false);
    TemplateDialog::done(result);
}

void MainDialog::keyPressEvent(QKeyEvent* event) {
    // A focused button takes Return itself. Without one, Return and Enter end the run as OK.
    const bool plain = event->modifiers() == Qt::NoModifier ||
                       (event->modifiers() == Qt::KeypadModifier && event->key() == Qt::Key_Enter);
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        accept();
        return;
    }
    TemplateDialog::keyPressEvent(event);
}

void MainDialog::systemCommand(unsigned command) {
    if (isAboutCommand(command)) {
        runAbout();
        return;
    }
    switch (command) {
        case kCloseCommand:
            close();
            break;
        case kModelsCommand:
            showModels();
            break;
        case kMonitorCommand:
            showMonitor();
            break;
        case kHistoryCommand:
            if (history_ != nullptr) {
                history_->showWindow(
                    session_, models::ModelLibrary::defaultFolder(), [this](QWidget* made) {
                        placeBeside(made, this, QStringLiteral("history"), placementMemory_);
                    });
            }
            break;
        case kMemoryCommand:
            chooseMemory();
            break;
        default:
            break;
    }
}

void MainDialog::showModels() {
    if (models_ == nullptr) {
        models_ = new ModelsWindow(
            session_, [this](const BlockSend& send) { loadAndSend(send); },
            models::ModelLibrary::defaultFolder(), this);
        connect(&connection_, &TransmitterConnection::blockChanged, models_,
                &ModelsWindow::transmitterChanged);
        placeBeside(models_, this, QStringLiteral("models"), placementMemory_);
    }
    models_->show();
    models_->raise();
    models_->activateWindow();
}

void MainDialog::loadAndSend(const BlockSend& send) {
    if (!SendConfirmation::acceptOutsideEditorRanges(this, send.source, send.block))
        return;  // nothing changes and nothing is sent
    // Every question is answered now; what they were asked about must still hold.
    QString changed;
    if (send.chain && history_ != nullptr && history_->chain() != *send.chain)
        changed = tr("the transmitter or its memory changed while the question was open");
    else if (send.chosenAgainst && session_.blockBytes != *send.chosenAgainst)
        changed = tr("the transmitter's settings changed while the question was open");
    if (!changed.isEmpty()) {
        showMessage(
            this,
            tr("Nothing was sent: %1. Look at what it holds now and try again.").arg(changed));
        return;
    }
    recordWrite(session_.loadBlock(send.block), send.cause, send.detail, send.target);
}

void MainDialog::recordWrite(const SerialStatus& status, models::HistoryCause cause,
                             const QString& detail, const QString& target) {
    const bool kept = history_ != nullptr && history_->written(cause, detail, target, status.ok());
    if (status)
        return;
    QString text = fromStd(status.error());
    if (kept) {
        text += QStringLiteral("\n\n") +
                tr("The settings are kept in the history: History… (Ctrl+H) sends them once the "
                   "transmitter is connected.");
    }
    showMessage(this, text);
}

void MainDialog::showMonitor() {
    if (monitor_ == nullptr) {
        monitor_ = new MonitorWindow(connection_, this);
        placeBeside(monitor_, this, QStringLiteral("monitor"), placementMemory_);
    }
    monitor_->show();
    monitor_->raise();
    monitor_->activateWindow();
}

void MainDialog::runAbout() {
    AboutDialog about(this);
    about.run();
}

void MainDialog::updateCurveButtons() {
    const bool visible = curveButtonsVisible(session_.blockBytes[block::kModelAndStick]);
    for (QPushButton* button : heliButtons_)
        button->setVisible(visible);
}

void MainDialog::report(const SerialStatus& status) {
    if (!status)
        showMessage(this, fromStd(status.error()));
}

void MainDialog::report(const EditorOutcome& outcome, int id) {
    if (!outcome.accepted)
        return;
    recordWrite(outcome.write, models::HistoryCause::Editor, HistoryRecorder::editorName(id), {});
}

void MainDialog::showMemory() {
    const QString shown = tr("The window shows: %1").arg(connection_.userMemoryText());
    const QString getUser =
        tr("Switches the transmitter to USER1 and reads its settings.") + u'\n' + shown;
    const QString setting =
        tr("Closes the port, lets you choose a serial port, opens it, then switches the "
           "transmitter to %1 (the memory last chosen) and reads its settings.")
            .arg(QStringLiteral("USER%1").arg(session_.userSelect + 1)) +
        u'\n' + shown;
    for (auto [id, tip] :
         {std::pair{mainid::kGetUser, getUser}, std::pair{mainid::kSetting, setting}}) {
        QWidget* button = control<QWidget>(id);
        button->setToolTip(tip);
        button->setAccessibleDescription(tip);
    }
}

void MainDialog::chooseMemory() {
    if (editor(userSelectDialog_, session_.userSelect).run() != QDialog::Accepted)
        return;
    report(connection_.switchUserMemory(session_.userSelect));
}

void MainDialog::onGetUser() {
    report(connection_.switchUserMemory(0));
}

void MainDialog::onSetting() {
    // No port is opened by itself while the user chooses one.
    connection_.closeForChoice();
    SerialSettingDialog& setting = editor(serialSettingDialog_, session_);
    const bool chosen = setting.run() == QDialog::Accepted;
    // Also after Cancel: the previous port is opened again, and the transmitter switched to
    // the memory last chosen.
    report(connection_.reopenAfterChoice(chosen ? setting.selectedPort : Session::kSelectedPort));
}

void MainDialog::press(int id) {
    using namespace mainid;
    const mainbuttons::Button* button = mainbuttons::find(id);
    if (button != nullptr && button->editor) {
        report(editors_->run(id), id);
        return;
    }
    switch (id) {
        case kGetUser:
            onGetUser();
            break;
        case kSetting:
            onSetting();
            break;
        case kHelp:
            editor(helpDialog_).run();
            break;
        case kSave:
            saveSettingsFile(this, chooseSaveFile_, session_);
            break;
        case kOpen:
            // The loaded block reaches the editors and the helicopter buttons, then the
            // transmitter.
            if (const std::optional<BlockSend> send = openSettingsFile(this, chooseOpenFile_))
                loadAndSend(*send);
            break;
        case kModel:
            runUserSelectEditor(editor(userSelectDialog_, session_.userSelect));
            showMemory();  // Setting now switches to the entry chosen
            break;
        case kCurrent:
            report(session_.send(readRequest()));
            break;
        case kWrite:
            report(session_.writeSettings());
            break;
        case kStartAdjust:
            report(session_.send(startAdjustRequest()));
            break;
        case kStopAdjust:
            report(session_.send(stopAdjustRequest()));
            break;
        default:
            break;
    }
}

}  // namespace pelorin
