// Dialog templates: dialog units to pixels, styles, and what a template holds or lacks.
#include <gtest/gtest.h>

#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Messages.h"

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

TEST(DialogTemplate, StylesAreNamesAndNumbersJoinedByBars) {
    EXPECT_EQ(ParseStyle("WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON"), 0x50010001u);
    EXPECT_EQ(ParseStyle("0x90C800C0"), 0x90C800C0u);
    EXPECT_EQ(ParseStyle(" SS_ICON|0x80 "), SS_ICON | SS_NOPREFIX);
    EXPECT_FALSE(ParseStyle("WS_CHILD | WS_SPARKLE"));
    EXPECT_FALSE(ParseStyle("12abc"));
}

TEST(DialogTemplate, ReadsSizeCaptionStylesAndControlsInOrder) {
    const auto parsed = DialogTemplate::Parse(R"({
        "caption": "About", "width": 235, "height": 55,
        "style": "WS_POPUP | WS_CAPTION", "exStyle": "WS_EX_APPWINDOW",
        "font": {"face": "MS Sans Serif", "pointSize": 8},
        "controls": [
          {"id": 1, "class": "Button", "text": "OK", "rect": [178, 7, 50, 14], "style": "WS_CHILD"},
          {"class": "static", "text": "#128", "rect": [11, 17, 20, 20], "style": "SS_ICON"}
        ]})");
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->caption, "About");
    EXPECT_EQ(parsed->size, QSize(235, 55));
    EXPECT_EQ(parsed->style, WS_POPUP | WS_CAPTION);
    EXPECT_EQ(parsed->exStyle, WS_EX_APPWINDOW);
    EXPECT_EQ(parsed->pointSize, 8);
    ASSERT_EQ(parsed->controls.size(), 2u);
    EXPECT_EQ(parsed->controls[0].className, "button");
    EXPECT_EQ(parsed->controls[0].rect, QRect(178, 7, 50, 14));
    EXPECT_EQ(parsed->controls[1].id, -1);
    EXPECT_EQ(ResourceNumber(parsed->controls[1].text), 128u);
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
