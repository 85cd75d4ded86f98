// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/txsim/virtualtransmitter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <numbers>
#include <system_error>

#include "platform/portdiscovery.h"
#include "platform/pseudoterminal.h"
#include "tools/txsim/blockdiff.h"

namespace pelorin::txsim {

namespace fs = std::filesystem;

namespace {

// While nobody has the terminal open, the loop looks for a program this often.
constexpr auto kConnectionCheck = std::chrono::milliseconds(10);
// Frames are not queued beyond this while the program does not take them.
constexpr std::size_t kMaxQueuedBytes = 4096;
// Received bytes kept for inspection.
constexpr std::size_t kMaxReceivedBytes = 1 << 20;
constexpr int kSweepAmplitude = 420;
// Between the last frame a fault lets through and closing the line.
constexpr auto kCloseGrace = std::chrono::milliseconds(50);

const char* userName(int user) {
    return user == 0 ? "USER1" : "USER2";
}

// Links named "txsim-<pid>" or "txsim-<pid>-<n>" whose simulator is gone: they would lead a
// program to whatever terminal later gets the same number.
void removeStaleLinks(const fs::path& folder) {
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with("txsim-") || !entry.is_symlink(ec))
            continue;
        const long pid = std::strtol(name.c_str() + 6, nullptr, 10);
        if (pid <= 0)
            continue;
        if (!processExists(pid))
            fs::remove(entry.path(), ec);
    }
}

// Beside a link under a chosen name, the process that made it: a link to a terminal that
// exists is only another simulator's while that process lives, since a killed simulator's
// terminal number is given out again.
fs::path ownerFile(const fs::path& link) {
    return link.parent_path() / ("." + link.filename().string() + ".owner");
}

// The process named in `link`'s owner file; 0 when there is none.
long linkOwner(const fs::path& link) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(
        std::fopen(ownerFile(link).string().c_str(), "r"), &std::fclose);
    long pid = 0;
    if (!file || std::fscanf(file.get(), "%ld", &pid) != 1)
        return 0;
    return pid;
}

std::string defaultLinkName() {
    static std::atomic<int> count{0};
    const int n = count++;
    std::string name = "txsim-" + std::to_string(currentProcessId());
    if (n > 0)
        name += "-" + std::to_string(n + 1);
    return name;
}

}  // namespace

Options::Options() : models(defaultModels()) {}

std::array<BlockBytes, 2> defaultModels() {
    std::array<BlockBytes, 2> models{startingBlock(), startingBlock()};

    ModelSettings heli = startingSettings();
    heli.modelType = 1;  // HELI-120
    heli.stickMode = 1;  // MODEL2
    heli.reverse = {false, true, false, false, true, false};
    heli.dualRateOn = {100, 100, 100};
    heli.dualRateOff = {70, 70, 80};
    heli.swashAfr = {60, 60, -50};
    heli.endPointLeft = {100, 100, 110, 100, 100, 95};
    heli.endPointRight = {100, 100, 110, 100, 100, 95};
    heli.subTrim = {0, 4, 0, -3, 0, 0};
    heli.switchAFunction = 1;
    heli.vrAFunction = 1;
    packSettings(heli, models[1]);
    // Throttle and pitch curves: NOR and ID points alternate, EP0 first.
    constexpr std::array<int, 10> throttle = {0, 100, 25, 75, 50, 60, 75, 75, 100, 100};
    constexpr std::array<int, 10> pitch = {10, 0, 30, 25, 50, 50, 70, 75, 90, 100};
    for (std::size_t k = 0; k < block::kCurveSize; ++k) {
        models[1][block::kThrottleCurve + k] = lowByte(throttle[k]);
        models[1][block::kPitchCurve + k] = lowByte(pitch[k]);
    }
    return models;
}

LiveValues sweepValues(double seconds) {
    LiveValues values;
    for (std::size_t i = 0; i < values.channelWords.size(); ++i) {
        const double period = 2.0 + 0.7 * static_cast<double>(i);
        const double phase = 0.9 * static_cast<double>(i);
        const double swing = std::sin(2.0 * std::numbers::pi * seconds / period + phase);
        values.channelWords[i] =
            static_cast<std::uint16_t>(kChannelCentre + std::lround(kSweepAmplitude * swing));
    }
    const double p = std::fmod(seconds, 4.0) / 4.0;
    const double triangle = p < 0.5 ? 2.0 * p : 2.0 - 2.0 * p;
    values.auxWord = static_cast<std::uint16_t>(std::lround(1023.0 * triangle));
    return values;
}

VirtualTransmitter::VirtualTransmitter(Options options)
    : options_(std::move(options)), models_(options_.models), random_(options_.seed) {}

VirtualTransmitter::~VirtualTransmitter() {
    stop();
    closeLine();
}

bool VirtualTransmitter::open(std::string* error) {
    auto fail = [&](const std::string& text) {
        if (error)
            *error = text;
        return false;
    };
    std::lock_guard lock(mutex_);
    if (lineOpen_)
        return true;
    if (!wakeUp_.usable())
        return fail("cannot create the wake-up pipe");

    const fs::path folder = options_.portFolder.empty()
                                ? fs::path(virtualPortFolder().toStdString())
                                : fs::path(options_.portFolder);
    if (folder.empty())
        return fail("there is no runtime directory to register the port in");
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec)
        return fail("cannot create " + folder.string() + ": " + ec.message());
    removeStaleLinks(folder);

    PseudoTerminal terminal;
    if (std::string text; !terminal.make(text))
        return fail(text);
    const std::string name = terminal.devicePath();

    const fs::path link =
        folder / (options_.linkName.empty() ? defaultLinkName() : options_.linkName);
    if (fs::is_symlink(fs::symlink_status(link, ec))) {
        // A link to a terminal that exists belongs to a running simulator, unless the
        // simulator its owner file names has ended; a dead one is replaced, also one that
        // leads to the terminal just made (the killed simulator's number, given out again).
        const long owner = linkOwner(link);
        const bool ownerEnded = owner > 0 && !processExists(owner);
        if (fs::exists(link, ec) && fs::read_symlink(link, ec) != fs::path(name) && !ownerEnded)
            return fail(link.string() + " is already registered by another virtual transmitter");
        fs::remove(link, ec);
    }
    // The owner is written first, so that nothing holds the file open once a program can find
    // the link. A default name carries its process already ("txsim-<pid>").
    if (!options_.linkName.empty()) {
        if (std::FILE* owner = std::fopen(ownerFile(link).string().c_str(), "w")) {
            std::fprintf(owner, "%ld\n", currentProcessId());
            std::fclose(owner);
        }
    }
    fs::create_symlink(name, link, ec);
    if (ec)
        return fail("cannot register " + link.string() + ": " + ec.message());

    terminal_ = std::move(terminal);
    slavePath_ = name;
    linkPath_ = link.string();
    lineOpen_ = true;
    connected_ = false;
    opened_ = Clock::now();
    nextLive_ = opened_;
    nextChunk_ = opened_;
    return true;
}

bool VirtualTransmitter::start(std::string* error) {
    if (!open(error))
        return false;
    if (thread_.joinable())
        return true;
    stopRequested_ = false;
    thread_ = std::thread([this] {
        while (!stopRequested_.load())
            runOnce(std::chrono::milliseconds(100));
    });
    return true;
}

void VirtualTransmitter::stop() {
    if (!thread_.joinable())
        return;
    requestStop();
    thread_.join();
    stopRequested_ = false;
}

void VirtualTransmitter::run() {
    while (!stopRequested_.load() && lineOpen())
        runOnce(std::chrono::milliseconds(100));
}

void VirtualTransmitter::requestStop() noexcept {
    stopRequested_.store(true);
    wake();
}

void VirtualTransmitter::wake() noexcept {
    wakeUp_.wake();
}

void VirtualTransmitter::runOnce(std::chrono::microseconds maxWait) {
    Events events;
    PseudoTerminal::Handle watched = -1;
    bool wantRoom = false;
    Clock::duration wait{};
    {
        std::lock_guard lock(mutex_);
        const auto now = Clock::now();
        checkCloseFaults(now, events);
        if (lineOpen_ && !connected_)
            checkConnection(events);
        if (lineOpen_ && connected_) {
            watched = terminal_.handle();
            wantRoom = writeBlocked_;
        }
        auto until = std::min(nextDeadline(now), now + maxWait);
        if (lineOpen_ && !connected_)
            until = std::min(until, now + kConnectionCheck);
        wait = std::max(until - now, Clock::duration::zero());
    }
    emitEvents(events);

    const TerminalWait ready = TerminalWait::wait(
        watched, wantRoom, wakeUp_, std::chrono::duration_cast<std::chrono::nanoseconds>(wait));

    {
        std::lock_guard lock(mutex_);
        // closeLine() may have run on another thread meanwhile.
        if (watched >= 0 && lineOpen_ && terminal_.handle() == watched) {
            if (ready.readable)
                readCommands(events);
            if (ready.room)
                writeBlocked_ = false;
            if (lineOpen_ && ready.hungUp) {
                disconnect(events, "the program closed the line");
            }
        }
        const auto now = Clock::now();
        if (lineOpen_ && connected_) {
            queueDueLiveFrames(now);
            writeDue(events);
        }
        checkCloseFaults(Clock::now(), events);
    }
    emitEvents(events);
}

Clock::time_point VirtualTransmitter::nextDeadline(Clock::time_point now) const {
    auto next = Clock::time_point::max();
    const Faults& faults = options_.faults;
    if (lineOpen_ && faults.closeAfterTime.count() > 0)
        next = std::min(next, opened_ + faults.closeAfterTime);
    if (lineOpen_)
        next = std::min(next, closeAt_);
    if (!lineOpen_ || !connected_ || closeAt_ != Clock::time_point::max())
        return next;
    if (options_.frameRate > 0)
        next = std::min(next, nextLive_);
    if (!queue_.empty() && !writeBlocked_)
        next = std::min(next, std::max(nextChunk_, now));
    return next;
}

void VirtualTransmitter::checkConnection(Events& events) {
    if (!terminal_.peerPresent())
        return;
    connected_ = true;
    writeBlocked_ = false;
    reader_.reset();
    const auto now = Clock::now();
    nextLive_ = now;
    nextChunk_ = now;
    events.lines.push_back("a program opened the line");
}

void VirtualTransmitter::disconnect(Events& events, const char* why) {
    connected_ = false;
    writeBlocked_ = false;
    queue_.clear();
    queuedBytes_ = 0;
    reader_.reset();
    events.lines.push_back(why);
    if (terminal_.leftExclusive())
        renewTerminal(events);
}

// A killed program could not clear the exclusive flag it set, so the next program would be
// refused: the line moves to a fresh terminal, and the link, under the same name, is pointed
// at it in one step (a program never finds the name missing).
void VirtualTransmitter::renewTerminal(Events& events) {
    PseudoTerminal terminal;
    std::string error;
    std::error_code ec;
    const fs::path link(linkPath_);
    const fs::path next = link.parent_path() / ("." + link.filename().string() + ".new");
    if (terminal.make(error)) {
        fs::remove(next, ec);
        fs::create_symlink(terminal.devicePath(), next, ec);
        if (!ec)
            fs::rename(next, link, ec);
        if (ec) {
            error =
                "cannot point " + linkPath_ + " at " + terminal.devicePath() + ": " + ec.message();
            fs::remove(next, ec);
        }
    }
    if (!error.empty()) {
        events.lines.push_back("the line stays refused: " + error);
        return;
    }
    const std::string name = terminal.devicePath();
    terminal_ = std::move(terminal);
    slavePath_ = name;
    events.lines.push_back("the line was left exclusive: moved to " + name);
}

void VirtualTransmitter::readCommands(Events& events) {
    std::uint8_t buffer[512];
    while (true) {
        const std::size_t n = terminal_.read(buffer);
        if (n == 0)
            break;  // all taken, or hung up (seen by the caller's wait)
        for (std::size_t i = 0; i < n; ++i) {
            if (received_.size() < kMaxReceivedBytes)
                received_.push_back(buffer[i]);
            if (auto command = reader_.consume(buffer[i]))
                handleCommand(*command, events);
        }
    }
}

void VirtualTransmitter::handleCommand(const Command& command, Events& events) {
    commands_.push_back(command);
    if (command.strayBefore > 0) {
        events.lines.push_back("skipped " + std::to_string(command.strayBefore) + " stray byte(s)");
    }
    const std::string name = commandName(command.kind);
    switch (command.kind) {
        case Command::Kind::ReadRequest: {
            events.lines.push_back(name + ": sending the SettingsFrame of " + userName(user_) +
                                   " (" + describeBlock(models_[static_cast<std::size_t>(user_)]) +
                                   ")");
            const auto frame = settingsFrame(models_[static_cast<std::size_t>(user_)]);
            queueFrame({frame.begin(), frame.end()}, ChunkKind::Settings, &events);
            break;
        }
        case Command::Kind::WriteFrame: {
            const WriteFrameContent content = writeFrameContent(command.bytes);
            if (!content.checksumOk()) {
                events.lines.push_back(name + " with a wrong checksum (sent " +
                                       std::to_string(content.sentSum) + ", sum of the block " +
                                       std::to_string(content.computedSum) + "): ignored");
                break;
            }
            BlockBytes& model = models_[static_cast<std::size_t>(user_)];
            const std::vector<std::string> changes = describeChanges(model, content.blockBytes);
            model = content.blockBytes;
            std::string line = name + ": new block for " + userName(user_);
            if (changes.empty()) {
                line += ", no field changed";
            } else {
                line += ", changed:";
                for (const std::string& change : changes)
                    line += "\n    " + change;
            }
            events.lines.push_back(line);
            break;
        }
        case Command::Kind::UserRequest: {
            const int index = command.bytes[2];
            if (index > 1) {
                events.lines.push_back(name + " for model " + std::to_string(index) +
                                       ": no such model, ignored");
                break;
            }
            user_ = index;
            events.lines.push_back(name + ": " + userName(user_) +
                                   " selected, sending its SettingsFrame (" +
                                   describeBlock(models_[static_cast<std::size_t>(user_)]) + ")");
            const auto frame = settingsFrame(models_[static_cast<std::size_t>(user_)]);
            queueFrame({frame.begin(), frame.end()}, ChunkKind::Settings, &events);
            break;
        }
        case Command::Kind::StartAdjust:
            adjusting_ = true;
            events.lines.push_back(name + ": adjusting started");
            break;
        case Command::Kind::StopAdjust:
            adjusting_ = false;
            events.lines.push_back(name + ": adjusting stopped");
            break;
        case Command::Kind::Unknown:
            events.lines.push_back("unknown command " + hexBytes(command.bytes) + ": ignored");
            break;
    }
}

void VirtualTransmitter::queueDueLiveFrames(Clock::time_point now) {
    if (options_.frameRate <= 0 || now < nextLive_ || closeAt_ != Clock::time_point::max())
        return;
    const auto period = std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(1.0 / options_.frameRate));
    // A backed-up line drops frames instead of piling them up.
    if (queuedBytes_ + kLiveChannelFrameSize <= kMaxQueuedBytes) {
        // The frame's own time slot, not the moment the loop got to it: a late loop still
        // sends values as smooth as an on-time one.
        const double seconds = std::chrono::duration<double>(nextLive_ - opened_).count();
        const auto frame = liveChannelFrame(sweepValues(seconds));
        queueFrame(std::vector<std::uint8_t>(frame.begin(), frame.end()), ChunkKind::Live, nullptr);
    }
    nextLive_ += period;
    if (nextLive_ <= now)
        nextLive_ = now + period;  // fell behind: keep the pace, skip the rest
}

void VirtualTransmitter::queueFrame(std::vector<std::uint8_t> frame, ChunkKind kind,
                                    Events* events) {
    const Faults& faults = options_.faults;
    ++framesQueued_;
    if (faults.garbageEvery > 0 && framesQueued_ % faults.garbageEvery == 0) {
        // Stray bytes never contain the header byte, so they cannot swallow the frame after them.
        std::uniform_int_distribution<int> length(1, 8);
        std::uniform_int_distribution<int> value(0, 254);
        std::vector<std::uint8_t> stray(static_cast<std::size_t>(length(random_)));
        for (std::uint8_t& b : stray) {
            const int v = value(random_);
            b = static_cast<std::uint8_t>(v >= kFrameHeader ? v + 1 : v);
        }
        queuedBytes_ += stray.size();
        queue_.push_back({std::move(stray), 0, ChunkKind::Stray, false, {}, {}});
    }
    if (faults.badChecksumEvery > 0 && framesQueued_ % faults.badChecksumEvery == 0) {
        // The low checksum byte one higher: the sum no longer matches.
        frame.back() = static_cast<std::uint8_t>(frame.back() + 1);
        if (events && kind == ChunkKind::Settings)
            events->lines.push_back("  (sent with a wrong checksum)");
    }
    queuedBytes_ += frame.size();
    if (faults.splitFrames) {
        for (std::size_t i = 0; i < frame.size(); ++i) {
            const bool last = i + 1 == frame.size();
            queue_.push_back({{frame[i]},
                              0,
                              kind,
                              last,
                              last ? frame : std::vector<std::uint8_t>{},
                              faults.splitGap});
        }
    } else {
        queue_.push_back({frame, 0, kind, true, frame, {}});
    }
}

void VirtualTransmitter::writeDue(Events& events) {
    while (!queue_.empty() && !writeBlocked_ && lineOpen_ && connected_) {
        if (Clock::now() < nextChunk_)
            break;
        Chunk& chunk = queue_.front();
        // Taken before the write: a thread preempted right after it would report too late a
        // time, and the program would seem to take the frame before it was sent.
        const auto writing = Clock::now();
        std::size_t n = 0;
        const auto result = terminal_.write(std::span(chunk.bytes).subspan(chunk.offset), n);
        if (result == PseudoTerminal::WriteResult::Blocked) {
            writeBlocked_ = true;
            break;
        }
        if (result == PseudoTerminal::WriteResult::Failed) {
            disconnect(events, "the program closed the line");
            break;
        }
        chunk.offset += n;
        if (chunk.offset < chunk.bytes.size())
            continue;
        const auto written = writing;
        queuedBytes_ -= std::min(queuedBytes_, chunk.bytes.size());
        if (chunk.endsFrame) {
            if (chunk.kind == ChunkKind::Live)
                ++liveFramesSent_;
            events.written.emplace_back(std::move(chunk.frame), written);
        }
        nextChunk_ = written + chunk.gapAfter;
        queue_.pop_front();
        if (options_.faults.closeAfterFrames > 0 &&
            liveFramesSent_ >= options_.faults.closeAfterFrames &&
            closeAt_ == Clock::time_point::max()) {
            // A moment's grace, so the last frame reaches the program before the line goes.
            closeAt_ = written + kCloseGrace;
            closeReason_ =
                "closing the line after " + std::to_string(liveFramesSent_) + " live frames";
            queue_.clear();
            queuedBytes_ = 0;
            break;
        }
    }
}

void VirtualTransmitter::checkCloseFaults(Clock::time_point now, Events& events) {
    const auto after = options_.faults.closeAfterTime;
    if (lineOpen_ && after.count() > 0 && now >= opened_ + after) {
        closeLineLocked(events, "closing the line after " + std::to_string(after.count()) + " ms");
    }
    if (lineOpen_ && now >= closeAt_)
        closeLineLocked(events, closeReason_);
}

void VirtualTransmitter::sendRaw(std::span<const std::uint8_t> bytes) {
    {
        std::lock_guard lock(mutex_);
        queuedBytes_ += bytes.size();
        queue_.push_back({{bytes.begin(), bytes.end()},
                          0,
                          ChunkKind::Raw,
                          true,
                          {bytes.begin(), bytes.end()},
                          {}});
    }
    wake();
}

void VirtualTransmitter::sendSettingsFrame() {
    {
        std::lock_guard lock(mutex_);
        const auto frame = settingsFrame(models_[static_cast<std::size_t>(user_)]);
        queueFrame({frame.begin(), frame.end()}, ChunkKind::Settings, nullptr);
    }
    wake();
}

void VirtualTransmitter::sendLiveFrame(const LiveValues& values) {
    {
        std::lock_guard lock(mutex_);
        const auto frame = liveChannelFrame(values);
        queueFrame({frame.begin(), frame.end()}, ChunkKind::Live, nullptr);
    }
    wake();
}

void VirtualTransmitter::closeLine() {
    Events events;
    {
        std::lock_guard lock(mutex_);
        closeLineLocked(events, "line closed");
    }
    wake();
    emitEvents(events);
}

void VirtualTransmitter::closeLineLocked(Events& events, const std::string& why) {
    if (!lineOpen_)
        return;
    terminal_.close();
    lineOpen_ = false;
    connected_ = false;
    queue_.clear();
    queuedBytes_ = 0;
    removeLink();
    events.lines.push_back(why);
}

void VirtualTransmitter::removeLink() {
    if (linkPath_.empty())
        return;
    // Only our own link: another simulator may have registered the name since.
    std::error_code ec;
    if (fs::read_symlink(linkPath_, ec) == fs::path(slavePath_)) {
        fs::remove(linkPath_, ec);
        fs::remove(ownerFile(linkPath_), ec);
    }
}

void VirtualTransmitter::emitEvents(Events& events) {
    if (log) {
        for (const std::string& line : events.lines)
            log(line);
    }
    if (frameWritten) {
        for (const auto& [frame, time] : events.written)
            frameWritten(frame, time);
    }
    events.lines.clear();
    events.written.clear();
}

std::string VirtualTransmitter::slavePath() const {
    std::lock_guard lock(mutex_);
    return slavePath_;
}

std::string VirtualTransmitter::linkPath() const {
    std::lock_guard lock(mutex_);
    return linkPath_;
}

bool VirtualTransmitter::lineOpen() const {
    std::lock_guard lock(mutex_);
    return lineOpen_;
}

bool VirtualTransmitter::connected() const {
    std::lock_guard lock(mutex_);
    return connected_;
}

std::vector<std::uint8_t> VirtualTransmitter::receivedBytes() const {
    std::lock_guard lock(mutex_);
    return received_;
}

std::vector<Command> VirtualTransmitter::receivedCommands() const {
    std::lock_guard lock(mutex_);
    return commands_;
}

BlockBytes VirtualTransmitter::currentBlock() const {
    std::lock_guard lock(mutex_);
    return models_[static_cast<std::size_t>(user_)];
}

int VirtualTransmitter::currentUser() const {
    std::lock_guard lock(mutex_);
    return user_;
}

bool VirtualTransmitter::adjusting() const {
    std::lock_guard lock(mutex_);
    return adjusting_;
}

std::uint64_t VirtualTransmitter::liveFramesSent() const {
    std::lock_guard lock(mutex_);
    return liveFramesSent_;
}

}  // namespace pelorin::txsim
