// Text that leaves the program: error lines, JSON strings and iCalendar lines.
#include <gtest/gtest.h>

#include <string>

#include "cli/ICalendar.h"
#include "cli/Text.h"

namespace {

TEST(Printable, EscapesWhatWouldBreakTheLineOrSteerTheTerminal) {
    const std::pair<std::string, std::string> cases[] = {
        {"plain text, Europe/Berlin", "plain text, Europe/Berlin"},
        {"x\ny", "x\\ny"},
        {"a\r\tb", "a\\r\\tb"},
        {"\x1b[31mred\x1b[0m", "\\x1B[31mred\\x1B[0m"},
        {"bell\a back\b del\x7f", "bell\\x07 back\\x08 del\\x7F"},
        {std::string("nul\0end", 7), "nul\\x00end"},
        {"back\\slash", "back\\\\slash"},
        // Printable UTF-8 stays; C1 controls (CSI U+009B) and line separators do not.
        {"Zürich \u263E", "Zürich \u263E"},
        {"\xC2\x9B"
         "31m",
         "\\xC2\\x9B31m"},
        {"\xE2\x80\xA8", "\\xE2\\x80\\xA8"},
        // Bytes that are not UTF-8: stray, overlong, a surrogate, past U+10FFFF, cut short.
        {"\xFF\xFE", "\\xFF\\xFE"},
        {"\xC0\xAF", "\\xC0\\xAF"},
        {"\xED\xA0\x80", "\\xED\\xA0\\x80"},
        {"\xF4\x90\x80\x80", "\\xF4\\x90\\x80\\x80"},
        {"\xE2\x82", "\\xE2\\x82"},
    };
    for (const auto& [text, printable] : cases) {
        EXPECT_EQ(cli::Printable(text), printable) << printable;
    }
}

TEST(JsonString, StaysValidUtf8AndEscapesWhatJsonMust) {
    const std::pair<std::string, std::string> cases[] = {
        {"Europe/Berlin", "\"Europe/Berlin\""},     {"say \"hi\" \\", "\"say \\\"hi\\\" \\\\\""},
        {"a\nb\x1f", "\"a\\u000ab\\u001f\""},       {"Z\xFF\xFEone", "\"Z\uFFFD\uFFFDone\""},
        {"\xED\xA0\x80", "\"\uFFFD\uFFFD\uFFFD\""}, {"\xE2\x82", "\"\uFFFD\uFFFD\""},
        {"caf\xC3\xA9", "\"caf\xC3\xA9\""},
    };
    for (const auto& [text, json] : cases) {
        EXPECT_EQ(cli::JsonString(text), json);
    }
}

TEST(FoldLine, KeepsEachLineWithin75OctetsAndNeverSplitsACharacter) {
    const struct {
        std::string line;
        std::size_t lines;
    } cases[] = {
        {"SUMMARY:Full Moon", 1},
        {std::string(75, 'x'), 1},
        {std::string(76, 'x'), 2},
        {std::string(75 + 74, 'x'), 2},
        {std::string(75 + 74 + 1, 'x'), 3},
        {"DESCRIPTION:" + std::string(62, 'a') + "\u00E9\u00E9\u00E9", 2},  // é at the cut
        {"DESCRIPTION:" + std::string(61, 'a') + "\u263E\u263E", 2},        // ☾ at the cut
        {std::string(300, '\x80'), 5},                                      // not UTF-8
    };
    for (const auto& c : cases) {
        const std::string folded = cli::FoldLine(c.line);
        ASSERT_GE(folded.size(), 2u);
        EXPECT_EQ(folded.substr(folded.size() - 2), "\r\n");
        std::string unfolded;
        std::size_t lines = 0;
        for (std::size_t at = 0; at < folded.size(); ++lines) {
            const std::size_t end = folded.find("\r\n", at);
            ASSERT_NE(end, std::string::npos);
            const std::string line = folded.substr(at, end - at);
            EXPECT_LE(line.size(), 75u) << line;
            if (lines > 0) {
                ASSERT_EQ(line[0], ' ');
                // A continuation never starts inside a character.
                EXPECT_TRUE(line.size() < 2 ||
                            (static_cast<unsigned char>(line[1]) & 0xC0) != 0x80 ||
                            c.line[0] == '\x80');
            }
            unfolded += lines > 0 ? line.substr(1) : line;
            at = end + 2;
        }
        EXPECT_EQ(lines, c.lines) << c.line;
        EXPECT_EQ(unfolded, c.line);
    }
}

TEST(TextValue, EscapesTheSeparatorsAndDropsControlCharacters) {
    EXPECT_EQ(cli::TextValue("a,b;c\\d\ne\tf"), "a\\,b\\;c\\\\d\\ne\tf");
    EXPECT_EQ(cli::TextValue("x\x1b\r\x7fy"), "x\uFFFD\uFFFD\uFFFDy");
    EXPECT_EQ(cli::TextValue("Z\xFFone"), "Z\uFFFDone");
    EXPECT_EQ(cli::PhaseUid(1359, 2), "lunation1359-full-moon@tidewell");
    EXPECT_EQ(cli::PhaseUid(-3700, 1), "lunation-3700-first-quarter@tidewell");
}

}  // namespace
