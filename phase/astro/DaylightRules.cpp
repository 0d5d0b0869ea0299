#include "phase/astro/DaylightRules.h"

namespace {

// February has 28 days here; the leap day is added where it counts.
constexpr int32_t kDaysPerMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

bool IsLeapYear(int32_t year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

// Days of the year before the 1st of month (1-12).
int32_t DaysBefore(int32_t month, bool leap) {
    int32_t days = 0;
    for (int32_t m = 1; m < month; ++m) {
        days += kDaysPerMonth[m - 1];
    }
    if (leap && month > 2) {
        days += 1;
    }
    return days;
}

// The ordinary remainder 0 to 6, also for a weekday outside 0 to 6 in a rule.
int32_t Mod7(int32_t value) {
    return ((value % 7) + 7) % 7;
}

}  // namespace

TransitionPoint TransitionPointOf(const SYSTEMTIME& rule) {
    const int32_t day =
        rule.wYear == 0 ? TransitionDayOfMonth(rule) : static_cast<int32_t>(rule.wDay);
    return TransitionPoint{rule.wMonth, day, rule.wHour};
}

int32_t TransitionDayOfMonth(const SYSTEMTIME& rule) {
    // A rule that names no month or no occurrence belongs to a zone without daylight saving,
    // whose transition is never used; give the 1st rather than read past the month table.
    if (rule.wMonth < 1 || rule.wMonth > 12 || rule.wDay == 0) {
        return 1;
    }

    SYSTEMTIME now;
    GetSystemTime(&now);
    const int32_t year = now.wYear;
    const bool leap = IsLeapYear(year);

    // Weekday of 1 January, then of the 1st of the rule's month.
    const int32_t dayOfYear = DaysBefore(now.wMonth, leap) + now.wDay;
    const int32_t jan1 = (now.wDayOfWeek - (dayOfYear % 7) + 8) % 7;
    const int32_t first = (DaysBefore(rule.wMonth, leap) + jan1) % 7;

    if (rule.wDay <= 4) {
        return Mod7(rule.wDayOfWeek - first + 7) + 7 * rule.wDay - 6;
    }
    // wDay 5 or more: the last occurrence in the month.
    int32_t length = kDaysPerMonth[rule.wMonth - 1];
    if (leap && rule.wMonth == 2) {
        length += 1;
    }
    const int32_t lastWeekday = (length + first - 1) % 7;
    return length - Mod7(lastWeekday - rule.wDayOfWeek + 7);
}

bool InDaylightPeriod(int32_t month, int32_t day, int32_t hour, const TransitionPoint& standard,
                      const TransitionPoint& daylight) {
    const bool startReached =
        month > daylight.month ||
        (month == daylight.month &&
         (day > daylight.day || (day == daylight.day && hour >= daylight.hour)));
    const bool endNotReached =
        month < standard.month ||
        (month == standard.month &&
         (day < standard.day || (day == standard.day && hour < standard.hour)));

    if (standard.month < daylight.month) {
        // The period spans the turn of the year, as in the southern hemisphere.
        return startReached || endNotReached;
    }
    // The period lies within the year, as in the northern hemisphere.
    return (month == daylight.month && startReached) || (month > daylight.month && endNotReached);
}
