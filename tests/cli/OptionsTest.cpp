// Reading the --at instant.
#include <gtest/gtest.h>

#include <chrono>

#include "cli/Instant.h"

namespace {

using namespace std::chrono;

TEST(ParseInstant, AcceptsUtcAndOffsetsAndGivesTheSameInstant) {
    const sys_seconds expected = sys_days{2009y / 10 / 20} + 12h;
    for (const char* text :
         {"2009-10-20T12:00:00Z", "2009-10-20t12:00:00z", "2009-10-20T14:00:00+02:00",
          "2009-10-20T06:30:00-05:30", "2009-10-21T00:00:00+12:00"}) {
        std::string problem;
        const auto instant = cli::ParseInstant(text, &problem);
        ASSERT_TRUE(instant) << text << ": " << problem;
        EXPECT_EQ(*instant, expected) << text;
        EXPECT_EQ(cli::FormatInstant(*instant), "2009-10-20T12:00:00Z");
    }
}

TEST(ParseInstant, NamesWhatIsWrong) {
    const std::pair<const char*, const char*> cases[] = {
        {"garbage", "expected"},
        {"2009-10-20T12:00:00", "expected"},  // no offset: ambiguous
        {"2009-10-20 12:00:00Z", "expected"},
        {"2009-10-20T12:00:00Z ", "expected"},
        {"2009-02-30T00:00:00Z", "no such date"},
        {"2009-13-01T00:00:00Z", "no such date"},
        {"2009-10-20T12:60:00Z", "no such time"},
        {"2009-10-20T12:00:00+24:00", "no such offset"},
        {"1699-12-31T23:59:59Z", "year must lie between 1700 and 2200"},
        {"2201-01-01T00:00:00Z", "year must lie between 1700 and 2200"},
    };
    for (const auto& [text, problem] : cases) {
        std::string actual;
        EXPECT_FALSE(cli::ParseInstant(text, &actual)) << text;
        EXPECT_NE(actual.find(problem), std::string::npos) << text << " gave: " << actual;
    }
    std::string problem;
    EXPECT_TRUE(cli::ParseInstant("2008-02-29T23:59:59Z", &problem)) << problem;
}

}  // namespace
