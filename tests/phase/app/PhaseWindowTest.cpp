#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "phase/app/PhaseApp.h"
#include "phase/app/PhaseCommandLineInfo.h"
#include "phase/app/PhaseDlg.h"
#include "platform/ui/Resources.h"
#include "platform/ui/UiTestAccess.h"
#include "platform/ui/qt/FontFit.h"
#include "tests/phase/TestClock.h"
#include "tests/platform/ui/support/ModalRun.h"

namespace {

constexpr QSize kClientSize(507, 171);
const char* const kLabels[4] = {"New Moon", "First Quarter", "Full Moon", "Last Quarter"};
const unsigned kNorth[4] = {129, 131, 132, 133};
const unsigned kSouth[4] = {135, 136, 137, 138};

// Bitmap resource id as loaded by the window.
QImage Picture(unsigned id) {
    return QImage(QStringLiteral(":/res/bitmap/%1.bmp").arg(id))
        .convertToFormat(QImage::Format_RGB32);
}

// The part of the picture above the first line of text, which covers its last rows.
QImage PictureTop(unsigned id) {
    return Picture(id).copy(0, 0, 120, 117);
}

// A black client area of the phase window.
QImage BlackStrip() {
    QImage image(kClientSize, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

// One cell of the strip: phase kind 0-3 and the two text lines.
struct Cell {
    int kind;
    QString date;
    QString time;
};

// The window's client area showing the four cells, drawn independently of the window's code;
// the pictures are the southern ones when south is set.
QImage ExpectedStrip(const std::array<Cell, 4>& cells, bool south) {
    QImage image = BlackStrip();
    QPainter painter(&image);
    const QFont font = platform::qt::SurfaceFont();
    const QFontMetrics metrics(font);
    painter.setFont(font);
    painter.setPen(QColor(204, 204, 0));
    // Opaque text: each line fills its own cell first.
    auto line = [&](int x, int y, const QString& text) {
        painter.fillRect(x, y, metrics.horizontalAdvance(text), metrics.height(), Qt::black);
        painter.drawText(x, y + metrics.ascent(), text);
    };
    for (int c = 0; c < 4; ++c) {
        const Cell& cell = cells[static_cast<std::size_t>(c)];
        painter.drawImage(130 * c, 0, Picture((south ? kSouth : kNorth)[cell.kind]));
        const int x = 25 + 130 * c;
        line(x, 117, QString::fromLatin1(kLabels[cell.kind]));
        line(x, 133, cell.date);
        line(x, 149, cell.time);
    }
    return image;
}

// Each window builds its table at 2024-02-10 12:00 UT in Europe/Berlin (winter time, UT + 1):
//   0 New Moon Feb 10 0:00      1 First Quarter Feb 16 16:02   2 Full Moon Feb 24 13:31
//   3 Last Quarter Mar 3 16:25  4 New Moon Mar 10 10:02        5 First Quarter Mar 17 5:11
//   6 Full Moon Mar 25 8:01     7 Last Quarter Apr 2 5:15      8 New Moon Apr 8 20:23 (1.0)
class PhaseWindow : public ::testing::Test {
protected:
    void SetUp() override { SetUtc(2024, 2, 10, 12); }
};

const std::array<Cell, 4> kFromRow0 = {
    {{0, "Feb 10", "0:00"}, {1, "Feb 16", "16:02"}, {2, "Feb 24", "13:31"}, {3, "Mar 3", "16:25"}}};
const std::array<Cell, 4> kFromRow5 = {
    {{1, "Mar 17", "5:11"}, {2, "Mar 25", "8:01"}, {3, "Apr 2", "5:15"}, {0, "Apr 8", "20:23"}}};

// Counts the paints of a window other than those of taking its picture.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool grabbing = false;

    QImage Take(HWND window) {
        grabbing = true;
        QImage shot = Grab(window);
        grabbing = false;
        return shot;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        paints += event->type() == QEvent::Paint && !grabbing ? 1 : 0;
        return QObject::eventFilter(watched, event);
    }
};

// Pictures, labels, dates and times in yellow on black where they belong, pixel for pixel.
TEST_F(PhaseWindow, StripStartsAtTheFirstRowNotBeforeToday) {
    const struct {
        const char* name;
        int month, day, hour;  // UT of the paint; the table stays the one built at set-up
        bool south;
        const std::array<Cell, 4>* cells;  // none: black
    } cases[] = {
        // 23:00 local: the new moon at 0:00 the same day still counts.
        {"row 0", 2, 10, 22, false, &kFromRow0},
        {"row 5", 3, 17, 12, false, &kFromRow5},
        {"row 5 south", 3, 17, 12, true, &kFromRow5},
        {"row 6", 3, 18, 12, false, nullptr},
    };
    for (const auto& c : cases) {
        SetUp();
        CPhaseDlg dialog;
        if (c.south) dialog.SetSouth();
        RunModal(dialog, [&] {
            SetUtc(2024, c.month, c.day, c.hour);
            const QImage expected = c.cells ? ExpectedStrip(*c.cells, c.south) : BlackStrip();
            EXPECT_EQ(Grab(dialog.GetSafeHwnd()), expected) << c.name;
        });
    }
}

TEST_F(PhaseWindow, MinimisedItShowsTheIconCentred) {
    CPhaseDlg dialog;
    RunModal(dialog, [&] {
        dialog.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
        ASSERT_TRUE(dialog.IsIconic());
        const QImage shot = Grab(dialog.GetSafeHwnd());
        EXPECT_NE(shot.pixel(0, 0), qRgb(0, 0, 0));  // no strip behind it
        QImage expected(shot.size(), QImage::Format_RGB32);
        expected.fill(shot.pixel(0, 0));
        QPainter painter(&expected);
        // At (507 - 32 + 1) / 2 and (171 - 32 + 1) / 2.
        painter.drawImage(238, 70, QImage(":/res/icon/128/32.bmp"));
        painter.end();
        EXPECT_EQ(shot, expected);
        // Dragged while minimised, it shows its icon.
        EXPECT_EQ(reinterpret_cast<HICON>(dialog.SendMessage(WM_QUERYDRAGICON)), LoadIcon(128));
    });
}

// Image plugins loaded into this process, as its memory map shows them.
std::string MappedImagePlugins() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    EXPECT_TRUE(maps.open(QIODevice::ReadOnly));
    std::string plugins;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const std::string name = line.mid(line.lastIndexOf('/') + 1).toStdString();
        if (line.contains("/imageformats/") && plugins.find(name) == std::string::npos) {
            plugins += name + ' ';
        }
    }
    return plugins;
}

// Qt's built-in decoders read every picture and icon: loading the image plugins (and the
// libraries behind them) would only slow the start.
TEST_F(PhaseWindow, ItsPicturesAndIconNeedNoImagePlugin) {
    CPhaseDlg dialog;
    RunModal(dialog, [&] {
        EXPECT_NE(Grab(dialog.GetSafeHwnd()), BlackStrip());
        dialog.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
        Grab(dialog.GetSafeHwnd());
    });
    EXPECT_EQ(MappedImagePlugins(), "");
}

TEST_F(PhaseWindow, ADateChangeSeenByTheTimerRebuildsAndRepaints) {
    CPhaseDlg dialog;
    RunModal(dialog, [&] {
        HWND window = dialog.GetSafeHwnd();
        // The window's first paint, for being shown, is out of the way.
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        QCoreApplication::processEvents();
        PaintCounter counter;
        window->installEventFilter(&counter);
        // Past the last whole strip of the table built at set-up: black until rebuilt.
        SetUtc(2024, 3, 18, 12);
        ASSERT_EQ(counter.Take(window), BlackStrip());
        // The first repaint shows the table rebuilt on 2024-03-18: the full moon of Mar 25
        // leads the strip.
        ASSERT_TRUE(WaitFor([&] { return counter.paints > 0; }));
        EXPECT_TRUE(ShowsAt(counter.Take(window), PictureTop(132), QPoint(0, 0)));
        window->removeEventFilter(&counter);
    });
}

TEST_F(PhaseWindow, FixedSizeWindowWithItsTitleAndIcon) {
    CPhaseDlg dialog;
    RunModal(dialog, [&] {
        HWND window = dialog.GetSafeHwnd();
        EXPECT_EQ(window->windowTitle(), "Tidewell Upcoming Phases");
        EXPECT_EQ(window->size(), QSize(507, 171));
        EXPECT_EQ(window->minimumSize(), window->maximumSize());
        EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
        EXPECT_EQ(window->windowType(), Qt::Window);  // its own task-bar entry
        // The icon goes to the window once its first paint is out.
        EXPECT_TRUE(WaitFor([&] { return !window->windowIcon().isNull(); }));
    });
}

// Runs start-up with the arguments and tells which picture the window's first cell showed: at
// 2009-10-20 12:00 UT the strip starts with a first quarter, 131 in the north, 136 in the
// south; 0 for neither.
unsigned FirstPicture(std::vector<std::string> args) {
    SetUtc(2009, 10, 20, 12);
    CPhaseApp app;
    std::vector<char*> argv{const_cast<char*>("TidewellPhase")};
    for (std::string& arg : args) argv.push_back(arg.data());
    platform::testing::UiTestAccess::SetCommandLine(app, static_cast<int>(argv.size()),
                                                    argv.data());
    unsigned shown = 0;
    QObject guard;
    QTimer::singleShot(0, &guard, [&] {
        HWND window = app.m_pMainWnd->GetSafeHwnd();
        const QImage shot = Grab(window);
        for (unsigned id : {131u, 136u}) {
            if (ShowsAt(shot, PictureTop(id), QPoint(0, 0))) shown = id;
        }
        SendMessage(window, WM_COMMAND, IDCANCEL);
    });
    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    return shown;
}

TEST(StartUp, OnlyAFirstArgumentOfExactlySouthSelectsTheSouthernPictures) {
    const struct {
        std::vector<std::string> args;
        unsigned picture;
    } cases[] = {
        {{}, 131},
        {{"south"}, 136},
        {{"-south", "x"}, 136},
        {{"/south"}, 136},
        {{"South"}, 131},
        {{"southern"}, 131},
        {{"x", "south"}, 131},
        {{"--south"}, 131},
        {{"south" + std::string(300, 's')}, 131},
        {std::vector<std::string>(25, "south"), 136},
    };
    for (const auto& c : cases) {
        const std::string shown = c.args.empty() ? "(none)" : c.args.front().substr(0, 12);
        EXPECT_EQ(FirstPicture(c.args), c.picture) << shown << " of " << c.args.size();
    }
}

TEST(StartUp, TheCollectorKeepsTwentyArgumentsOf199Characters) {
    CPhaseCommandLineInfo info;
    const std::wstring longArg(300, L'x');
    for (int i = 0; i < 25; ++i) {
        const std::wstring arg = i == 3 ? longArg : L"arg" + std::to_wstring(i);
        info.ParseParam(arg.c_str(), FALSE, i == 24);
    }
    EXPECT_EQ(info.m_nArgs, CPhaseCommandLineInfo::kArgSlots);
    EXPECT_STREQ(info.m_args[0], L"arg0");
    EXPECT_EQ(std::wstring(info.m_args[3]), longArg.substr(0, 199));
    EXPECT_STREQ(info.m_args[19], L"arg19");
}

}  // namespace
