#include "platform/clock/CivilTime.h"

#include <chrono>

namespace platform {

using namespace std::chrono;

SYSTEMTIME ToSystemTime(std::int64_t msecs) {
    const sys_time<milliseconds> instant{milliseconds{msecs}};
    const sys_days day = floor<days>(instant);
    const year_month_day date{day};
    const hh_mm_ss time{instant - day};
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(static_cast<int>(date.year()));
    st.wMonth = static_cast<WORD>(static_cast<unsigned>(date.month()));
    st.wDayOfWeek = static_cast<WORD>(weekday{day}.c_encoding());
    st.wDay = static_cast<WORD>(static_cast<unsigned>(date.day()));
    st.wHour = static_cast<WORD>(time.hours().count());
    st.wMinute = static_cast<WORD>(time.minutes().count());
    st.wSecond = static_cast<WORD>(time.seconds().count());
    st.wMilliseconds = static_cast<WORD>(time.subseconds().count());
    return st;
}

std::int64_t YearStartMsecs(int y) {
    const sys_days day{year{y} / January / 1};
    return duration_cast<milliseconds>(day.time_since_epoch()).count();
}

}  // namespace platform
