#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <cstdlib>
#include <cwchar>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "PhaseTestSupport.h"
#include "phase/app/InstanceSlot.h"
#include "phase/app/PhaseDlg.h"
#include "platform/registry/KeyLocation.h"
#include "platform/registry/Registry.h"
#include "support/ModalRun.h"

namespace {

// Each window of this process claims the next slot (a process holds its claims to the end),
// so a stored position is written under every slot's key.
std::wstring SlotKey(int slot) {
    wchar_t key[64];
    std::swprintf(key, 64, L"Software\\Velmora\\Tidewell\\TWP%03d", slot);
    return key;
}

QString StoreFile() {
    return platform::LocateKey(QStringLiteral("Software\\Velmora\\Tidewell\\TWP000"))->file;
}

void WriteValue(int slot, const wchar_t* name, LONG value) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, SlotKey(slot).c_str(), 0, nullptr,
                              REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const DWORD data = static_cast<DWORD>(value);
    EXPECT_EQ(RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), 4),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

void WriteEverySlot(const wchar_t* name, LONG value) {
    for (int slot = 0; slot < kInstanceSlots; ++slot) {
        WriteValue(slot, name, value);
    }
}

// Stores a text that is not a 32-bit number as it would sit in the store's file.
void WriteRawEverySlot(const char* name, const QString& text) {
    QSettings settings(StoreFile(), QSettings::IniFormat);
    for (int slot = 0; slot < kInstanceSlots; ++slot) {
        settings.setValue(QStringLiteral("TWP%1/%2").arg(slot, 3, 10, QLatin1Char('0')).arg(name),
                          text);
    }
}

std::optional<LONG> ReadValue(int slot, const wchar_t* name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, SlotKey(slot).c_str(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    DWORD data = 0;
    DWORD size = 4;
    const LSTATUS status =
        RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&data), &size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? std::optional<LONG>(static_cast<LONG>(data)) : std::nullopt;
}

QPoint FrameTopLeft(CWnd& window) {
    CRect rect;
    window.GetWindowRect(&rect);
    return QPoint(rect.left, rect.top);
}

bool Centred(CWnd& window) {
    // Centred before the window had its frame: off by the frame's width at most.
    const QPoint offset = window.GetSafeHwnd()->frameGeometry().center() -
                          QGuiApplication::primaryScreen()->availableGeometry().center();
    return std::abs(offset.x()) <= 4 && std::abs(offset.y()) <= 4;
}

class StoredPosition : public ::testing::Test {
protected:
    void SetUp() override {
        QFile::remove(StoreFile());
        SetUtc(2024, 2, 10, 12);
    }
};

TEST_F(StoredPosition, IsRestoredWhenBothValuesAreGoodAndOnAScreen) {
    struct Case {
        const char* name;
        std::function<void()> store;
        std::optional<QPoint> at;  // none: centred
    };
    const Case cases[] = {
        {"both", [] { WriteEverySlot(L"Xpos", 300), WriteEverySlot(L"Ypos", 250); },
         QPoint(300, 250)},
        {"zero is one", [] { WriteEverySlot(L"Xpos", 0), WriteEverySlot(L"Ypos", 250); },
         QPoint(1, 250)},
        {"partly off the left", [] { WriteEverySlot(L"Xpos", -40), WriteEverySlot(L"Ypos", 0); },
         QPoint(-40, 1)},
        {"nothing stored", [] {}, std::nullopt},
        {"only Xpos", [] { WriteEverySlot(L"Xpos", 300); }, std::nullopt},
        {"not a number", [] { WriteEverySlot(L"Xpos", 300), WriteRawEverySlot("Ypos", "abc"); },
         std::nullopt},
        {"longer than 32 bits",
         [] { WriteRawEverySlot("Xpos", "4294967296"), WriteEverySlot(L"Ypos", 250); },
         std::nullopt},
        {"off every screen", [] { WriteEverySlot(L"Xpos", 5000), WriteEverySlot(L"Ypos", 5000); },
         std::nullopt},
    };
    for (const Case& c : cases) {
        QFile::remove(StoreFile());
        c.store();
        CPhaseDlg dialog;
        RunModal(dialog, [&] {
            if (c.at) {
                EXPECT_EQ(FrameTopLeft(dialog), *c.at) << c.name;
            } else {
                EXPECT_TRUE(Centred(dialog)) << c.name;
            }
        });
    }
}

TEST_F(StoredPosition, TheRestoresOwnMoveIsNotStored) {
    WriteEverySlot(L"Xpos", 0);
    WriteEverySlot(L"Ypos", 250);
    CPhaseDlg dialog;
    RunModal(dialog, [&] { EXPECT_EQ(FrameTopLeft(dialog), QPoint(1, 250)); });
    for (int slot = 0; slot < kInstanceSlots; ++slot) {
        EXPECT_EQ(ReadValue(slot, L"Xpos"), 0);
    }
}

TEST_F(StoredPosition, EveryMoveAfterSetUpIsStoredUnderTheSlotsKey) {
    CPhaseDlg dialog;
    std::optional<int> writtenSlot;
    RunModal(dialog, [&] {
        CRect rect;
        dialog.GetWindowRect(&rect);
        for (const QPoint at : {QPoint(200, 300), QPoint(-60, 45)}) {
            dialog.MoveWindow(at.x(), at.y(), rect.Width(), rect.Height());
            ASSERT_TRUE(WaitFor([&] {
                for (int slot = 0; slot < kInstanceSlots; ++slot) {
                    if (ReadValue(slot, L"Xpos") == at.x() && ReadValue(slot, L"Ypos") == at.y()) {
                        writtenSlot = slot;
                        return true;
                    }
                }
                return false;
            })) << at.x();
        }
    });
    ASSERT_TRUE(writtenSlot);
    int keys = 0;
    for (int slot = 0; slot < kInstanceSlots; ++slot) {
        keys += ReadValue(slot, L"Xpos") ? 1 : 0;
    }
    EXPECT_EQ(keys, 1);  // only the window's own slot
}

}  // namespace
