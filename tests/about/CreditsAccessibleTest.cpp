// The credits dialog as assistive technology sees it, in process: a frame with its title, a
// named picture, and the credit lines as list items named by their visible text.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <string>
#include <vector>

#include "about/CCreditsApp.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/UiTestAccess.h"
#include "tests/platform/ui/support/ModalRun.h"

namespace {

struct Heard {
    QAccessible::Role role = QAccessible::NoRole;
    QString title;
    QStringList pictures;  // names of the pictures
    QStringList lines;     // names of the list's items
};

void Walk(QAccessibleInterface* node, Heard& heard) {
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (child == nullptr) {
            continue;
        }
        if (child->role() == QAccessible::Graphic) {
            heard.pictures << child->text(QAccessible::Name);
        }
        if (child->role() == QAccessible::ListItem) {
            EXPECT_EQ(child->parent()->role(), QAccessible::List);
            heard.lines << child->text(QAccessible::Name);
        }
        Walk(child, heard);
    }
}

Heard RunProgram(std::vector<std::string> args) {
    args.insert(args.begin(), "TidewellAbout");
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    CCreditsApp app;
    platform::testing::UiTestAccess::SetCommandLine(app, static_cast<int>(argv.size()),
                                                    argv.data());
    Heard heard;
    QObject guard;
    QTimer::singleShot(0, &guard, [&] {
        if (auto* dlg = dynamic_cast<CDialog*>(app.m_pMainWnd)) {
            QAccessibleInterface* window =
                QAccessible::queryAccessibleInterface(dlg->GetSafeHwnd());
            heard.role = window->role();
            heard.title = window->text(QAccessible::Name);
            Walk(window, heard);
            dlg->EndDialog(IDOK);
        }
    });
    app.InitInstance();
    return heard;
}

TEST(CreditsAccessible, TheLinesAreListItemsNamedByTheirTextAndThePictureHasAName) {
    const struct {
        std::vector<std::string> args;
        QStringList lines;
    } cases[] = {
        {{"Ada Lovelace", "  two  words ", "\xC3\xA9t\xC3\xA9"},
         {"Ada Lovelace", "two  words", "\xC3\xA9t\xC3\xA9", ""}},
        {{}, {"", "", "", ""}},
    };
    for (const auto& c : cases) {
        const Heard heard = RunProgram(c.args);
        EXPECT_EQ(heard.role, QAccessible::Window);
        EXPECT_EQ(heard.title, "About Tidewell");
        EXPECT_EQ(heard.pictures, QStringList{"The full Moon over the sea at night"});
        EXPECT_EQ(heard.lines, c.lines);
    }
}

}  // namespace
