// The command line handed to ParseParam: every argument in order, a leading - or / taken off
// and told as a flag, the last one marked; decoded for wide programs, bytes for narrow ones.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "platform/ui/CommandLineInfo.h"
#include "platform/ui/UiTestAccess.h"
#include "platform/ui/WinApp.h"

namespace {

// Text (8-bit arguments widened byte for byte), flag, last, and whether it came wide.
using Seen = std::tuple<std::wstring, bool, bool, bool>;

class Recorder : public CCommandLineInfo {
public:
    void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast) override {
        std::wstring bytes;
        for (const unsigned char c : std::string(pszParam)) {
            bytes.push_back(c);
        }
        seen.push_back({bytes, bFlag != FALSE, bLast != FALSE, false});
    }
    void ParseParam(const wchar_t* pszParam, BOOL bFlag, BOOL bLast) override {
        seen.push_back({pszParam, bFlag != FALSE, bLast != FALSE, true});
    }
    std::vector<Seen> seen;
};

class TestApp : public CWinApp {
public:
    using CWinApp::CWinApp;
    BOOL InitInstance() override { return FALSE; }
};

std::vector<Seen> Parse(platform::CommandLineChars chars, std::vector<std::string> args) {
    TestApp app(chars);
    std::vector<char*> argv{const_cast<char*>("program")};
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    platform::testing::UiTestAccess::SetCommandLine(app, static_cast<int>(argv.size()),
                                                    argv.data());
    Recorder recorder;
    app.ParseCommandLine(recorder);
    return recorder.seen;
}

TEST(ParseCommandLine, HandsOnEachArgumentInOrderWithoutItsLeadingDashOrSlash) {
    const std::vector<std::string> args = {"south", "-south", "/x", "--two", "", "a b", "-"};
    const std::vector<Seen> wide = {
        {L"south", false, false, true}, {L"south", true, false, true}, {L"x", true, false, true},
        {L"-two", true, false, true},   {L"", false, false, true},     {L"a b", false, false, true},
        {L"", true, true, true},
    };
    EXPECT_EQ(Parse(platform::CommandLineChars::Wide, args), wide);

    std::vector<Seen> narrow = wide;
    for (Seen& s : narrow) {
        std::get<3>(s) = false;
    }
    EXPECT_EQ(Parse(platform::CommandLineChars::Narrow, args), narrow);
}

TEST(ParseCommandLine, WideProgramsGetDecodedTextNarrowOnesTheBytes) {
    const std::string sharp = "\xC3\x9F";  // "ß" in UTF-8
    EXPECT_EQ(Parse(platform::CommandLineChars::Wide, {"/" + sharp}),
              (std::vector<Seen>{{L"\u00DF", true, true, true}}));
    EXPECT_EQ(Parse(platform::CommandLineChars::Narrow, {sharp}),
              (std::vector<Seen>{{L"\u00C3\u009F", false, true, false}}));
    EXPECT_TRUE(Parse(platform::CommandLineChars::Wide, {}).empty());
}

}  // namespace
