// The phase window's stored position: restored at set-up from the slot's registry key and
// written there at every move after set-up.
#include <cstdint>
#include <string>
#include <utility>

#include "phase/app/InstanceSlot.h"
#include "phase/app/PhaseDlg.h"
#include "platform/registry/Registry.h"
#include "platform/ui/SystemMetrics.h"

namespace {

constexpr REGSAM kWriteAccess = KEY_READ | KEY_SET_VALUE | KEY_CREATE_SUB_KEY;  // 0x2001F

// Coordinates of any screen lie well within this, as do the edges of a window on one.
constexpr int64_t kScreenReach = int64_t(1) << 30;

// Whether a window edge at start, with the other edge at start + extent, can lie on a screen.
bool IsWithinScreenReach(int32_t start, int32_t extent) {
    const int64_t end = int64_t(start) + extent;
    return start > -kScreenReach && start < kScreenReach && end > -kScreenReach &&
           end < kScreenReach;
}

// "<base>\TWP<slot>".
std::wstring SlotKeyPath(const wchar_t* baseKey, int32_t slot) {
    return baseKey + (L"\\TWP" + SlotNumber(slot));
}

}  // namespace

void CPhaseDlg::RestoreWindowPosition() {
    DWORD dwX = 0;
    DWORD dwY = 0;
    const HRESULT hrX = ReadRegistryDword(L"Xpos", &dwX);
    const HRESULT hrY = ReadRegistryDword(L"Ypos", &dwY);
    if (hrX != S_OK || hrY != S_OK) {
        return;  // the window keeps the place it is given
    }
    // A coordinate is the 32 bits of a signed number; 0 is taken as 1.
    m_nXPos = static_cast<int32_t>(dwX) == 0 ? 1 : static_cast<int32_t>(dwX);
    m_nYPos = static_cast<int32_t>(dwY) == 0 ? 1 : static_cast<int32_t>(dwY);

    CRect rect;
    GetWindowRect(&rect);
    // A place on a screen that has since gone would hide the window: it opens centred then.
    // A place near either end of the coordinates' range is off every screen; it is taken as
    // such before the window's far edges are formed, which would overflow.
    if (!IsWithinScreenReach(m_nXPos, rect.Width()) ||
        !IsWithinScreenReach(m_nYPos, rect.Height())) {
        return;
    }
    const CRect target(m_nXPos, m_nYPos, m_nXPos + rect.Width(), m_nYPos + rect.Height());
    if (MonitorFromRect(&target, MONITOR_DEFAULTTONULL) == nullptr) {
        return;
    }
    MoveWindow(m_nXPos, m_nYPos, rect.Width(), rect.Height());
}

void CPhaseDlg::OnMove(int x, int y) {
    CDialog::OnMove(x, y);
    // Moves during set-up, the restore's own included, are not stored.
    if (!m_bInitialized) {
        return;
    }
    CRect rect;
    GetWindowRect(&rect);
    WriteRegistryDword(L"Xpos", static_cast<DWORD>(rect.left));
    WriteRegistryDword(L"Ypos", static_cast<DWORD>(rect.top));
}

HRESULT CPhaseDlg::ReadRegistryDword(const wchar_t* lpszValueName, DWORD* pdwValue) {
    const std::wstring path = SlotKeyPath(m_szRegKey, m_nSlot);
    *pdwValue = 0;

    HKEY hKey = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS) {
        return E_FAIL;
    }
    DWORD dwData = 0;
    DWORD dwType = 0;
    DWORD cbData = sizeof dwData;
    // The type is not checked; a value longer than four bytes fails.
    const LSTATUS status = RegQueryValueExW(hKey, lpszValueName, nullptr, &dwType,
                                            reinterpret_cast<BYTE*>(&dwData), &cbData);
    RegCloseKey(hKey);
    if (status != ERROR_SUCCESS) {
        return E_FAIL;
    }
    *pdwValue = dwData;
    return S_OK;
}

HRESULT CPhaseDlg::WriteRegistryDword(const wchar_t* lpszValueName, DWORD dwValue) {
    const std::wstring path = SlotKeyPath(m_szRegKey, m_nSlot);

    HKEY hCreated = nullptr;
    DWORD dwDisposition = 0;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &hCreated, &dwDisposition) != ERROR_SUCCESS) {
        hCreated = nullptr;
    }

    HRESULT hr = E_FAIL;
    HKEY hKey = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, kWriteAccess, &hKey) == ERROR_SUCCESS) {
        const bool closed =
            hCreated == nullptr || RegCloseKey(std::exchange(hCreated, nullptr)) == ERROR_SUCCESS;
        if (closed && RegSetValueExW(hKey, lpszValueName, 0, REG_DWORD,
                                     reinterpret_cast<const BYTE*>(&dwValue),
                                     sizeof dwValue) == ERROR_SUCCESS) {
            hr = S_OK;
        }
        RegCloseKey(hKey);
    }
    if (hCreated != nullptr) {
        RegCloseKey(hCreated);
    }
    return hr;
}
