// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the receiver: arbitrary bytes from the line, split into receive events at
// points taken from the input, through a Session (as the main window runs it) and through a
// bare RxParser one byte at a time. Both must agree, frame for frame, with a reference decoder
// written here from the frame layouts alone, and keep their state consistent throughout.
//
// Input layout:
//   byte 0        bits 0..3: k, the number of split-pattern bytes that follow
//                 bit 4:     deliver through the serial control's receive callback instead of
//                            handing the bytes to Session::receive directly
//                 bits 5..7: how many bytes one receive callback carries at most
//   bytes 1..k    the split pattern, used in a cycle: each byte is the length of one receive
//                 event (1..239 as is, 0xF0..0xFF: 128..2048 bytes, 0: 1100 bytes)
//   the rest      the bytes on the line
// With k = 0 the whole stream arrives in one receive event.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <vector>

#include "link/frames.h"
#include "link/rxparser.h"
#include "link/serialcontrol.h"
#include "link/session.h"
#include "link/settingsblock.h"

namespace {

using pelorin::BlockBytes;
using pelorin::RxParser;
using Bytes = std::vector<std::uint8_t>;

[[noreturn]] void fail(const char* what, std::size_t where) {
    std::fprintf(stderr, "receive_fuzz: %s (at stream byte %zu)\n", what, where);
    std::abort();
}

void check(bool condition, const char* what, std::size_t where) {
    if (!condition)
        fail(what, where);
}

// ---- Reference decoder -----------------------------------------------------------------------
//
// Reads the whole stream with look-ahead, the way the frames are laid out:
//   LiveChannelFrame  55 FC, six channel words, the auxiliary word, the sum of those 14 bytes
//   SettingsFrame     55 FD, 65 block bytes, the sum of those 65 bytes
// Outside a frame only 55 starts one; after it anything but FC or FD is skipped. A channel
// word above 2100 drops the frame at that word and the scan goes on right after it. A frame
// cut off by the end of the stream yields nothing.

struct Event {
    enum Kind { LiveGood, LiveBad, SettingsGood, SettingsBad } kind;
    std::size_t end;  // index of the byte that completes (or abandons) the frame
    std::array<int, 6> channels{};
    int aux = 0;
    std::array<std::uint8_t, 65> block{};
};

unsigned wordAt(const Bytes& s, std::size_t i) {
    return static_cast<unsigned>(s[i]) * 256u + s[i + 1];
}

std::vector<Event> referenceDecode(const Bytes& s) {
    std::vector<Event> events;
    const std::size_t n = s.size();
    std::size_t i = 0;
    while (i < n) {
        if (s[i] != 0x55) {
            ++i;
            continue;
        }
        std::size_t t = i + 1;
        while (t < n && s[t] != 0xFC && s[t] != 0xFD)
            ++t;
        if (t >= n)
            break;
        const std::size_t body = t + 1;

        if (s[t] == 0xFC) {
            Event e{Event::LiveGood, 0};
            bool abandoned = false;
            bool cut = false;
            for (std::size_t w = 0; w < 6; ++w) {
                const std::size_t at = body + 2 * w;
                if (at + 1 >= n) {
                    cut = true;
                    break;
                }
                const unsigned word = wordAt(s, at);
                if (word > 2100) {
                    events.push_back({Event::LiveBad, at + 1});
                    i = at + 2;
                    abandoned = true;
                    break;
                }
                e.channels[w] = static_cast<int>(word) - 1512;
            }
            if (cut)
                break;
            if (abandoned)
                continue;
            if (body + 16 > n)
                break;
            e.aux = static_cast<int>(wordAt(s, body + 12));
            unsigned sum = 0;
            for (std::size_t k = 0; k < 14; ++k)
                sum += s[body + k];
            e.kind = wordAt(s, body + 14) == sum ? Event::LiveGood : Event::LiveBad;
            e.end = body + 15;
            events.push_back(e);
            i = body + 16;
        } else {
            if (body + 67 > n)
                break;
            Event e{Event::SettingsGood, body + 66};
            unsigned sum = 0;
            for (std::size_t k = 0; k < 65; ++k) {
                e.block[k] = s[body + k];
                sum += s[body + k];
            }
            e.kind = wordAt(s, body + 65) == sum ? Event::SettingsGood : Event::SettingsBad;
            events.push_back(e);
            i = body + 67;
        }
    }
    return events;
}

// ---- Invariants of the parser's state ----------------------------------------------------------

void checkParserState(const RxParser& p, std::size_t where) {
    for (int v : p.liveChannels())
        check(v >= -1512 && v <= 588, "channel value out of range", where);
    check(p.liveAux() >= 0 && p.liveAux() <= 0xFFFF, "liveAux out of range", where);
}

// ---- The bare parser, one byte at a time -------------------------------------------------------

void runBareParser(const Bytes& stream, const std::vector<Event>& expected) {
    RxParser parser;
    std::size_t next = 0;
    for (std::size_t i = 0; i < stream.size(); ++i) {
        const RxParser::Result r = parser.consume(stream[i]);
        checkParserState(parser, i);
        if (r == RxParser::Result::None) {
            check(next >= expected.size() || expected[next].end != i,
                  "parser missed a frame the reference decoded", i);
            continue;
        }
        check(next < expected.size() && expected[next].end == i,
              "parser finished a frame the reference did not", i);
        const Event& e = expected[next++];
        switch (r) {
            case RxParser::Result::LiveFrame:
                check(e.kind == Event::LiveGood, "parser accepted a live frame", i);
                check(parser.liveChannels() == e.channels, "channel values differ", i);
                check(parser.liveAux() == e.aux, "auxiliary word differs", i);
                break;
            case RxParser::Result::LiveRejected:
                check(e.kind == Event::LiveBad, "parser dropped a good live frame", i);
                break;
            case RxParser::Result::SettingsFrame:
                check(e.kind == Event::SettingsGood, "parser accepted a settings frame", i);
                check(std::equal(e.block.begin(), e.block.end(), parser.settingsBlock().begin()),
                      "settings block differs", i);
                break;
            case RxParser::Result::SettingsRejected:
                check(e.kind == Event::SettingsBad, "parser dropped a good settings frame", i);
                break;
            case RxParser::Result::None:
                break;
        }
    }
    check(next == expected.size(), "reference decoded frames the parser did not finish",
          stream.size());
}

// ---- A Session over a serial control that hands out what arrived -------------------------------

class LineControl : public pelorin::SerialControl {
public:
    explicit LineControl(std::size_t maxPiece) : maxPiece_(maxPiece) {}

    // What arrived, handed over in receive calls of at most maxPiece bytes, as a system may.
    void arrive(std::span<const std::uint8_t> bytes) {
        while (!bytes.empty()) {
            const std::size_t n = std::min(bytes.size(), maxPiece_);
            notifyReceive(bytes.first(n));
            bytes = bytes.subspan(n);
        }
    }

    bool probe(const pelorin::PortName&) override { return false; }
    pelorin::SerialStatus open(const pelorin::PortName&, const pelorin::LineSettings&) override {
        return {};
    }
    void close() override {}
    bool isOpen() const override { return true; }
    pelorin::SerialStatus write(std::span<const std::uint8_t>) override { return {}; }

private:
    std::size_t maxPiece_;
};

std::size_t eventLength(std::uint8_t p) {
    if (p == 0)
        return 1100;
    if (p >= 0xF0)
        return static_cast<std::size_t>(p - 0xEF) * 128;
    return p;
}

// What blockBytes holds before anything is received: a loaded file whose checksum slots are
// not zero, so that the clearing of the slots shows.
BlockBytes startingImage() {
    BlockBytes b{};
    for (std::size_t k = 0; k < b.size(); ++k)
        b[k] = static_cast<std::uint8_t>(0xA5 ^ (k * 7));
    return b;
}

// A few fields read straight from the block layout, independent of unpackSettings.
void checkUnpacked(const pelorin::ModelSettings& s, const std::array<std::uint8_t, 65>& b,
                   std::size_t where) {
    check(s.modelType == (b[0] & 0x0F), "modelType not from byte 0", where);
    check(s.stickMode == (b[0] >> 4), "stickMode not from byte 0", where);
    for (int k = 0; k < 6; ++k) {
        check(s.reverse[static_cast<std::size_t>(k)] == (((b[1] >> k) & 1) != 0),
              "reverse flag not from byte 1", where);
    }
    check(s.endPointRight[0] == static_cast<std::int8_t>(b[12]), "end point CH1 right", where);
    check(s.subTrim[5] == static_cast<std::int8_t>(b[48]), "sub trim CH6", where);
    check(s.vrBFunction == static_cast<std::int8_t>(b[64]), "VR B function", where);
}

void runSession(const Bytes& stream, const std::vector<Event>& expected,
                std::span<const std::uint8_t> pattern, bool viaControl, std::size_t maxPiece) {
    LineControl control(maxPiece);
    pelorin::Session session(control, {});
    session.blockBytes = startingImage();
    control.setReceiveHandler(
        [&session](std::span<const std::uint8_t> bytes) { session.receive(bytes); });

    // The accepted settings frames in order, for the unpack hook.
    std::vector<const Event*> goodSettings;
    for (const Event& e : expected) {
        if (e.kind == Event::SettingsGood)
            goodSettings.push_back(&e);
    }
    std::size_t unpacked = 0;
    std::size_t chunkEnd = 0;
    session.onSettingsUnpacked = [&] {
        check(unpacked < goodSettings.size(), "unpack without an accepted frame", chunkEnd);
        const Event& e = *goodSettings[unpacked++];
        check(std::equal(e.block.begin(), e.block.end(), session.blockBytes.begin()),
              "blockBytes is not the accepted block", e.end);
        check(session.blockBytes[65] == 0 && session.blockBytes[66] == 0,
              "checksum slots not cleared after acceptance", e.end);
        checkUnpacked(session.settings, e.block, e.end);
    };

    // The expected state after the first `upTo` stream bytes.
    std::size_t eventIndex = 0;
    pelorin::Session::Counters want;
    std::array<int, 6> wantChannels{};
    int wantAux = 0;
    BlockBytes wantBlock = session.blockBytes;

    std::size_t pos = 0;
    std::size_t cycle = 0;
    while (pos < stream.size()) {
        std::size_t len = stream.size() - pos;
        if (!pattern.empty())
            len = std::min(len, eventLength(pattern[cycle++ % pattern.size()]));
        const std::span<const std::uint8_t> piece(stream.data() + pos, len);
        chunkEnd = pos + len;
        const BlockBytes before = session.blockBytes;
        const std::size_t unpackedBefore = unpacked;

        if (viaControl) {
            control.arrive(piece);
        } else {
            session.receive(piece);
        }
        pos = chunkEnd;

        for (; eventIndex < expected.size() && expected[eventIndex].end < pos; ++eventIndex) {
            const Event& e = expected[eventIndex];
            switch (e.kind) {
                case Event::LiveGood:
                    ++want.liveAccepted;
                    wantChannels = e.channels;
                    wantAux = e.aux;
                    break;
                case Event::LiveBad:
                    ++want.liveRejected;
                    break;
                case Event::SettingsGood:
                    ++want.settingsAccepted;
                    std::copy(e.block.begin(), e.block.end(), wantBlock.begin());
                    wantBlock[65] = wantBlock[66] = 0;
                    break;
                case Event::SettingsBad:
                    ++want.settingsRejected;
                    break;
            }
        }

        const auto& got = session.counters();
        check(got.liveAccepted == want.liveAccepted, "accepted live frames differ", pos);
        check(got.liveRejected == want.liveRejected, "dropped live frames differ", pos);
        check(got.settingsAccepted == want.settingsAccepted, "accepted settings differ", pos);
        check(got.settingsRejected == want.settingsRejected, "dropped settings differ", pos);
        check(session.liveChannels() == wantChannels, "liveChannels differ", pos);
        check(session.liveAux() == wantAux, "liveAux differs", pos);
        check(session.blockBytes == wantBlock, "blockBytes differ", pos);
        check(unpacked == got.settingsAccepted, "unpack count differs", pos);
        if (unpacked == unpackedBefore)
            check(session.blockBytes == before, "blockBytes changed without a good frame", pos);
        checkParserState(session.rxParser, pos);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::uint8_t control = data[0];
    const std::size_t k = std::min<std::size_t>(control & 0x0F, size - 1);
    const bool viaControl = (control & 0x10) != 0;
    static constexpr std::array<std::size_t, 8> kMaxPieces = {4096, 1, 2, 7, 18, 69, 100, 511};
    const std::size_t maxPiece = kMaxPieces[static_cast<std::size_t>(control >> 5)];
    const std::span<const std::uint8_t> pattern(data + 1, k);
    const Bytes stream(data + 1 + k, data + size);

    const std::vector<Event> expected = referenceDecode(stream);
    runBareParser(stream, expected);
    runSession(stream, expected, pattern, viaControl, maxPiece);
    return 0;
}
