// Dialogs from templates: failed creation, controls as their templates say, the ways a run
// ends (a dialog run over another among them), and controls bound to objects of the dialog. Size,
// placement, timers and system commands are held to account by the phase window's tests, which run
// dialog 102 itself.
#include <gtest/gtest.h>

#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <functional>
#include <vector>

#include "platform/ui/Dialog.h"
#include "tests/platform/ui/support/ModalRun.h"

namespace {

constexpr UINT kControlsDialog = 900;

// Records the commands it receives.
class ProbeDialog : public CDialog {
public:
    ProbeDialog() : CDialog(kControlsDialog) {}
    std::vector<int> commands;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        commands.push_back(LOWORD(wParam));
        return CDialog::OnCommand(wParam, lParam);
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

// Gives its window an icon while the dialog is set up, as programs do, and notes whether the
// window carried it at once.
class IconDialog : public CDialog {
public:
    explicit IconDialog(const QIcon& icon) : CDialog(kControlsDialog), icon_(icon) {}
    bool iconAtOnce = true;

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(&icon_));
        iconAtOnce = !GetSafeHwnd()->windowIcon().isNull();
        return TRUE;
    }

private:
    const QIcon& icon_;
};

TEST(CDialog, AnIconGivenBeforeTheFirstPaintFollowsIt) {
    QPixmap red(16, 16);
    red.fill(Qt::red);
    const QIcon first(red);
    QPixmap blue(32, 32);
    blue.fill(Qt::blue);
    const QIcon second(blue);
    IconDialog dialog(first);
    RunModal(dialog, [&] {
        HWND window = dialog.GetSafeHwnd();
        ASSERT_TRUE(WaitFor([&] { return !window->windowIcon().isNull(); }));
        EXPECT_EQ(window->windowIcon().availableSizes(), first.availableSizes());
        // Once the window has painted, an icon goes to it at once.
        dialog.SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(&second));
        EXPECT_EQ(window->windowIcon().availableSizes(), second.availableSizes());
    });
    EXPECT_FALSE(dialog.iconAtOnce);
}

TEST(CDialog, DoModalWithoutItsTemplateGivesMinusOne) {
    CDialog missing(12345);
    EXPECT_EQ(missing.DoModal(), -1);
    CDialog malformed(902);
    EXPECT_EQ(malformed.DoModal(), -1);
}

TEST(CDialog, ControlsFollowTheirTemplates) {
    ProbeDialog dialog;
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
        ProbeDialog dialog;
        EXPECT_EQ(RunModal(dialog, [&] { c.act(dialog); }), c.result) << c.name;
        EXPECT_EQ(dialog.commands, c.commands) << c.name;
        EXPECT_EQ(dialog.GetSafeHwnd(), nullptr) << c.name;
    }
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

// A dialog run over another (an About box from a handler of the window) takes the input
// from it, and ends with it: the outer run cannot end while the inner one goes on.
TEST(CDialog, ADialogRunOverAnotherDisablesItAndEndsWithIt) {
    CDialog outer(kControlsDialog);
    BOOL outerBefore = FALSE;
    BOOL outerDuring = TRUE;
    BOOL innerDuring = FALSE;
    INT_PTR innerResult = 0;
    const INT_PTR outerResult = RunModal(outer, [&] {
        outerBefore = outer.IsWindowEnabled();
        CDialog inner(kControlsDialog);
        innerResult = RunModal(inner, [&] {
            outerDuring = outer.IsWindowEnabled();
            innerDuring = inner.IsWindowEnabled();
            outer.EndDialog(IDOK);
        });
    });
    EXPECT_TRUE(outerBefore);
    EXPECT_FALSE(outerDuring);
    EXPECT_TRUE(innerDuring);
    EXPECT_EQ(innerResult, IDCANCEL);
    EXPECT_EQ(outerResult, IDOK);
    EXPECT_FALSE(outer.IsWindowEnabled());  // no window any more
}

}  // namespace
