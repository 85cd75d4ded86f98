// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's link to the transmitter, without any window: blockBytes and the editable
// settings, the receiver, and every command, over one SerialControl. TransmitterConnection
// (connection/) owns the program's Session; the windows drive it through that.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "link/frames.h"
#include "link/porttable.h"
#include "link/rxparser.h"
#include "link/serialcontrol.h"
#include "link/settingsblock.h"

namespace pelorin {

// Numbers the ports of this computer afresh (COM1..COM22), at the start of every probe round.
using PortDiscovery = std::function<PortTable()>;

class Session {
public:
    Session(SerialControl& serial, PortDiscovery discover);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The 65 block bytes and the two checksum slots; the settings file image.
    BlockBytes blockBytes = startingBlock();
    // The editable values; editors read them on opening and store them on OK.
    ModelSettings settings = startingSettings();
    // The entry of the user list (0 "USER1", 1 "USER2") sent with a UserRequest.
    int userSelect = 0;

    RxParser rxParser;
    [[nodiscard]] const std::array<int, 6>& liveChannels() const { return rxParser.liveChannels(); }
    [[nodiscard]] int liveAux() const { return rxParser.liveAux(); }

    // Runs after a good SettingsFrame (or a loaded file) has been unpacked into `settings`;
    // the main window shows or hides its helicopter buttons here.
    std::function<void()> onSettingsUnpacked;
    // Runs after each good LiveChannelFrame, once liveChannels and liveAux hold it: the
    // display repaints on new frames instead of on a clock, and the monitor records every frame.
    std::function<void()> onLiveFrame;
    // Runs whenever blockBytes may have changed: after a good SettingsFrame and on every send
    // of the block (a write, a loaded file), once the send has been tried; the model library
    // marks what matches transmitterBlock().
    std::function<void()> onBlockChanged;
    // What the transmitter is known to hold: the block of the last good SettingsFrame, or the
    // last block handed to the port. None before either, and after a send that failed: the
    // transmitter may hold the old block or part of the new one.
    [[nodiscard]] const std::optional<BlockBytes>& transmitterBlock() const {
        return transmitterBlock_;
    }

    // Bytes as the serial control delivered them, through the parser in arrival order.
    void receive(std::span<const std::uint8_t> bytes);

    // The port numbers as the last probe round found them, and the number selected now.
    [[nodiscard]] const PortTable& portTable() const { return table_; }
    const PortTable& refreshPortTable();
    // Numbers the ports by `table` until the next refresh, as if a refresh had given it: for a
    // caller that has just looked for the ports itself (the command line's --port).
    void usePortTable(PortTable table);
    [[nodiscard]] int commPort() const { return commPort_; }
    [[nodiscard]] bool portOpen() const { return serial_.isOpen(); }
    // The device of the selected port number, fixed when the number was selected; empty when
    // it has none.
    [[nodiscard]] const std::string& portDevice() const { return port_.device; }

    // What open() opens besides a port number 1..22, which it selects afresh from the table.
    static constexpr int kSelectedPort = 0;       // the selected port, on the device fixed with it
    static constexpr int kSearch = -1;            // the search below; fails if none opens
    static constexpr int kSearchOrFallback = -2;  // the search; none opens: COM21's outcome
    // What open() sends once the port has opened.
    enum class Greeting : std::uint8_t {
        None,
        Read,  // a ReadRequest; once it is sent, userSelect is 0 (start-up)
        User,  // a UserRequest for userSelect (after the Setting round)
    };
    // Starts the receiver afresh, then opens `port` unless a port is open (that one is left as
    // it is, and nothing is sent). The search: preferredDevice first when it is one of
    // COM1..COM20, while it opens no other device is touched; then every other of COM1..COM20
    // that has a device, from one fresh table. Each device is opened at most once and the open
    // that succeeds is the port used. Any failure ends the call there.
    SerialStatus open(int port, Greeting greeting = Greeting::None);
    // The device the search tries first: the one the transmitter answered on last time (the
    // window keeps it in the user's settings). Empty: the probe order from COM1 alone.
    std::string preferredDevice;
    // Runs at the first good frame after the receiver starts afresh (each opening of a port):
    // the transmitter answers on portDevice().
    std::function<void()> onPortAnswered;
    // The ports the last search tried without success, in order, each with the text its open
    // failed with (never the fallback COM21): what start-up tells the user.
    struct FailedOpen {
        int portNumber;
        std::string error;
    };
    [[nodiscard]] const std::vector<FailedOpen>& failedOpens() const { return failedOpens_; }
    // Closes the port if open: before the Setting round, whose probes need it closed.
    void close();

    // The Serial Setting round: the port numbers 1..20 that open now, after a fresh table.
    [[nodiscard]] std::vector<int> probeAvailablePorts();

    // A request frame (readRequest(), userRequest(i), startAdjustRequest(), ...) handed to the
    // port whole. The settings block goes through sendSettingsBlock, which keeps
    // transmitterBlock() true.
    SerialStatus send(std::span<const std::uint8_t> frame);
    // Runs when a send finds the line gone: the port was open and the control closed it while
    // handing over the frame (the device vanished, or failed). The failure is the send's result.
    std::function<void()> onPortLost;
    // The write operation: packSettings, then sendSettingsBlock.
    SerialStatus writeSettings();
    SerialStatus sendSettingsBlock();
    // A settings file's 67 bytes: they replace blockBytes, are unpacked into the settings
    // (so a later OK does not send the values from before the load), and sent.
    SerialStatus loadBlock(const BlockBytes& loaded);

    // Counts of frames seen by the receiver since start (for the soak and benchmarks).
    struct Counters {
        std::uint64_t liveAccepted = 0;
        std::uint64_t liveRejected = 0;
        std::uint64_t settingsAccepted = 0;
        std::uint64_t settingsRejected = 0;
    };
    [[nodiscard]] const Counters& counters() const { return counters_; }

private:
    SerialStatus openPort(int port);
    SerialStatus openNumber(int portNumber);
    void noteAnswer();
    void applySettingsFrame();

    SerialControl& serial_;
    PortDiscovery discover_;
    PortTable table_;
    bool tableBuilt_ = false;
    int commPort_ = 1;
    PortName port_;  // what commPort_ opens
    std::optional<BlockBytes> transmitterBlock_;
    std::vector<FailedOpen> failedOpens_;
    Counters counters_;
    bool answered_ = false;  // a good frame arrived since the receiver started afresh
};

}  // namespace pelorin
