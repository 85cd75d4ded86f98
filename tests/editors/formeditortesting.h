// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the tests of the channel, type and select editors share: a session whose port is open
// on a fake line, the frames expected on that line, and driving a modal editor.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "dialogkit/templatedialog.h"
#include "link/frames.h"
#include "link/session.h"
#include "link/settingsblock.h"
#include "tests/link/fakeserial.h"
#include "tests/support/modal.h"

namespace pelorin::formeditors {

using Bytes = std::vector<std::uint8_t>;

// A session whose port is open, so every write goes out on the fake line.
struct LinkBench {
    pelorin::testing::FakeSerialControl serial;
    Session session{serial, serial.discovery()};

    LinkBench() { serial.forceOpen(true); }

    [[nodiscard]] std::vector<Bytes> writes() const { return serial.writes(); }

    // The transmitter sends `block` in a SettingsFrame.
    void receiveBlock(const BlockBytes& block) {
        const auto frame = settingsFrame(block);
        session.receive(frame);
    }
    // A block as received: the starting block with some bytes changed.
    void receiveBlockWith(std::initializer_list<std::pair<std::size_t, std::uint8_t>> bytes) {
        BlockBytes block = startingBlock();
        for (const auto& [offset, value] : bytes)
            block[offset] = value;
        receiveBlock(block);
    }
};

// 55 FF, the 65 block bytes, their sum high byte first: built here by hand, not by the code
// under test.
inline Bytes expectedWriteFrame(const BlockBytes& block) {
    Bytes frame{0x55, 0xFF};
    unsigned sum = 0;
    for (std::size_t i = 0; i < kSettingsBlockSize; ++i) {
        frame.push_back(block[i]);
        sum += block[i];
    }
    frame.push_back(static_cast<std::uint8_t>((sum >> 8) & 0xFF));
    frame.push_back(static_cast<std::uint8_t>(sum & 0xFF));
    return frame;
}

// The byte of a WriteFrame that carries block byte `offset`.
inline std::uint8_t frameByte(const Bytes& frame, std::size_t offset) {
    return frame.at(2 + offset);
}

// Acts on the dialog of type D once its modal run is up. The action must close the dialog; if
// it does not, the test fails naming the dialog, which is cancelled.
template <class D>
void onOpen(std::function<void(D*)> action) {
    pelorin::test::whenModalOpens<D>(std::move(action));
}

inline void pressOk(TemplateDialog* dialog) {
    dialog->control<QPushButton>(kIdOk)->click();
}
inline void pressCancel(TemplateDialog* dialog) {
    dialog->control<QPushButton>(kIdCancel)->click();
}

inline QString fieldText(const TemplateDialog* dialog, int id) {
    return dialog->control<QLineEdit>(id)->text();
}

inline QStringList listEntries(const TemplateDialog* dialog, int id) {
    QStringList entries;
    const auto* list = dialog->control<QComboBox>(id);
    for (int i = 0; i < list->count(); ++i)
        entries << list->itemText(i);
    return entries;
}

// Chooses the entry with this text, as the user would from the drop-down.
inline void chooseEntry(TemplateDialog* dialog, int id, const QString& text) {
    auto* list = dialog->control<QComboBox>(id);
    const int index = list->findText(text);
    ASSERT_GE(index, 0) << "no entry " << text.toStdString();
    list->setCurrentIndex(index);
}

}  // namespace pelorin::formeditors
