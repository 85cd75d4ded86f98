// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/maindialog.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

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
#include "app/windowmenu.h"
#include "editors/channelname.h"
#include "editors/editorhandlers.h"
#include "editors/typedialogs.h"
#include "link/settingsfile.h"
#include "models/history.h"
#include "models/modelformat.h"
#include "models/modellibrary.h"
#include "platform/accessibility.h"
#include "platform/devicewatch.h"
#include "platform/messages.h"
#include "platform/savefile.h"
#include "platform/systemmenu.h"
#include "resources/strings.h"

namespace pelorin {

namespace {

constexpr int kWidthDlu = 325;
constexpr int kHeightDlu = 276;
constexpr int kPointSize = 9;
// A burst of device changes (a node, then udev's links and permissions) is looked at once,
// this long after its last change; an awaited device that is there but does not open yet (a
// service still probing it) is looked at again a few times at a slower pace.
constexpr int kGatherMs = 150;
constexpr int kLookAgainMs = 1000;
constexpr int kLooksAgain = 5;

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

// A file that Open would take: 67 bytes, or a model in the readable format.
bool isSettingsFile(const QString& path) {
    return std::holds_alternative<models::LoadedModel>(models::readModelFile(path));
}

}  // namespace

MainDialog::MainDialog(std::unique_ptr<SerialControl> serial, PortDiscovery discover,
                       QWidget* parent)
    : TemplateDialog(tr("Pelorin"), kWidthDlu, kHeightDlu, kPointSize, Frame::Main, parent),
      serial_(std::move(serial)),
      session_(*serial_, std::move(discover)),
      chooseSaveFile_(&pelorin::chooseSaveFile),
      chooseOpenFile_(&pelorin::chooseOpenFile) {
    // The editor windows are made when they are first opened: their values live in the
    // session, so nothing is lost, and start-up does not build windows the user may never open.
    editors_ =
        std::make_unique<SettingsEditors>(session_, this, [this]() { return session_.liveAux(); });
    connect(this, &MainDialog::liveFrameReceived, editors_.get(), &SettingsEditors::liveNews);

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

    // Everything the serial control reports arrives on this thread. Frames that arrive
    // together are shown together: the display hears of news once, after the last of them,
    // and repaints when that changed what it shows, no more often than every 10 ms, and not
    // at all while nothing changes.
    serial_->setReceiveHandler([this](std::span<const std::uint8_t> bytes) {
        liveNews_ = false;
        receiving_ = true;
        session_.receive(bytes);
        receiving_ = false;
        if (std::exchange(liveNews_, false))
            channelDisplay_->showNews();
    });
    // A line that keeps failing gives one message that counts the errors, not a box for each.
    serialErrors_ = new SerialErrorReporter(this);
    serial_->setErrorHandler([this](const std::string& text) {
        serialErrors_->report(fromStd(text));
        if (!session_.portOpen())
            startWaiting();
    });
    // A send can be the first to find the device gone; the line is then awaited the same way.
    session_.onPortLost = [this] { startWaiting(); };
    lookTimer_.setSingleShot(true);
    connect(&lookTimer_, &QTimer::timeout, this, &MainDialog::lookForTransmitter);
    session_.onSettingsUnpacked = [this]() {
        updateCurveButtons();
        // After a switch of memory, the settings that come are that memory's.
        if (memory_ >= 0 && !memoryArrived_) {
            memoryArrived_ = true;
            showMemory();
        }
    };
    session_.onLiveFrame = [this]() {
        if (!channelDisplay_->lineDownText().isEmpty()) {
            setLineDown({});
            serialErrors_->lineBack();
        }
        liveNews_ = true;
        emit liveFrameReceived();
    };
    // The port the transmitter answers on is the one start-up tries first next time.
    session_.onPortAnswered = [this]() {
        if (portMemory_.remember)
            portMemory_.remember(session_.portDevice());
    };
    // The helicopter buttons follow the model type in byte 0 whenever the block changes: after
    // every received SettingsFrame and every write (whichever editor's OK, Write, Open, a
    // model sent), so they never offer curves an ACRO block does not have.
    session_.onBlockChanged = [this]() {
        updateCurveButtons();
        // A block the transmitter sent goes into the history here; a block written is
        // recorded where it is written, with its cause.
        if (receiving_ && history_ != nullptr)
            history_->received();
        emit blockBytesChanged();
    };
    showMemory();
}

void MainDialog::setHistoryFile(const QString& path) {
    delete history_;
    history_ = new HistoryRecorder(path, session_, this,
                                   [this](const BlockSend& send) { loadAndSend(send); });
    history_->setMemory(memory_);
}

MainDialog::~MainDialog() {
    channelDisplay_->setFollowing(false);
    serial_->setReceiveHandler({});
    serial_->setErrorHandler({});
    session_.onSettingsUnpacked = nullptr;
    session_.onLiveFrame = nullptr;
    session_.onPortAnswered = nullptr;
    session_.onBlockChanged = nullptr;
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

    // Heard while the line is down; costs nothing while no device comes or goes.
    auto* deviceWatch = new DeviceWatch(this);
    connect(deviceWatch, &DeviceWatch::devicesChanged, this, [this] {
        if (!waiting_)
            return;
        looksLeft_ = kLooksAgain;
        lookTimer_.start(kGatherMs);
    });
    if (startPort_ == 0 && portMemory_.recall)
        session_.preferredDevice = portMemory_.recall();
    const SerialStatus opened = session_.open(
        startPort_ > 0 ? startPort_ : Session::kSearchOrFallback, Session::Greeting::Read);
    // The port opened, or the one named, is the one to wait for.
    if (session_.portOpen() || startPort_ > 0)
        noteOpened();
    if (openedName_.isEmpty()) {
        // What was there at start-up is not taken by itself later, but for the transmitter
        // that answered last time.
        lastUsed_ = lastingDeviceName(QString::fromLocal8Bit(session_.preferredDevice));
        for (const std::string& device : session_.portTable().portDeviceNames) {
            if (!device.empty())
                presentAtStart_ << lastingDeviceName(QString::fromLocal8Bit(device));
        }
    }
    if (!opened) {
        // Shown once the window is up, so the user sees which program complains.
        const QString message =
            session_.portOpen() || startPort_ > 0 ? fromStd(opened.error()) : noPortOpenedText();
        QTimer::singleShot(0, this, [this, message]() { showMessage(this, message); });
    }
    if (!session_.portOpen())
        startWaiting();
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
        connect(this, &MainDialog::blockBytesChanged, models_, &ModelsWindow::transmitterChanged);
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

QString MainDialog::noPortOpenedText() const {
    QStringList text;
    if (session_.failedOpens().empty()) {
        text << tr(
            "No serial port was found: no transmitter is connected to this computer and "
            "no virtual transmitter (pelorin-txsim) is running.");
    } else {
        text << tr("No serial port could be opened. Tried:");
        for (const Session::FailedOpen& failed : session_.failedOpens())
            text << fromStd(failed.error);
        text.removeDuplicates();  // several ports refused for one reason say it once
    }
    text << tr(
        "Pelorin connects by itself when the transmitter appears: plug it in and switch "
        "it on (or start pelorin-txsim). The Setting button chooses a port by hand.");
    return text.join(QStringLiteral("\n\n"));
}

void MainDialog::noteOpened() {
    const QString device = QString::fromLocal8Bit(session_.portDevice());
    openedName_ = lastingDeviceName(device);
    openedLink_ = virtualLinkIdentity(device);
}

bool MainDialog::awaited(const QString& lastingName) const {
    if (!openedName_.isEmpty())
        return lastingName == openedName_;
    return lastingName == lastUsed_ || !presentAtStart_.contains(lastingName);
}

QString MainDialog::waitingText() const {
    if (!openedName_.isEmpty()) {
        return tr("Waiting for COM%1 (%2)")
            .arg(session_.commPort())
            .arg(QFileInfo(openedName_).fileName());
    }
    if (!lastUsed_.isEmpty()) {
        return tr("Waiting for %1 or a new transmitter").arg(QFileInfo(lastUsed_).fileName());
    }
    return tr("No port: waiting for a transmitter");
}

void MainDialog::startWaiting() {
    waiting_ = true;
    setLineDown(waitingText());
}

void MainDialog::lookForTransmitter() {
    if (!waiting_ || session_.portOpen())
        return;
    const PortTable& table = session_.refreshPortTable();
    bool there = false;
    for (int number = 1; number <= kProbedPortCount; ++number) {
        const QString device =
            QString::fromLocal8Bit(table.portDeviceNames[static_cast<std::size_t>(number - 1)]);
        if (device.isEmpty() || !awaited(lastingDeviceName(device)))
            continue;
        // A virtual transmitter's link that was not made anew since the line went is not the
        // transmitter back: it was left by one that was killed, and its terminal's number may
        // now be another program's.
        if (!openedLink_.isEmpty() && virtualLinkIdentity(device) == openedLink_)
            continue;
        there = true;
        if (!session_.open(number))
            continue;
        waiting_ = false;
        noteOpened();
        setLineDown(tr("COM%1 open, no frames yet").arg(number));
        report(session_.send(readRequest()));
        return;
    }
    if (there && looksLeft_-- > 0)
        lookTimer_.start(kLookAgainMs);
}

void MainDialog::followPortState() {
    setLineDown(session_.portOpen() ? QString() : tr("COM%1 closed").arg(session_.commPort()));
}

void MainDialog::setLineDown(const QString& text) {
    channelDisplay_->setLineDown(text);
    if (monitor_ != nullptr)
        monitor_->setLineDown(text);
}

void MainDialog::showMonitor() {
    if (monitor_ == nullptr) {
        monitor_ = new MonitorWindow(session_, *serial_, this);
        placeBeside(monitor_, this, QStringLiteral("monitor"), placementMemory_);
        monitor_->setFrameSource(this, &MainDialog::liveFrameReceived);
        monitor_->showMemory(memoryText());
        monitor_->setLineDown(channelDisplay_->lineDownText());
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

QString MainDialog::memoryText() const {
    if (memory_ < 0)
        return tr("not known: the memory the transmitter had active");
    const QString name = QStringLiteral("USER%1").arg(memory_ + 1);
    return memoryArrived_ ? name : tr("%1, its settings not received yet").arg(name);
}

void MainDialog::showMemory() {
    const QString shown = tr("The window shows: %1").arg(memoryText());
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
    if (monitor_ != nullptr)
        monitor_->showMemory(memoryText());
}

void MainDialog::memorySwitched(const SerialStatus& status, int index) {
    if (status) {
        memory_ = index;
        memoryArrived_ = false;
        if (history_ != nullptr)
            history_->setMemory(index);
        showMemory();
    }
    report(status);
}

void MainDialog::chooseMemory() {
    if (editor(userSelectDialog_, session_.userSelect).run() != QDialog::Accepted)
        return;
    const int index = session_.userSelect;
    memorySwitched(session_.send(userRequest(index)), index);
}

void MainDialog::onGetUser() {
    memorySwitched(session_.send(userRequest(0)), 0);
}

void MainDialog::onSetting() {
    // No port is opened by itself while the user chooses one.
    const bool wasWaiting = std::exchange(waiting_, false);
    session_.close();
    SerialSettingDialog& setting = editor(serialSettingDialog_, session_);
    const bool chosen = setting.run() == QDialog::Accepted;
    const int port = setting.selectedPort;
    // Also after Cancel: the previous port is opened again, and the transmitter switched to
    // the memory last chosen.
    memorySwitched(session_.open(chosen ? port : Session::kSelectedPort, Session::Greeting::User),
                   session_.userSelect);
    if (session_.portOpen())
        noteOpened();
    if (wasWaiting && !session_.portOpen())
        startWaiting();
    else
        followPortState();
}

void MainDialog::onSave() {
    const QString path = chooseSaveFile_(this, tr("Save"));
    if (path.isEmpty())
        return;
    // Replacing a settings file (either format) is what Save is for; replacing any other file
    // may lose something that has nothing to do with the transmitter, so that is asked first.
    if (QFileInfo(path).isFile() && !isSettingsFile(path) &&
        !askToGoOn(this,
                   tr("%1 already exists and is not a settings file.\nReplace it with the "
                      "transmitter's settings?")
                       .arg(path),
                   tr("&Replace"))) {
        return;
    }
    // The file gets blockBytes as they stand; the previous file survives a failed save.
    const BlockBytes& block = session_.blockBytes;
    const QString error =
        saveFileAtomically(path, QByteArray(reinterpret_cast<const char*>(block.data()),
                                            static_cast<qsizetype>(block.size())));
    if (!error.isEmpty())
        showMessage(this, error);
}

void MainDialog::onOpen() {
    const QString path = chooseOpenFile_(this, tr("Open"));
    if (path.isEmpty())
        return;
    // A 67-byte settings file or a model in the readable format, told apart by content.
    const auto loaded = models::readModelFile(path);
    if (const auto* error = std::get_if<QString>(&loaded)) {
        // Nothing changes and nothing is sent.
        showMessage(this, *error);
        return;
    }
    // The loaded block reaches the editors and the helicopter buttons, then the transmitter.
    BlockSend send;
    send.block = std::get<models::LoadedModel>(loaded).model.blockBytes;
    send.cause = models::HistoryCause::Open;
    send.detail = path;
    send.source = path;
    loadAndSend(send);
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
            onSave();
            break;
        case kOpen:
            onOpen();
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
