// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Windows tells a window that asks for it that a COM port came or went: every serial driver of a
// port that can come and go (USB serial adapters among them) registers the COM port interface,
// whose arrivals and removals come as WM_DEVICECHANGE. The window is a message-only window of
// the watch's own, so a program without windows hears it too (Qt's event loop dispatches the
// messages of every window of its thread); it needs no display either.
#include "platform/devicewatch.h"

// dbt.h needs windows.h first.
#include <windows.h>

#include <dbt.h>

namespace pelorin {

namespace {

// The tests find the watch's window by this name.
const wchar_t* const kDeviceWatchWindowClass = L"PelorinDeviceWatch";

// GUID_DEVINTERFACE_COMPORT: the interface every COM port's driver registers.
constexpr GUID kComPortInterface = {
    0x86e0d1e0, 0x8089, 0x11d0, {0x9c, 0xe4, 0x08, 0x00, 0x3e, 0x30, 0x1f, 0x73}};

LRESULT CALLBACK watchProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DEVICECHANGE &&
        (wParam == DBT_DEVICEARRIVAL || wParam == DBT_DEVICEREMOVECOMPLETE ||
         wParam == DBT_DEVNODES_CHANGED)) {
        auto* watch = reinterpret_cast<DeviceWatch*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (watch != nullptr)
            emit watch->devicesChanged();
        return TRUE;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

struct DeviceWatch::State {
    HWND window = nullptr;
    HDEVNOTIFY notification = nullptr;
};

DeviceWatch::DeviceWatch(QObject* parent) : QObject(parent), m_state(std::make_unique<State>()) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = watchProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kDeviceWatchWindowClass;
    RegisterClassW(&windowClass);  // fails harmlessly when a watch registered it before
    m_state->window = CreateWindowExW(0, kDeviceWatchWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                      nullptr, instance, nullptr);
    if (m_state->window == nullptr)
        return;
    SetWindowLongPtrW(m_state->window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    DEV_BROADCAST_DEVICEINTERFACE_W filter{};
    filter.dbcc_size = sizeof filter;
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = kComPortInterface;
    m_state->notification =
        RegisterDeviceNotificationW(m_state->window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
}

DeviceWatch::~DeviceWatch() {
    if (m_state->notification != nullptr)
        UnregisterDeviceNotification(m_state->notification);
    if (m_state->window != nullptr)
        DestroyWindow(m_state->window);
}

// A COM port keeps its name when its device goes and comes back.
QString stableDeviceName(const QString& device) {
    return device;
}

// Virtual transmitters register no links here: COM ports only.
QString virtualLinkIdentity(const QString&) {
    return {};
}

}  // namespace pelorin
