// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/comports.h"

#include <QRegularExpression>

#include <algorithm>

#include "platform/portdiscovery.h"

// setupapi.h and devguid.h need windows.h first.
#include <windows.h>

#include <devguid.h>
#include <setupapi.h>

namespace pelorin {

namespace windows {

namespace {

QStringList serialCommNames() {
    QStringList names;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return names;
    for (DWORD i = 0;; ++i) {
        wchar_t valueName[256];
        DWORD valueNameLength = 256;
        wchar_t data[64] = {};
        DWORD dataBytes = sizeof data - sizeof(wchar_t);
        DWORD type = 0;
        const LONG result = RegEnumValueW(key, i, valueName, &valueNameLength, nullptr, &type,
                                          reinterpret_cast<BYTE*>(data), &dataBytes);
        if (result == ERROR_NO_MORE_ITEMS)
            break;
        if (result == ERROR_SUCCESS && type == REG_SZ)
            names << QString::fromWCharArray(data).trimmed();
    }
    RegCloseKey(key);
    return names;
}

QString deviceProperty(HDEVINFO set, SP_DEVINFO_DATA& device, DWORD property) {
    wchar_t buffer[512] = {};
    DWORD type = 0;
    if (!SetupDiGetDeviceRegistryPropertyW(set, &device, property, &type,
                                           reinterpret_cast<BYTE*>(buffer),
                                           sizeof buffer - sizeof(wchar_t), nullptr))
        return {};
    return QString::fromWCharArray(buffer);  // of a multi-string, the first entry
}

QString devicePortName(HDEVINFO set, SP_DEVINFO_DATA& device) {
    HKEY key = SetupDiOpenDevRegKey(set, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
    if (key == INVALID_HANDLE_VALUE)
        return {};
    wchar_t data[64] = {};
    DWORD bytes = sizeof data - sizeof(wchar_t);
    DWORD type = 0;
    const bool ok = RegQueryValueExW(key, L"PortName", nullptr, &type,
                                     reinterpret_cast<BYTE*>(data), &bytes) == ERROR_SUCCESS &&
                    type == REG_SZ;
    RegCloseKey(key);
    return ok ? QString::fromWCharArray(data) : QString();
}

QString devicePath(int number) {
    return QStringLiteral("\\\\.\\COM%1").arg(number);
}

}  // namespace

int comPortNumber(const QString& name) {
    static const QRegularExpression pattern(
        QStringLiteral("\\A(?:\\\\\\\\\\.\\\\)?COM([1-9][0-9]{0,2})\\z"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(name);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

UsbIds usbIds(const QString& hardwareId) {
    static const QRegularExpression pattern(
        QStringLiteral("\\AUSB\\\\VID_([0-9A-F]{4})&PID_([0-9A-F]{4})"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(hardwareId);
    if (!match.hasMatch())
        return {};
    return {match.captured(1).toInt(nullptr, 16), match.captured(2).toInt(nullptr, 16)};
}

QList<ComPort> listComPorts() {
    QList<ComPort> ports;
    for (const QString& name : serialCommNames()) {
        if (comPortNumber(name) > 0)
            ports.append({name.toUpper(), {}, {}});
    }

    // Friendly names and hardware ids of the devices in the Ports class.
    HDEVINFO set = SetupDiGetClassDevsW(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
    if (set != INVALID_HANDLE_VALUE) {
        SP_DEVINFO_DATA device{};
        device.cbSize = sizeof device;
        for (DWORD i = 0; SetupDiEnumDeviceInfo(set, i, &device); ++i) {
            const QString name = devicePortName(set, device).toUpper();
            if (comPortNumber(name) <= 0)
                continue;
            auto it = std::find_if(ports.begin(), ports.end(),
                                   [&](const ComPort& p) { return p.name == name; });
            if (it == ports.end())
                it = ports.insert(ports.end(), {name, {}, {}});
            it->description = deviceProperty(set, device, SPDRP_FRIENDLYNAME);
            it->hardwareId = deviceProperty(set, device, SPDRP_HARDWAREID);
        }
        SetupDiDestroyDeviceInfoList(set);
    }

    const auto byNumber = [](const ComPort& a, const ComPort& b) {
        return comPortNumber(a.name) < comPortNumber(b.name);
    };
    std::stable_sort(ports.begin(), ports.end(), byNumber);
    ports.erase(std::unique(ports.begin(), ports.end(),
                            [](const ComPort& a, const ComPort& b) {
                                return comPortNumber(a.name) == comPortNumber(b.name);
                            }),
                ports.end());
    return ports;
}

}  // namespace windows

std::vector<SerialDevice> discoverSystemPorts() {
    std::vector<SerialDevice> devices;
    for (const windows::ComPort& port : windows::listComPorts()) {
        const windows::UsbIds ids = windows::usbIds(port.hardwareId);
        devices.push_back({windows::devicePath(windows::comPortNumber(port.name)).toStdString(),
                           port.description.toStdString(), 0, ids.vendor, ids.product});
    }
    return devices;
}

// COM<n> opens \\.\COM<n> (the prefix every number above 9 needs), whether or not Windows lists
// it now: an adapter plugged in later gets the number it had before. What Windows lists gives
// the tooltips.
PortTable portTableOf(const std::vector<SerialDevice>& systemPorts) {
    PortTable table;
    for (int number = 1; number <= kPortCount; ++number) {
        const auto index = static_cast<std::size_t>(number - 1);
        table.portDeviceNames[index] = windows::devicePath(number).toStdString();
        table.portDisplayNames[index] = "COM" + std::to_string(number);
    }
    for (const SerialDevice& port : systemPorts) {
        const int number = windows::comPortNumber(QString::fromStdString(port.path));
        if (number >= 1 && number <= kPortCount) {
            const auto index = static_cast<std::size_t>(number - 1);
            table.descriptions[index] =
                port.description.empty() ? table.portDisplayNames[index] : port.description;
        }
    }
    return table;
}

}  // namespace pelorin
