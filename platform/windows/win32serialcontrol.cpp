// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/win32serialcontrol.h"

#include <QWinEventNotifier>

#include <set>

#include "platform/portadvice.h"

namespace pelorin {

namespace {

// The controls that have a port open, for closeAllSerialPorts(). All on the user-interface
// thread.
std::set<Win32SerialControl*>& openControls() {
    static std::set<Win32SerialControl*> controls;
    return controls;
}

// The longest a write may take before it fails: a frame at 115200 baud takes milliseconds.
constexpr DWORD kWriteTimeoutMs = 1000;
// How long the line must be quiet for a read to end: at 115200 baud a byte takes 87 us.
constexpr DWORD kQuietMs = 3;

OpenFailure failureOf(DWORD code) {
    switch (code) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return OpenFailure::NotFound;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
            return OpenFailure::Busy;
        default:
            return OpenFailure::Other;
    }
}

// Completes an overlapped call that the system may have queued, waiting for it.
bool finish(HANDLE handle, OVERLAPPED& overlapped, BOOL started, DWORD& transferred) {
    if (!started && GetLastError() != ERROR_IO_PENDING)
        return false;
    return GetOverlappedResult(handle, &overlapped, &transferred, TRUE) != 0;
}

bool applyLineSettings(HANDLE handle, const LineSettings& settings) {
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!GetCommState(handle, &dcb))
        return false;
    dcb.BaudRate = static_cast<DWORD>(settings.baudRate);
    dcb.ByteSize = static_cast<BYTE>(settings.dataBits);
    dcb.Parity = settings.parity == Parity::Even  ? EVENPARITY
                 : settings.parity == Parity::Odd ? ODDPARITY
                                                  : NOPARITY;
    dcb.StopBits = settings.stopBits == 2 ? TWOSTOPBITS : ONESTOPBIT;
    dcb.fBinary = TRUE;
    dcb.fParity = settings.parity != Parity::None;
    // No flow control, and the modem lines up while the port is open.
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fAbortOnError = FALSE;
    if (!SetCommState(handle, &dcb))
        return false;
    // A read waits for the first byte, then ends when the line has been quiet for a moment
    // (or the buffer is full): a frame's bytes come back to back, frames with gaps between.
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = kQuietMs;
    timeouts.WriteTotalTimeoutConstant = kWriteTimeoutMs;
    return SetCommTimeouts(handle, &timeouts) && PurgeComm(handle, PURGE_RXCLEAR | PURGE_TXCLEAR);
}

// Opens a port as the control does (exclusively: COM ports share with nobody). On failure
// INVALID_HANDLE_VALUE, and `text` tells the user why.
HANDLE openPort(const PortName& port, QString& text) {
    const QString comName = QString::fromStdString(port.display);
    const QString device = QString::fromStdString(port.device);
    if (device.isEmpty()) {
        text = openErrorText(comName, {}, {}, OpenFailure::NoDevice, {});
        return INVALID_HANDLE_VALUE;
    }
    const std::wstring name = device.toStdWString();
    HANDLE handle = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        text = openErrorText(comName, device, {}, failureOf(code), windowsErrorText(code));
    }
    return handle;
}

}  // namespace

QString windowsErrorText(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    QString message = length != 0 ? QString::fromWCharArray(text, static_cast<int>(length))
                                  : QStringLiteral("error %1").arg(code);
    LocalFree(text);
    message = message.trimmed();
    while (message.endsWith(u'.'))
        message.chop(1);
    return message;
}

Win32SerialControl::Win32SerialControl(QObject* parent) : QObject(parent) {}

Win32SerialControl::~Win32SerialControl() {
    close();
}

std::unique_ptr<SerialControl> makeSerialControl() {
    return std::make_unique<Win32SerialControl>();
}

void closeAllSerialPorts() {
    const std::set<Win32SerialControl*> controls = openControls();
    for (Win32SerialControl* control : controls)
        control->close();
}

QString probeProblem(const PortName& port) {
    QString text;
    const HANDLE handle = openPort(port, text);
    if (handle != INVALID_HANDLE_VALUE)
        CloseHandle(handle);
    return text;
}

bool Win32SerialControl::probe(const PortName& port) {
    // An exclusive open and an immediate close; nothing is sent.
    return probeProblem(port).isEmpty();
}

SerialStatus Win32SerialControl::open(const PortName& port, const LineSettings& settings) {
    if (isOpen())
        return SerialStatus::failure(tr("%1 is already open.").arg(portLabel()).toStdString());
    m_name = port;
    QString text;
    const HANDLE handle = openPort(port, text);
    if (handle == INVALID_HANDLE_VALUE)
        return SerialStatus::failure(text.toStdString());
    if (!applyLineSettings(handle, settings)) {
        const DWORD code = GetLastError();
        CloseHandle(handle);
        return SerialStatus::failure(openErrorText(QString::fromStdString(port.display),
                                                   QString::fromStdString(port.device), {},
                                                   OpenFailure::Other, windowsErrorText(code))
                                         .toStdString());
    }
    m_handle = handle;
    m_read = {};
    m_read.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    m_notifier = new QWinEventNotifier(m_read.hEvent, this);
    connect(m_notifier, &QWinEventNotifier::activated, this, &Win32SerialControl::onReadDone);
    openControls().insert(this);
    if (!readNext()) {
        const DWORD code = GetLastError();
        close();
        return SerialStatus::failure(
            tr("%1: %2.").arg(portLabel(), windowsErrorText(code)).toStdString());
    }
    return {};
}

void Win32SerialControl::close() {
    openControls().erase(this);
    if (m_handle == INVALID_HANDLE_VALUE)
        return;
    // The port may close from inside the notifier's own signal (a receiver that closes it).
    m_notifier->setEnabled(false);
    m_notifier->deleteLater();
    m_notifier = nullptr;
    CancelIo(m_handle);
    // The cancelled read finishes before its buffer, event and OVERLAPPED go.
    DWORD unused = 0;
    GetOverlappedResult(m_handle, &m_read, &unused, TRUE);
    CloseHandle(m_handle);
    m_handle = INVALID_HANDLE_VALUE;
    CloseHandle(m_read.hEvent);
    m_read = {};
}

SerialStatus Win32SerialControl::write(std::span<const std::uint8_t> frame) {
    if (!isOpen()) {
        return SerialStatus::failure(tr("%1: nothing can be sent, the port is not open.")
                                         .arg(QString::fromStdString(m_name.display))
                                         .toStdString());
    }
    OVERLAPPED overlapped{};
    overlapped.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    const auto size = static_cast<DWORD>(frame.size());
    DWORD written = 0;
    const BOOL started = WriteFile(m_handle, frame.data(), size, nullptr, &overlapped);
    const bool finished = finish(m_handle, overlapped, started, written);
    const DWORD code = finished ? DWORD(ERROR_SUCCESS) : GetLastError();
    CloseHandle(overlapped.hEvent);
    if (finished && written == size)
        return {};
    // A write that ran into the time-out finishes with fewer bytes and no error.
    const QString reason = finished ? windowsErrorText(ERROR_TIMEOUT) : windowsErrorText(code);
    return SerialStatus::failure(
        tr("%1: the data could not be sent: %2.").arg(portLabel(), reason).toStdString());
}

// Starts the next read. With the port's time-outs it completes once bytes have come and the
// line is quiet again, so the event it signals wakes the event loop only for data.
bool Win32SerialControl::readNext() {
    ResetEvent(m_read.hEvent);
    if (!ReadFile(m_handle, m_buffer.data(), static_cast<DWORD>(m_buffer.size()), nullptr,
                  &m_read) &&
        GetLastError() != ERROR_IO_PENDING)
        return false;
    m_notifier->setEnabled(true);
    return true;
}

void Win32SerialControl::onReadDone() {
    DWORD got = 0;
    if (!GetOverlappedResult(m_handle, &m_read, &got, FALSE))
        return lose(GetLastError());
    // Taken before the next read reuses the buffer; handed over last, as a handler may close
    // the port.
    const std::vector<std::uint8_t> bytes(m_buffer.begin(), m_buffer.begin() + got);
    if (!readNext())
        return lose(GetLastError());
    if (!bytes.empty())
        notifyReceive(bytes);
}

// The device went away while open (the adapter was unplugged): closed, and said once.
void Win32SerialControl::lose(DWORD code) {
    const QString text = connectionLostText(portLabel(), windowsErrorText(code));
    close();
    notifyError(text.toStdString());
}

QString Win32SerialControl::portLabel() const {
    const QString com = QString::fromStdString(m_name.display);
    const QString device = QString::fromStdString(m_name.device);
    return device.isEmpty() ? com : QStringLiteral("%1 (%2)").arg(com, device);
}

}  // namespace pelorin
