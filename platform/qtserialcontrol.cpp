// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qtserialcontrol.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include "platform/portdiscovery.h"

namespace pelorin {

namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

std::optional<int> parseNumber(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc{} || ptr != end)
        return std::nullopt;
    return value;
}

// A look at whether another opener has made a terminal exclusive. The kernel refuses such a
// terminal to everyone but root (the open fails with EBUSY, which openDevice tells apart), so
// only root needs to look: that makes root behave like everyone else, and the program never
// takes over a port that another program holds. Looking needs a descriptor of the terminal;
// it stays open until the real open has been made, so the device sees one open: its modem
// lines go up once and are not dropped in between (an attached board may reset on each drop).
class ExclusiveLook {
public:
    explicit ExclusiveLook(const QString& path) {
        if (::geteuid() != 0)
            return;
        const QByteArray native = QFile::encodeName(path);
        m_fd = ::open(native.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (m_fd < 0) {
            m_held = errno == EBUSY;
            return;
        }
        int exclusive = 0;
        m_held = ::ioctl(m_fd, TIOCGEXCL, &exclusive) == 0 && exclusive != 0;
    }
    ~ExclusiveLook() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    ExclusiveLook(const ExclusiveLook&) = delete;
    ExclusiveLook& operator=(const ExclusiveLook&) = delete;

    [[nodiscard]] bool heldElsewhere() const { return m_held; }

private:
    int m_fd = -1;
    bool m_held = false;
};

QString exclusivelyHeldText() {
    return QtSerialControl::tr("opened exclusively by another program");
}

// Opens a device as the control does and classifies a failure. On success `port` is open.
std::optional<std::pair<OpenFailure, QString>> openDevice(QSerialPort& port, const QString& path) {
    const ExclusiveLook look(path);
    if (look.heldElsewhere())
        return std::pair{OpenFailure::Busy, exclusivelyHeldText()};
    port.setPortName(path);
    port.clearError();
    if (port.open(QIODevice::ReadWrite))
        return std::nullopt;
    const QString reason = port.errorString();
    switch (port.error()) {
        case QSerialPort::DeviceNotFoundError:
            return std::pair{OpenFailure::NotFound, reason};
        case QSerialPort::PermissionError: {
            // Qt reports a refused open, a lock held by another program and a terminal that
            // another opener made exclusive (EBUSY) all this way.
            if (reason == QString::fromLocal8Bit(std::strerror(EBUSY)))
                return std::pair{OpenFailure::Busy, exclusivelyHeldText()};
            const QByteArray native = QFile::encodeName(path);
            const bool allowed = ::access(native.constData(), R_OK | W_OK) == 0;
            return std::pair{allowed ? OpenFailure::Busy : OpenFailure::PermissionDenied, reason};
        }
        default:
            return std::pair{OpenFailure::Other, reason};
    }
}

// Opens the device a port number names, as the control does; on failure the text for the user.
// `openedPath` receives the canonical path that was opened.
std::optional<QString> openPort(QSerialPort& port, const QString& comName, const QString& device,
                                QString* openedPath = nullptr) {
    if (device.isEmpty())
        return openErrorText(comName, {}, {}, OpenFailure::NoDevice, {});
    // QSerialPort locks the path it is given; opening the link's target keeps a link and its
    // target from being opened at the same time.
    const QString path = QFileInfo(device).canonicalFilePath();
    if (path.isEmpty()) {
        const QFileInfo link(device);
        const QString reason = link.isSymLink()
                                   ? QtSerialControl::tr("the link leads to %1, which is gone")
                                         .arg(link.symLinkTarget())
                                   : QtSerialControl::tr("no such file");
        return openErrorText(comName, device, {}, OpenFailure::NotFound, reason);
    }
    const auto failed = openDevice(port, path);
    if (!failed) {
        if (openedPath)
            *openedPath = path;
        return std::nullopt;
    }
    DeviceHolderScan holders;
    if (failed->first == OpenFailure::Busy || failed->first == OpenFailure::PermissionDenied)
        holders = findDeviceHolders(QFile::encodeName(path).toStdString());
    return openErrorText(comName, device, path, failed->first, failed->second, holders);
}

}  // namespace

std::optional<LineSettings> parseLineSettings(std::string_view text) {
    std::array<std::string_view, 4> parts;
    std::size_t count = 0;
    while (true) {
        const std::size_t comma = text.find(',');
        if (count == parts.size())
            return std::nullopt;
        parts[count++] = trimmed(text.substr(0, comma));
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
    }
    if (count != parts.size())
        return std::nullopt;

    LineSettings settings;
    const std::optional<int> baud = parseNumber(parts[0]);
    if (!baud || *baud <= 0)
        return std::nullopt;
    settings.baudRate = *baud;

    if (parts[1].size() != 1)
        return std::nullopt;
    switch (parts[1][0]) {
        case 'n':
        case 'N':
            settings.parity = QSerialPort::NoParity;
            break;
        case 'e':
        case 'E':
            settings.parity = QSerialPort::EvenParity;
            break;
        case 'o':
        case 'O':
            settings.parity = QSerialPort::OddParity;
            break;
        case 'm':
        case 'M':
            settings.parity = QSerialPort::MarkParity;
            break;
        case 's':
        case 'S':
            settings.parity = QSerialPort::SpaceParity;
            break;
        default:
            return std::nullopt;
    }

    const std::optional<int> data = parseNumber(parts[2]);
    if (!data || *data < 5 || *data > 8)
        return std::nullopt;
    settings.dataBits = static_cast<QSerialPort::DataBits>(*data);

    if (parts[3] == "1") {
        settings.stopBits = QSerialPort::OneStop;
    } else if (parts[3] == "1.5") {
        settings.stopBits = QSerialPort::OneAndHalfStop;
    } else if (parts[3] == "2") {
        settings.stopBits = QSerialPort::TwoStop;
    } else {
        return std::nullopt;
    }
    return settings;
}

QtSerialControl::QtSerialControl(Discovery discovery, QObject* parent)
    : QObject(parent),
      m_discovery(discovery ? std::move(discovery) : Discovery(&discoverPortTable)),
      m_table(buildPortTable({}, {})) {
    connect(&m_port, &QSerialPort::readyRead, this, &QtSerialControl::readData);
    connect(&m_port, &QSerialPort::errorOccurred, this, &QtSerialControl::handleError);
}

QtSerialControl::~QtSerialControl() {
    // Close while the handlers are still connected to a living object, and without reporting.
    m_port.disconnect(this);
    m_port.close();
}

const PortTable& QtSerialControl::refreshPortTable() {
    m_table = m_discovery();
    m_tableBuilt = true;
    return m_table;
}

void QtSerialControl::usePortTable(PortTable table) {
    m_table = std::move(table);
    m_tableBuilt = true;
}

bool QtSerialControl::probe(const std::string& deviceName) {
    if (deviceName.empty())
        return false;
    const QString path = QFileInfo(QString::fromLocal8Bit(deviceName)).canonicalFilePath();
    if (path.isEmpty())
        return false;
    // An exclusive open and an immediate close; nothing is sent.
    QSerialPort port;
    if (openDevice(port, path))
        return false;
    port.close();
    return true;
}

SerialStatus QtSerialControl::setCommPort(int portNumber) {
    if (portNumber < 1 || portNumber > kPortCount) {
        return failure(tr("There is no port number %1; the ports are COM1 to COM%2.")
                           .arg(portNumber)
                           .arg(kPortCount));
    }
    if (m_port.isOpen()) {
        return failure(tr("%1 is open; the port number cannot be changed while the port is open.")
                           .arg(portLabel()));
    }
    if (!m_tableBuilt)
        refreshPortTable();
    m_commPort = portNumber;
    // The device is fixed now: a later refresh of the table does not move an open or
    // reopened port to another device.
    m_device =
        QString::fromLocal8Bit(m_table.portDeviceNames[static_cast<std::size_t>(portNumber - 1)]);
    return {};
}

SerialStatus QtSerialControl::setInBufferSize(int bytes) {
    if (bytes < 1 || bytes > kMaxBufferSize) {
        return failure(
            tr("Invalid input buffer size %1 (1 to %2 bytes).").arg(bytes).arg(kMaxBufferSize));
    }
    m_inBufferSize = bytes;
    // Qt takes no more from the device than this until the waiting bytes have been read.
    m_port.setReadBufferSize(bytes);
    return {};
}

SerialStatus QtSerialControl::setOutBufferSize(int bytes) {
    if (bytes < 1 || bytes > kMaxBufferSize) {
        return failure(
            tr("Invalid output buffer size %1 (1 to %2 bytes).").arg(bytes).arg(kMaxBufferSize));
    }
    m_outBufferSize = bytes;
    return {};
}

SerialStatus QtSerialControl::setInputMode(InputMode mode) {
    // Bytes are handed over as they are in either mode; there is no text conversion.
    m_inputMode = mode;
    return {};
}

SerialStatus QtSerialControl::setRThreshold(int bytes) {
    if (bytes < 0 || bytes > kMaxBufferSize) {
        return failure(tr("Invalid receive threshold %1.").arg(bytes));
    }
    m_rThreshold = bytes;
    return {};
}

SerialStatus QtSerialControl::setInputLen(int bytes) {
    if (bytes < 0 || bytes > kMaxBufferSize) {
        return failure(tr("Invalid input length %1.").arg(bytes));
    }
    m_inputLen = bytes;
    return {};
}

SerialStatus QtSerialControl::setSettings(std::string_view settings) {
    const std::optional<LineSettings> parsed = parseLineSettings(settings);
    if (!parsed) {
        return failure(
            tr("Invalid line settings \"%1\": expected baud rate, parity, data bits "
               "and stop bits, such as \"115200,n,8,1\".")
                .arg(QString::fromUtf8(settings.data(), static_cast<qsizetype>(settings.size()))));
    }
    m_lineSettings = *parsed;
    applyLineSettings();
    return {};
}

void QtSerialControl::applyLineSettings() {
    // Set before opening, QSerialPort applies them when the port opens.
    m_port.setBaudRate(m_lineSettings.baudRate);
    m_port.setParity(m_lineSettings.parity);
    m_port.setDataBits(m_lineSettings.dataBits);
    m_port.setStopBits(m_lineSettings.stopBits);
}

SerialStatus QtSerialControl::setPortOpen(bool open) {
    if (!open) {
        if (m_port.isOpen())
            m_port.close();
        m_openedPath.clear();
        return {};
    }
    if (m_port.isOpen())
        return failure(tr("%1 is already open.").arg(portLabel()));
    m_port.setReadBufferSize(m_inBufferSize);
    applyLineSettings();
    m_calling = true;
    QString path;
    const auto failed = openPort(m_port, comName(), m_device, &path);
    m_calling = false;
    if (failed)
        return failure(*failed);
    m_openedPath = path;
    return {};
}

QString probeProblem(const QString& comName, const QString& device) {
    QSerialPort port;
    const auto failed = openPort(port, comName, device);
    port.close();
    return failed.value_or(QString());
}

std::size_t QtSerialControl::inBufferCount() const {
    if (!m_port.isOpen())
        return 0;
    return static_cast<std::size_t>(std::max<qint64>(m_port.bytesAvailable(), 0));
}

std::size_t QtSerialControl::readInput(std::span<std::uint8_t> into) {
    if (!m_port.isOpen() || into.empty())
        return 0;
    std::size_t wanted = into.size();
    if (m_inputLen > 0)
        wanted = std::min(wanted, static_cast<std::size_t>(m_inputLen));
    const qint64 n = m_port.read(reinterpret_cast<char*>(into.data()), static_cast<qint64>(wanted));
    return n > 0 ? static_cast<std::size_t>(n) : 0;
}

SerialStatus QtSerialControl::writeOutput(std::span<const std::uint8_t> bytes) {
    if (!m_port.isOpen()) {
        return failure(tr("%1: nothing can be sent, the port is not open.").arg(comName()));
    }
    const qint64 size = static_cast<qint64>(bytes.size());
    if (m_port.bytesToWrite() + size > m_outBufferSize) {
        return failure(tr("%1: nothing was sent, the output buffer is full (the device takes no "
                          "data).")
                           .arg(portLabel()));
    }
    m_calling = true;
    m_callError = QSerialPort::NoError;
    const qint64 written = m_port.write(reinterpret_cast<const char*>(bytes.data()), size);
    // Hand the bytes to the device now instead of at the next turn of the event loop.
    if (written == size)
        m_port.flush();
    m_calling = false;
    if (written == size && m_callError == QSerialPort::NoError)
        return {};

    const QString text =
        tr("%1: the data could not be sent: %2.").arg(portLabel(), m_port.errorString());
    if (m_callError == QSerialPort::ResourceError || m_callError == QSerialPort::WriteError) {
        m_port.close();
        m_openedPath.clear();
    }
    return failure(text);
}

void QtSerialControl::readData() {
    if (m_rThreshold > 0 && m_port.bytesAvailable() >= m_rThreshold) {
        notifyReceive(CommEvent::Receive);
    }
}

void QtSerialControl::handleError(QSerialPort::SerialPortError error) {
    if (error == QSerialPort::NoError)
        return;
    if (m_calling) {
        // Raised inside open or write: that operation returns it.
        m_callError = error;
        return;
    }
    if (!m_port.isOpen())
        return;
    if (error != QSerialPort::ReadError && error != QSerialPort::ResourceError &&
        error != QSerialPort::WriteError) {
        notifyError(tr("%1: %2.").arg(portLabel(), m_port.errorString()).toStdString());
        return;
    }
    // The device went away. When the other end of a pseudo-terminal vanishes, Qt keeps
    // reporting ReadError with a stale reason and never ResourceError, in a tight loop; so
    // the port is closed here, the error goes out once, and nothing runs afterwards.
    QString reason;
    if (!QFileInfo::exists(m_openedPath)) {
        reason = tr("the device was removed");
    } else if (error == QSerialPort::ReadError) {
        reason = tr("the other end hung up");
    } else {
        reason = m_port.errorString();
    }
    const QString text = connectionLostText(portLabel(), reason);
    m_port.close();
    m_openedPath.clear();
    notifyError(text.toStdString());
}

QString QtSerialControl::comName() const {
    return QString::fromStdString(
        m_table.portDisplayNames[static_cast<std::size_t>(m_commPort - 1)]);
}

QString QtSerialControl::portLabel() const {
    if (m_device.isEmpty())
        return comName();
    const QString resolved =
        m_openedPath.isEmpty() ? QFileInfo(m_device).canonicalFilePath() : m_openedPath;
    if (resolved.isEmpty() || resolved == m_device)
        return QStringLiteral("%1 (%2)").arg(comName(), m_device);
    return QStringLiteral("%1 (%2 \u2192 %3)").arg(comName(), m_device, resolved);
}

SerialStatus QtSerialControl::failure(const QString& text) const {
    return SerialStatus::failure(text.toStdString());
}

}  // namespace pelorin
