// Reading the command line: the instants and dates of --at, --from and --to, and which options
// go together.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "cli/Instant.h"
#include "cli/Options.h"

namespace {

using namespace std::chrono;
using Form = cli::Moment::Form;

TEST(ParseMoment, ReadsInstantsLocalTimesAndDates) {
    const sys_seconds noon = sys_days{2009y / 10 / 20} + 12h;
    const local_seconds wall = local_days{2009y / 10 / 20} + 14h;
    const struct {
        const char* text;
        Form form;
        sys_seconds instant;
        local_seconds local;
    } cases[] = {
        {"2009-10-20T12:00:00Z", Form::kInstant, noon, {}},
        {"2009-10-20t12:00:00z", Form::kInstant, noon, {}},
        {"2009-10-20T14:00:00+02:00", Form::kInstant, noon, {}},
        {"2009-10-20T14:00+0200", Form::kInstant, noon, {}},
        {"2009-10-20T06:30-05:30", Form::kInstant, noon, {}},
        {"2009-10-21T00:00:00+12:00", Form::kInstant, noon, {}},
        {"2009-10-20T14:00", Form::kLocalTime, {}, wall},
        {"2009-10-20T14:00:00", Form::kLocalTime, {}, wall},
        {"2009-10-20T14:00:59", Form::kLocalTime, {}, wall + 59s},
        {"2009-10-20", Form::kDate, {}, local_days{2009y / 10 / 20}},
        {"1600-01-01", Form::kDate, {}, local_days{1600y / 1 / 1}},
        {"9999-12-31T23:59:59Z", Form::kInstant, sys_days{10000y / 1 / 1} - 1s, {}},
        // The year is the one written, whatever the offset makes of it.
        {"1600-01-01T00:00+05:00", Form::kInstant, sys_days{1599y / 12 / 31} + 19h, {}},
    };
    for (const auto& c : cases) {
        std::string problem;
        const auto moment = cli::ParseMoment(c.text, &problem);
        ASSERT_TRUE(moment) << c.text << ": " << problem;
        EXPECT_EQ(moment->form, c.form) << c.text;
        if (c.form == Form::kInstant) {
            EXPECT_EQ(moment->instant, c.instant) << c.text;
        } else {
            EXPECT_EQ(moment->local, c.local) << c.text;
        }
    }
    char text[32];
    cli::FormatInstant(noon, text);
    EXPECT_STREQ(text, "2009-10-20T12:00:00Z");
}

TEST(ParseMoment, NamesWhatIsWrong) {
    const std::pair<const char*, const char*> cases[] = {
        {"garbage", "expected YYYY-MM-DD"},
        {"", "expected"},
        {"2009-10-2", "expected"},
        {"20091020", "expected"},
        {"2009-10-20T", "expected"},
        {"2009-10-20T12", "expected"},
        {"2009-10-20T12:0", "expected"},
        {"2009-10-20T12:00:0", "expected"},
        {"2009-10-20 12:00:00Z", "expected"},
        {"2009-10-20T12:00:00Z ", "expected"},
        {"2009-10-20T12:00:00.5Z", "expected"},
        {"2009-10-20T12:00+2", "expected"},
        {"2009-10-20x", "expected"},
        {"+2009-10-20", "expected"},
        {"2009-02-30T00:00:00Z", "no such date"},
        {"2009-13-01", "no such date"},
        {"2009-00-10", "no such date"},
        {"2100-02-29", "no such date"},
        {"2009-10-20T24:00", "no such time"},
        {"2009-10-20T12:60:00Z", "no such time"},
        {"2009-10-20T12:00:60", "no such time"},
        {"2009-10-20T12:00:00+24:00", "no such offset"},
        {"2009-10-20T12:00-01:60", "no such offset"},
        {"1599-12-31T23:59:59Z", "year must lie between 1600 and 9999"},
        {"1599-12-31", "year must lie between 1600 and 9999"},
        {"0000-01-01", "year must lie between 1600 and 9999"},
    };
    for (const auto& [text, problem] : cases) {
        std::string actual;
        EXPECT_FALSE(cli::ParseMoment(text, &actual)) << text;
        EXPECT_NE(actual.find(problem), std::string::npos) << text << " gave: " << actual;
    }
    std::string problem;
    EXPECT_TRUE(cli::ParseMoment("2008-02-29T23:59:59Z", &problem)) << problem;
    EXPECT_TRUE(cli::ParseMoment("2000-02-29", &problem)) << problem;
}

TEST(ParseOptions, ReadsEachOptionInBothForms) {
    std::string error;
    const auto options =
        cli::ParseOptions({"--count=25", "--zone", "Asia/Kolkata", "--json"}, &error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->count, 25);
    EXPECT_EQ(options->zone, "Asia/Kolkata");
    EXPECT_TRUE(options->json);

    const auto range =
        cli::ParseOptions({"--from", "2027-01-01", "--to=2027-12-31T18:00", "--ics"}, &error);
    ASSERT_TRUE(range) << error;
    EXPECT_EQ(range->from->text, "2027-01-01");
    EXPECT_EQ(range->from->moment.form, Form::kDate);
    EXPECT_EQ(range->to->moment.form, Form::kLocalTime);
    EXPECT_TRUE(range->ics);

    for (const char* count : {"1", "10000", "007"}) {
        EXPECT_TRUE(cli::ParseOptions({"--count", count}, &error)) << count << ": " << error;
    }
    // --help goes before options that do not go together.
    EXPECT_TRUE(cli::ParseOptions({"--next", "--count", "3", "--help"}, &error)) << error;
}

TEST(ParseOptions, RefusesValuesAndCombinationsThatMakeNoSense) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--count", "0"}, "invalid count '0': expected a whole number from 1 to 10000"},
        {{"--count", "10001"}, "invalid count '10001'"},
        {{"--count", "99999999999999999999"}, "invalid count"},
        {{"--count", "-5"}, "invalid count '-5'"},
        {{"--count", "+5"}, "invalid count"},
        {{"--count", "5x"}, "invalid count"},
        {{"--count", " 5"}, "invalid count"},
        {{"--count"}, "option --count needs a value"},
        {{"--count", "--json"}, "option --count needs a value"},
        {{"--from", "2027-13-01", "--to", "2027-12-31"},
         "invalid date '2027-13-01' for --from: no such date"},
        {{"--from", "2027-01-01", "--to", "soon"}, "invalid date 'soon' for --to: expected"},
        {{"--to="}, "option --to needs a value"},
        {{"--from", "2027-01-01"}, "option --from needs --to"},
        {{"--to", "2027-01-01"}, "option --to needs --from"},
        {{"--next", "--count", "3"}, "options --next and --count cannot go together"},
        {{"--shown", "--next"}, "options --shown and --next cannot go together"},
        {{"--shown", "--count", "2"}, "options --shown and --count cannot go together"},
        {{"--shown", "--from", "2027-01-01", "--to", "2027-01-02"},
         "options --shown and --from cannot go together"},
        {{"--next", "--from", "2027-01-01", "--to", "2027-01-02"},
         "options --next and --from cannot go together"},
        {{"--count", "4", "--from", "2027-01-01", "--to", "2027-01-02"},
         "options --count and --from cannot go together"},
        {{"--json", "--ics"}, "options --json and --ics cannot go together"},
        {{"--next=1"}, "option --next takes no value"},
        {{"--ics=yes"}, "option --ics takes no value"},
        {{"-n"}, "unknown option -n"},
        {{"-"}, "unexpected argument '-'"},
    };
    for (const auto& [arguments, message] : cases) {
        std::string error;
        EXPECT_FALSE(cli::ParseOptions(arguments, &error)) << arguments[0];
        EXPECT_EQ(error.rfind(message, 0), 0u) << arguments[0] << " gave: " << error;
    }
}

}  // namespace
