// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/maindialog.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <array>
#include <optional>
#include <string>
#include <utility>

#include "app/aboutdialog.h"
#include "app/appicon.h"
#include "app/besidewindows.h"
#include "app/channeldisplay.h"
#include "app/filechooser.h"
#include "app/helpdialog.h"
#include "app/historyrecorder.h"
#include "app/serialerrorreporter.h"
#include "app/serialsettingdialog.h"
#include "app/settingseditors.h"
#include "app/settingsfilecommands.h"
#include "app/setupsheetview.h"
#include "app/windowmenu.h"
#include "dialogkit/messages.h"
#include "dialogkit/systemmenu.h"
#include "editors/channelname.h"
#include "editors/editorhandlers.h"
#include "editors/typedialogs.h"
#include "models/history.h"

namespace pelorin {

namespace {

constexpr int kWidthDlu = 325;
constexpr int kHeightDlu = 276;
constexpr int kPointSize = 9;

}  // namespace

MainDialog::MainDialog(std::unique_ptr<SerialControl> serial, PortDiscovery discover,
                       QWidget* parent)
    : TemplateDialog(tr("Pelorin"), kWidthDlu, kHeightDlu, kPointSize, Frame::Main, parent),
      // A child of the window, so that the window's objects are found under it; a member
      // is destroyed before the window's children, so it leaves them first.
      connection_(std::move(serial), std::move(discover), this),
      session_(connection_.session()),
      sender_(this, session_),
      beside_(this, connection_, [this](const BlockSend& send) { sender_.send(send); }),
      chooseSaveFile_(&pelorin::chooseSaveFile),
      chooseOpenFile_(&pelorin::chooseOpenFile) {
    // The editor windows are made when they are first opened: their values live in the
    // session, so nothing is lost, and start-up does not build windows the user may never open.
    editors_ =
        std::make_unique<SettingsEditors>(session_, this, [this]() { return session_.liveAux(); });
    connect(&connection_, &TransmitterConnection::liveFrameReceived, editors_.get(),
            &SettingsEditors::liveFramesArrived);

    buildControls();
    systemMenu_ = new SystemMenu(this, [this](unsigned command) { systemCommand(command); });
    // Undo, Redo, the setup sheet, the windows beside this one and the memory, above Close.
    windowmenu::addEntriesBeforeClose(*systemMenu_);

    // Frames that arrive together are shown together: the display repaints when they changed
    // what it shows, no more often than every 10 ms, and not at all while nothing changes.
    connect(&connection_, &TransmitterConnection::liveFramesArrived, channelDisplay_,
            &ChannelDisplay::showLiveFrames);
    connect(&connection_, &TransmitterConnection::lineStateChanged, channelDisplay_,
            &ChannelDisplay::setLineDown);
    // A line that keeps failing gives one message that counts the errors, not a box for each;
    // a box still up closes when frames come again.
    new SerialErrorReporter(this, connection_);
    connect(&connection_, &TransmitterConnection::userMemoryChanged, this, &MainDialog::showMemory);
    // The helicopter buttons follow the model type in byte 0 whenever the block changes (a
    // SettingsFrame received, any write), so they never offer curves an ACRO block lacks.
    connect(&connection_, &TransmitterConnection::blockChanged, this,
            &MainDialog::updateCurveButtons);
    showMemory();
}

void MainDialog::setHistoryFile(const QString& path) {
    delete history_;
    history_ = new HistoryRecorder(
        path, connection_, this, [this](const BlockSend& send) { sender_.send(send); },
        systemMenu_);
    sender_.setHistory(history_);
}

MainDialog::~MainDialog() {
    channelDisplay_->setRunning(false);
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

    const int labelRows[] = {15, 24, 33, 41, 50, 58};
    for (std::size_t i = 0; i < channelLabels_.size(); ++i) {
        channelLabels_[i] = addText(channelName(static_cast<int>(i) + 1), {69, labelRows[i], 15, 8},
                                    Qt::AlignRight | Qt::AlignVCenter);
    }

    // The buttons in the order of the Tab key; their group boxes come in initDialog.
    for (const mainbuttons::Button& b : mainbuttons::kButtons) {
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
    windowmenu::addAboutEntry(*systemMenu_);
    // The end points start at 100 % until the transmitter's own values arrive.
    session_.settings.endPointLeft.fill(100);
    session_.settings.endPointRight.fill(100);

    if (const QString message = connection_.start(startPort_); !message.isEmpty()) {
        // Shown once the window is up, so the user sees which program complains.
        QTimer::singleShot(0, this, [this, message]() { showMessage(this, message); });
    }
    // The group boxes behind the buttons: the first one measures its title, which loads the
    // fonts (4-5 ms), so they are made once the transmitter has been asked for its settings.
    // Each is put behind every other control, so they stack as if made first.
    for (const mainbuttons::GroupBox& box : mainbuttons::kGroupBoxes)
        addGroupBox(tr(box.title), {box.x, box.y, box.w, box.h});
    // The display runs even without a port: it shows the boxes and waits for frames.
    channelDisplay_->setRunning(true);
    showMemory();  // start-up chose USER1 for Setting

    // What only the look of the window needs comes after the transmitter has been asked for
    // its settings: the icon is a picture to decode (3-4 ms), the labels are measured.
    for (QLabel* label : channelLabels_)
        growLeftToFitText(label);
    setWindowIcon(applicationIcon());
}

void MainDialog::closeEvent(QCloseEvent* event) {
    channelDisplay_->setRunning(false);
    TemplateDialog::closeEvent(event);
}

void MainDialog::done(int result) {
    // Escape and Enter end the run without the close handler; the display stops with the window.
    channelDisplay_->setRunning(false);
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
        AboutDialog(this).run();
        return;
    }
    switch (command) {
        case kCloseCommand:
            close();
            break;
        case kModelsCommand:
            beside_.showModels(history_);
            break;
        case kMonitorCommand:
            beside_.showMonitor();
            break;
        case kHistoryCommand:
            beside_.showHistory(history_);
            break;
        case kMemoryCommand:
            chooseMemory();
            break;
        case kUndoCommand:
        case kRedoCommand:
            if (history_ != nullptr)
                command == kUndoCommand ? history_->undo() : history_->redo();
            break;
        case kPrintSheetCommand:
        case kSheetPdfCommand:
            (command == kPrintSheetCommand ? printSetupSheet : saveSetupSheetPdf)(
                this, transmitterSheet(connection_));
            break;
        default:
            break;
    }
}

void MainDialog::updateCurveButtons() {
    const bool visible = curveButtonsVisible(session_.blockBytes[block::kModelAndStick]);
    for (QPushButton* button : heliButtons_)
        button->setVisible(visible);
}

void MainDialog::report(const SerialStatus& status) {
    if (!status)
        showMessage(this, QString::fromStdString(status.error()));
}

void MainDialog::report(const EditorOutcome& outcome, int id) {
    if (!outcome.accepted)
        return;
    sender_.recordWrite(outcome.write, models::HistoryCause::Editor,
                        HistoryRecorder::editorName(id), {});
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

void MainDialog::onSetting() {
    // No port is opened by itself while the user chooses one.
    connection_.closeForChoice();
    SerialSettingDialog& setting = editor(serialSettingDialog_, session_);
    const bool chosen = setting.run() == QDialog::Accepted;
    // Also after Cancel: the previous port opens again, switched to the memory last chosen.
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
            report(connection_.switchUserMemory(0));
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
                sender_.send(*send);
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
