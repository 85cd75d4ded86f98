// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Throughput of the receiver over a stream like the one a transmitter sends: live frames
// with moving sticks, now and then a settings frame, a little line noise between frames and
// about one frame in a hundred with a bad checksum.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <span>
#include <vector>

#include "link/frames.h"
#include "link/rxparser.h"
#include "link/session.h"

namespace {

using namespace pelorin;

// The receiver never touches the port; a control that does nothing is enough.
class NullSerialControl : public SerialControl {
public:
    bool probe(const PortName&) override { return false; }
    SerialStatus open(const PortName&, const LineSettings&) override { return {}; }
    void close() override {}
    bool isOpen() const override { return true; }
    SerialStatus write(std::span<const std::uint8_t>) override { return {}; }
};

struct Stream {
    std::vector<std::uint8_t> bytes;
    std::vector<std::size_t> pieces;  // sizes of the receive events, each 1..512
};

// About 1 MiB: one settings frame per 500 live frames, 1 to 3 stray bytes after about one
// frame in fifty, one frame in a hundred with its checksum spoilt.
Stream makeStream(std::size_t maxPiece) {
    std::mt19937 random(1234);
    Stream s;
    BlockBytes block = startingBlock();
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<std::uint8_t>(i * 37);

    for (int frame = 0; s.bytes.size() < (1u << 20); ++frame) {
        const bool spoil = random() % 100 == 0;
        if (frame % 500 == 499) {
            auto f = settingsFrame(block);
            if (spoil)
                f[68] ^= 1;
            s.bytes.insert(s.bytes.end(), f.begin(), f.end());
        } else {
            LiveValues v;
            for (std::size_t ch = 0; ch < v.channelWords.size(); ++ch) {
                v.channelWords[ch] =
                    static_cast<std::uint16_t>(1100 + (frame * 7 + ch * 131) % 820);
            }
            v.auxWord = static_cast<std::uint16_t>(frame % 1024);
            auto f = liveChannelFrame(v);
            if (spoil)
                f[17] ^= 1;
            s.bytes.insert(s.bytes.end(), f.begin(), f.end());
        }
        if (random() % 50 == 0) {
            for (auto n = 1 + random() % 3; n > 0; --n) {
                s.bytes.push_back(static_cast<std::uint8_t>(random()));
            }
        }
    }
    for (std::size_t left = s.bytes.size(); left > 0;) {
        const std::size_t piece = std::min<std::size_t>(left, 1 + random() % maxPiece);
        s.pieces.push_back(piece);
        left -= piece;
    }
    return s;
}

// Session::receive, as the receive handler runs it: each piece through the parser.
void BM_SessionReceive(benchmark::State& state) {
    const Stream stream = makeStream(static_cast<std::size_t>(state.range(0)));
    NullSerialControl serial;
    Session session(serial, {});
    for (auto _ : state) {
        std::span<const std::uint8_t> rest(stream.bytes);
        for (std::size_t piece : stream.pieces) {
            session.receive(rest.first(piece));
            rest = rest.subspan(piece);
        }
        benchmark::DoNotOptimize(session.liveChannels());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(stream.bytes.size()));
    const auto& c = session.counters();
    state.counters["liveOk%"] = 100.0 * static_cast<double>(c.liveAccepted) /
                                static_cast<double>(c.liveAccepted + c.liveRejected);
}
BENCHMARK(BM_SessionReceive)->Arg(512)->Arg(64)->Arg(18);

// The state machine alone.
void BM_RxParserConsume(benchmark::State& state) {
    const Stream stream = makeStream(512);
    RxParser parser;
    std::uint64_t frames = 0;
    for (auto _ : state) {
        for (std::uint8_t b : stream.bytes) {
            frames += parser.consume(b) == RxParser::Result::LiveFrame;
        }
        benchmark::DoNotOptimize(frames);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(stream.bytes.size()));
}
BENCHMARK(BM_RxParserConsume);

}  // namespace

BENCHMARK_MAIN();
