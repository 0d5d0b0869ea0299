#include "about/ArgumentSlots.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Case {
    const char* label;
    std::string text;
    std::size_t size;
    std::string expected;
};

}  // namespace

TEST(CopyBounded, CutsOnlyAtCharacterBoundaries) {
    const std::string e = "\xC3\xA9";             // é, two bytes
    const std::string moon = "\xF0\x9F\x8C\x95";  // four bytes
    const Case cases[] = {
        {"fits", "Hello", 8, "Hello"},
        {"exactly fills", "1234567", 8, "1234567"},
        {"one byte over", "12345678", 8, "1234567"},
        {"empty", "", 1, ""},
        {"two-byte character kept whole", "123456" + e, 9, "123456" + e},
        {"two-byte character would be split", "123456" + e, 8, "123456"},
        {"four-byte character would be split", "12" + moon + "x", 6, "12"},
        {"four-byte character just fits", "12" + moon + "x", 7, "12" + moon},
        {"only continuation bytes fit", moon, 3, ""},
        {"a full argument slot", std::string(250, 'a'), kArgumentSlotSize, std::string(199, 'a')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        std::string buffer(c.size + 4, '#');  // the guard bytes must stay untouched
        CopyBounded(buffer.data(), c.size, c.text.c_str());
        EXPECT_EQ(std::string(buffer.c_str()), c.expected);
        EXPECT_EQ(buffer.substr(c.size), "####");
    }
}
