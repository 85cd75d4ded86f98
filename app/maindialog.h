// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's window: the live channel display, the buttons that open the editors, change
// the serial port, send commands and save or load settings files, and About and Help. It owns
// the connection to the transmitter, which the windows beside it listen to as well, and one
// object of every editor dialog for its whole life; the editors' values are the stored
// settings.

#include <QString>

#include <array>
#include <memory>
#include <vector>

#include "app/besidewindows.h"
#include "app/blocksend.h"
#include "app/filechooser.h"
#include "app/mainbuttons.h"
#include "app/windowplacement.h"
#include "connection/transmitterconnection.h"
#include "dialogkit/templatedialog.h"
#include "editors/editorhandlers.h"

class QLabel;
class QPushButton;

namespace pelorin {

class ChannelDisplay;
class HistoryRecorder;
class SystemMenu;
class HelpDialog;
class UserSelectDialog;
class SerialSettingDialog;
class SettingsEditors;
namespace models {
enum class HistoryCause;
}

class MainDialog : public TemplateDialog {
    Q_OBJECT

public:
    // The window drives the transmitter through `serial` and owns it.
    // `discover` numbers the ports at every probe round; by default the virtual transmitters
    // and the system's ports.
    explicit MainDialog(std::unique_ptr<SerialControl> serial,
                        PortDiscovery discover = &discoverPortTable, QWidget* parent = nullptr);
    ~MainDialog() override;

    [[nodiscard]] TransmitterConnection& connection() { return connection_; }
    [[nodiscard]] Session& session() { return connection_.session(); }
    [[nodiscard]] ChannelDisplay* channelDisplay() const { return channelDisplay_; }

    // The COM number to open at start instead of probing (pelorin --port); 0: probe.
    void setStartPort(int portNumber) { startPort_ = portNumber; }
    // Where the port the transmitter answered on is kept between runs; start-up tries it
    // first. Without one (tests, unless they set one), start-up probes in order and nothing
    // is kept.
    void setPortMemory(PortMemory memory) { connection_.setPortMemory(std::move(memory)); }
    // Where the windows beside this one (Models, Monitor, History) are kept between runs;
    // without one (tests) they open beside this window every run.
    void setPlacementMemory(PlacementMemory memory) {
        beside_.setPlacementMemory(std::move(memory));
    }

    // Where the history of the transmitter's blocks is kept (every block received and written;
    // Ctrl+Z takes writes back from it). Without one (tests, unless they set one) nothing is
    // recorded.
    void setHistoryFile(const QString& path);
    [[nodiscard]] HistoryRecorder* history() const { return history_; }

    // Replaces the file choosers of Save and Open (tests choose without a dialog).
    void setSaveChooser(FileChooser chooser) { chooseSaveFile_ = std::move(chooser); }
    void setOpenChooser(FileChooser chooser) { chooseOpenFile_ = std::move(chooser); }

    // A command from the window menu: the About item opens About; anything else gets the
    // default treatment (Close closes the window).
    void systemCommand(unsigned command);

    // Shows "Thro Cuv", "Pitch Cuv" and "Swash Afr" for the helicopter types and hides them for
    // ACRO, after the model type in byte 0 of the block.
    void updateCurveButtons();

    void done(int result) override;

protected:
    void initDialog() override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();

    // A button of the table was clicked: its command, or its editor and then the write.
    void press(int id);
    void onSetting();

    // Transmitter memory…: runs the user list and switches the transmitter to the one chosen.
    void chooseMemory();
    // GetUser's and Setting's tooltips say which memory the window shows.
    void showMemory();
    // The editor in `slot`, made with `args` (and this window as its parent) when first used;
    // the same object from then on, for the window's whole life.
    template <class Dialog, class... Args>
    Dialog& editor(std::unique_ptr<Dialog>& slot, Args&&... args);
    // Shows the serial control's error text, if the operation failed.
    void report(const SerialStatus& status);
    // An editor's outcome: a write is recorded under the editor's button `id`.
    void report(const EditorOutcome& outcome, int id);

    TransmitterConnection connection_;
    Session& session_;      // the connection's
    BlockSender sender_;    // every whole block that goes out (Open, a model, the history)
    BesideWindows beside_;  // Models, Monitor, History
    HistoryRecorder* history_ = nullptr;

    std::unique_ptr<SettingsEditors> editors_;  // EndPoint … VR(B), on the session's settings
    std::unique_ptr<HelpDialog> helpDialog_;
    std::unique_ptr<UserSelectDialog> userSelectDialog_;
    std::unique_ptr<SerialSettingDialog> serialSettingDialog_;

    std::vector<QPushButton*> heliButtons_;  // shown only for the helicopter types
    ChannelDisplay* channelDisplay_ = nullptr;
    // "CH1".."CH6" beside the display.
    std::array<QLabel*, 6> channelLabels_{};
    SystemMenu* systemMenu_ = nullptr;
    int startPort_ = 0;

    FileChooser chooseSaveFile_;
    FileChooser chooseOpenFile_;
};

}  // namespace pelorin
