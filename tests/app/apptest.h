// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Running the main window over a fake serial control: the window is built as the program builds
// it, run modally, and the test acts on it from inside its modal loop.

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "app/maindialog.h"
#include "link/frames.h"
#include "link/settingsblock.h"
#include "tests/link/fakeserial.h"
#include "tests/support/modal.h"

namespace pelorin::test {

// 55 FD, the 65 block bytes and their sum, high byte first: what the transmitter sends.
inline std::vector<std::uint8_t> settingsFrameFor(const BlockBytes& block) {
    std::vector<std::uint8_t> frame{kFrameHeader, kSettingsType};
    unsigned sum = 0;
    for (std::size_t i = 0; i < kSettingsBlockSize; ++i) {
        frame.push_back(block[i]);
        sum += block[i];
    }
    frame.push_back(static_cast<std::uint8_t>(sum >> 8));
    frame.push_back(static_cast<std::uint8_t>(sum & 0xFF));
    return frame;
}

// 55 FF, the block bytes 0..64 and their sum: what the program sends.
inline std::vector<std::uint8_t> writeFrameFor(const BlockBytes& block) {
    std::vector<std::uint8_t> frame = settingsFrameFor(block);
    frame[1] = kWriteCommand;
    return frame;
}

// 55 FC, six channel words (value + 1512), the auxiliary word and the sum.
inline std::vector<std::uint8_t> liveFrameFor(const std::array<int, 6>& values, int aux = 0) {
    std::vector<std::uint8_t> frame{kFrameHeader, kLiveChannelType};
    unsigned sum = 0;
    auto word = [&](int w, bool counted) {
        const auto hi = static_cast<std::uint8_t>((w >> 8) & 0xFF);
        const auto lo = static_cast<std::uint8_t>(w & 0xFF);
        frame.push_back(hi);
        frame.push_back(lo);
        if (counted)
            sum += hi + lo;
    };
    for (int v : values)
        word(v + kChannelCentre, true);
    word(aux, true);
    word(static_cast<int>(sum), false);
    return frame;
}

// The model library (and the rest of the user's data folder) goes to a folder of the test's
// own while this lives.
class DataHome {
public:
    DataHome() { qputenv("XDG_DATA_HOME", dir.path().toLocal8Bit()); }
    QTemporaryDir dir;
};

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() {
        auto serial = std::make_unique<testing::FakeSerialControl>();
        fake = serial.get();
        fake->makeOpenable(3);
        window = std::make_unique<MainDialog>(std::move(serial), fake->discovery());
    }

    // Runs the window; `body` acts on it once it is up, then the window is closed (unless the
    // body already ended the run). Returns the run's result.
    int runWindow(const std::function<void(MainDialog&)>& body) {
        whenModalOpens<MainDialog>([&](MainDialog* dialog) { body(*dialog); }, kModalWaitMs,
                                   LeftOpen::Cancel);
        return window->run();
    }

    QPushButton* button(int id) const { return window->control<QPushButton>(id); }

    // Clicks a button whose dialog opens modally, and runs `inDialog` on that dialog, which must
    // close it.
    template <class Dialog>
    void clickThrough(int id, std::function<void(Dialog*)> inDialog) {
        whenModalOpens<Dialog>(std::move(inDialog));
        button(id)->click();
    }

    MessageRecorder messages;  // before the window: it may report while it starts
    testing::FakeSerialControl* fake = nullptr;
    std::unique_ptr<MainDialog> window;
};

}  // namespace pelorin::test
