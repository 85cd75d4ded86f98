// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The serial control over Win32, driven on the user-interface thread. One overlapped ReadFile
// is always pending; it completes when bytes arrive and signals an event that
// QWinEventNotifier watches. (WaitCommEvent would be the other way, but under Wine it fails on
// a pseudo-terminal, which has no modem lines to read.) A write finishes before write() returns,
// bounded by a time-out so that a stalled adapter cannot freeze the window.

#include <QObject>
#include <QString>

#include <array>

#include <windows.h>

#include "platform/serialport.h"

class QWinEventNotifier;

namespace pelorin {

class Win32SerialControl : public QObject, public SerialControl {
    Q_OBJECT

public:
    explicit Win32SerialControl(QObject* parent = nullptr);
    ~Win32SerialControl() override;

    [[nodiscard]] bool probe(const PortName& port) override;
    SerialStatus open(const PortName& port, const LineSettings& settings) override;
    void close() override;
    [[nodiscard]] bool isOpen() const override { return m_handle != INVALID_HANDLE_VALUE; }
    SerialStatus write(std::span<const std::uint8_t> frame) override;

private:
    void onReadDone();
    [[nodiscard]] bool readNext();
    void lose(DWORD code);
    [[nodiscard]] QString portLabel() const;

    HANDLE m_handle = INVALID_HANDLE_VALUE;
    OVERLAPPED m_read{};
    std::array<std::uint8_t, 4096> m_buffer{};
    QWinEventNotifier* m_notifier = nullptr;
    PortName m_name;
};

// The text Windows gives for an error code, in the user's language, without a full stop.
[[nodiscard]] QString windowsErrorText(DWORD code);

}  // namespace pelorin
