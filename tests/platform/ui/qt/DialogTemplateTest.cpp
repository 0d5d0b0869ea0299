// Dialog templates: dialog units to pixels, styles, and the templates refused. What a good
// template builds is seen in the dialogs of both programs, in their own tests.
#include <gtest/gtest.h>

#include <QString>
#include <optional>

#include "platform/ui/Messages.h"
#include "platform/ui/qt/DialogTemplate.h"

namespace platform::qt {

namespace {

TEST(DialogUnits, ConvertWithTheTemplateFontsBaseUnitsRoundingHalfAwayFromZero) {
    // x * 6 / 4 and y * 13 / 8.
    const int cases[][3] = {{338, 507, 549}, {105, 158, 171}, {1, 2, 2}, {4, 6, 7}, {-3, -5, -5}};
    for (const auto& [units, x, y] : cases) {
        EXPECT_EQ(DialogUnitsToPixelsX(units), x) << units;
        EXPECT_EQ(DialogUnitsToPixelsY(units), y) << units;
    }
    EXPECT_EQ(DialogUnitsToPixels(QRect(178, 7, 50, 14)), QRect(267, 11, 75, 23));
}

// The style of a template whose dialog and one control both have this style text; none when
// the template is refused.
std::optional<DWORD> ParseStyle(const char* style) {
    const QString json =
        QStringLiteral(R"({"width": 10, "height": 10, "style": "%1", "controls": [)"
                       R"({"class": "static", "rect": [0, 0, 1, 1], "style": "%1"}]})")
            .arg(QLatin1String(style));
    const std::optional<DialogTemplate> parsed = DialogTemplate::Parse(json.toUtf8());
    if (!parsed) {
        return std::nullopt;
    }
    EXPECT_EQ(parsed->controls.at(0).style, parsed->style) << style;
    return parsed->style;
}

TEST(DialogTemplate, StylesAreNamesAndNumbersJoinedByBars) {
    EXPECT_EQ(ParseStyle("WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON"), 0x50010001u);
    EXPECT_EQ(ParseStyle("0x90C800C0"), 0x90C800C0u);
    EXPECT_EQ(ParseStyle(" SS_ICON|0x80 "), SS_ICON | SS_NOPREFIX);
    EXPECT_FALSE(ParseStyle("WS_CHILD | WS_SPARKLE"));
    EXPECT_FALSE(ParseStyle("12abc"));
}

TEST(DialogTemplate, RefusesWhatItCannotBuild) {
    const char* broken[] = {
        "[1, 2]",
        R"({"width": 10})",
        R"({"width": 10, "height": 10, "style": 5})",
        R"({"width": 10, "height": 10, "controls": [{"class": "button", "rect": [1, 2, 3]}]})",
        R"({"width": 10, "height": 10, "controls": [{"rect": [1, 2, 3, 4]}]})",
    };
    for (const char* json : broken) {
        EXPECT_FALSE(DialogTemplate::Parse(json)) << json;
    }
    EXPECT_FALSE(DialogTemplate::Load(902));    // a style it does not know
    EXPECT_FALSE(DialogTemplate::Load(12345));  // no such template
    EXPECT_FALSE(ResourceNumber("129"));
    EXPECT_FALSE(ResourceNumber("#12x"));
}

}  // namespace

}  // namespace platform::qt
