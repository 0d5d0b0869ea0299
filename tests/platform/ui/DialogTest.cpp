#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <cstdlib>
#include <optional>
#include <vector>

#include "platform/ui/Dialog.h"
#include "support/ModalRun.h"

namespace {

constexpr UINT kControlsDialog = 900;
constexpr UINT kStripDialog = 901;

// Records the commands and timer ticks it receives; can place itself during set-up.
class ProbeDialog : public CDialog {
public:
    explicit ProbeDialog(UINT id) : CDialog(id) {}
    std::vector<int> commands;
    std::vector<UINT_PTR> timers;
    std::vector<QPoint> moves;
    std::optional<QPoint> placeAt;

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        if (placeAt) {
            CRect rect;
            GetWindowRect(&rect);
            MoveWindow(placeAt->x(), placeAt->y(), rect.Width(), rect.Height());
        }
        return TRUE;
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        commands.push_back(LOWORD(wParam));
        return CDialog::OnCommand(wParam, lParam);
    }
    void OnTimer(UINT_PTR nIDEvent) override {
        timers.push_back(nIDEvent);
        CDialog::OnTimer(nIDEvent);
    }
    void OnMove(int x, int y) override {
        moves.emplace_back(x, y);
        CDialog::OnMove(x, y);
    }
};

// A control object that answers WM_USER itself and passes the rest on.
class ProbeWnd : public CWnd {
public:
    std::vector<UINT> messages;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        messages.push_back(message);
        return message == WM_USER ? 42 : CWnd::WindowProc(message, wParam, lParam);
    }
};

class BindingDialog : public CDialog {
public:
    BindingDialog() : CDialog(kControlsDialog) {}
    ProbeWnd probe;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, 1003, probe); }
};

QRect ScreenArea() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

TEST(CDialog, DoModalWithoutItsTemplateGivesMinusOne) {
    CDialog missing(12345);
    EXPECT_EQ(missing.DoModal(), -1);
    CDialog malformed(902);
    EXPECT_EQ(malformed.DoModal(), -1);
}

TEST(CDialog, ClientAreaComesFromDialogUnits) {
    ProbeDialog dialog(kStripDialog);
    RunModal(dialog, [&] {
        CRect client;
        dialog.GetClientRect(&client);
        EXPECT_EQ(client.Width(), 507);
        EXPECT_EQ(client.Height(), 171);
        EXPECT_EQ(dialog.GetSafeHwnd()->windowTitle(), "Strip");
        EXPECT_EQ(dialog.GetSafeHwnd()->minimumSize(), dialog.GetSafeHwnd()->maximumSize());
    });
}

TEST(CDialog, ControlsFollowTheirTemplates) {
    ProbeDialog dialog(kControlsDialog);
    RunModal(dialog, [&] {
        // A picture control takes the picture's size, whatever the template says.
        EXPECT_EQ(dialog.GetDlgItem(1000)->GetSafeHwnd()->size(), QSize(120, 120));
        auto* prefixed = qobject_cast<QLabel*>(dialog.GetDlgItem(1001)->GetSafeHwnd());
        auto* plain = qobject_cast<QLabel*>(dialog.GetDlgItem(1002)->GetSafeHwnd());
        ASSERT_TRUE(prefixed != nullptr && plain != nullptr);
        EXPECT_EQ(prefixed->text(), "Name & more");
        EXPECT_EQ(plain->text(), "&Plain");
        EXPECT_EQ(dialog.GetDlgItem(1001)->GetDlgCtrlID(), 1001);
        EXPECT_EQ(dialog.GetDlgItem(4242), nullptr);
        // The focus starts on the first control that takes it: the default button.
        EXPECT_EQ(dialog.GetSafeHwnd()->focusWidget(), dialog.GetDlgItem(IDOK)->GetSafeHwnd());
    });
}

TEST(CDialog, KeysButtonsAndTheCloseBoxEndIt) {
    struct Case {
        const char* name;
        std::function<void(CDialog&)> act;
        INT_PTR result;
        std::vector<int> commands;
    };
    auto key = [](int k) {
        return [k](CDialog& d) { QTest::keyClick(d.GetSafeHwnd()->focusWidget(), Qt::Key(k)); };
    };
    auto click = [](int id) {
        return [id](CDialog& d) {
            qobject_cast<QPushButton*>(d.GetDlgItem(id)->GetSafeHwnd())->click();
        };
    };
    const Case cases[] = {
        {"Enter", key(Qt::Key_Return), IDOK, {IDOK}},
        {"keypad Enter", key(Qt::Key_Enter), IDOK, {IDOK}},
        {"Esc", key(Qt::Key_Escape), IDCANCEL, {IDCANCEL}},
        {"OK", click(IDOK), IDOK, {IDOK}},
        {"Cancel", click(IDCANCEL), IDCANCEL, {IDCANCEL}},
        {"close box", [](CDialog& d) { d.GetSafeHwnd()->close(); }, IDCANCEL, {IDCANCEL}},
        {"Enter on another button",
         [](CDialog& d) {
             QWidget* other = d.GetDlgItem(1003)->GetSafeHwnd();
             other->setFocus();
             QTest::keyClick(other, Qt::Key_Return);
         },
         IDABORT,
         {1003}},
    };
    for (const Case& c : cases) {
        ProbeDialog dialog(kControlsDialog);
        EXPECT_EQ(RunModal(dialog, [&] { c.act(dialog); }), c.result) << c.name;
        EXPECT_EQ(dialog.commands, c.commands) << c.name;
        EXPECT_EQ(dialog.GetSafeHwnd(), nullptr) << c.name;
    }
}

TEST(CDialog, SystemCommandsReachTheDefaultHandling) {
    ProbeDialog dialog(kStripDialog);
    const INT_PTR result = RunModal(dialog, [&] {
        dialog.SendMessage(WM_SYSCOMMAND, 0x0020);  // nothing answers to it
        EXPECT_FALSE(dialog.IsIconic());
        dialog.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
        EXPECT_TRUE(dialog.IsIconic());
        dialog.SendMessage(WM_SYSCOMMAND, SC_RESTORE);
        EXPECT_FALSE(dialog.IsIconic());
        dialog.SendMessage(WM_SYSCOMMAND, SC_CLOSE);
    });
    EXPECT_EQ(result, IDCANCEL);
}

TEST(CDialog, DataExchangeBindsAControlObjectForTheRun) {
    BindingDialog dialog;
    RunModal(dialog, [&] {
        ASSERT_NE(dialog.probe.GetSafeHwnd(), nullptr);
        EXPECT_EQ(dialog.GetDlgItem(1003), &dialog.probe);
        EXPECT_EQ(SendMessage(dialog.probe.GetSafeHwnd(), WM_USER), 42);
        EXPECT_EQ(dialog.probe.messages, std::vector<UINT>{WM_USER});
    });
    EXPECT_EQ(dialog.probe.GetSafeHwnd(), nullptr);
    EXPECT_EQ(dialog.probe.SendMessage(WM_USER), 0);  // no window, no answer
}

TEST(CDialog, PlacedDuringSetUpItStaysElseItIsCentred) {
    ProbeDialog centred(kStripDialog);
    RunModal(centred, [&] {
        const QRect frame = centred.GetSafeHwnd()->frameGeometry();
        // Centred before the window had its frame: off by the frame's width at most.
        const QPoint offset = frame.center() - ScreenArea().center();
        EXPECT_LE(std::abs(offset.x()), 4);
        EXPECT_LE(std::abs(offset.y()), 4);
    });
    ProbeDialog placed(kStripDialog);
    placed.placeAt = QPoint(-30, 40);
    RunModal(placed, [&] {
        CRect rect;
        placed.GetWindowRect(&rect);
        EXPECT_EQ(QPoint(rect.left, rect.top), QPoint(-30, 40));
        // Placing it during set-up is not a move of the window.
        EXPECT_TRUE(placed.moves.empty());
        placed.MoveWindow(100, 120, rect.Width(), rect.Height());
        ASSERT_TRUE(WaitFor([&] { return !placed.moves.empty(); }));
        placed.GetWindowRect(&rect);
        EXPECT_EQ(QPoint(rect.left, rect.top), QPoint(100, 120));
    });
}

TEST(CDialog, TimersTickAsMessages) {
    ProbeDialog dialog(kStripDialog);
    RunModal(dialog, [&] {
        EXPECT_EQ(dialog.SetTimer(7, 5), 7u);
        EXPECT_TRUE(WaitFor([&] { return dialog.timers.size() >= 2; }));
        EXPECT_TRUE(dialog.KillTimer(7));
        EXPECT_FALSE(dialog.KillTimer(7));
        for (UINT_PTR id : dialog.timers) {
            EXPECT_EQ(id, 7u);
        }
    });
}

}  // namespace
