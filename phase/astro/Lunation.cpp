#include "phase/astro/Lunation.h"

#include <cmath>
#include <span>

#include "phase/astro/Calendar.h"

namespace {

constexpr double kRadiansPerDegree = 0.017453292519943295;
constexpr double kMeanLunationDays = 29.53058868;

// One periodic term: (base + perCentury T) sin(sun M + moon M' + latitude F), the multiple of
// each angle formed in degrees.
struct Term {
    double base;
    double perCentury;
    int sun;
    int moon;
    int latitude;
};

// New moon and full moon.
constexpr Term kSyzygyTerms[] = {
    {0.1734, -0.000393, 1, 0, 0}, {0.0021, 0, 2, 0, 0},   {-0.4068, 0, 0, 1, 0},
    {0.0161, 0, 0, 2, 0},         {-0.0004, 0, 0, 3, 0},  {0.0104, 0, 0, 0, 2},
    {-0.0051, 0, 1, 1, 0},        {-0.0074, 0, 1, -1, 0}, {0.0004, 0, 1, 0, 2},
    {-0.0004, 0, -1, 0, 2},       {-0.0006, 0, 0, 1, 2},  {0.001, 0, 0, -1, 2},
    {0.0005, 0, 1, 2, 0},
};

// First and last quarter.
constexpr Term kQuarterTerms[] = {
    {0.1721, -0.0004, 1, 0, 0}, {0.0021, 0, 2, 0, 0},   {-0.628, 0, 0, 1, 0},
    {0.0089, 0, 0, 2, 0},       {-0.0004, 0, 0, 3, 0},  {0.0079, 0, 0, 0, 2},
    {-0.0119, 0, 1, 1, 0},      {-0.0047, 0, 1, -1, 0}, {0.0003, 0, 1, 0, 2},
    {-0.0004, 0, -1, 0, 2},     {-0.0006, 0, 0, 1, 2},  {0.0021, 0, 0, -1, 2},
    {0.0003, 0, 1, 2, 0},       {0.0004, 0, 1, -2, 0},  {-0.0003, 0, 2, 1, 0},
};

// The mean phase of lunation number n (which may carry a phase fraction) at T centuries.
double MeanPhase(double n, double t) {
    const double t2 = t * t;
    const double t3 = t2 * t;
    return 2415020.75933 + kMeanLunationDays * n + 0.0001178 * t2 - 1.55e-7 * t3 +
           0.00033 * std::sin((166.56 + 132.87 * t - 0.009173 * t2) * kRadiansPerDegree);
}

// The sum of the terms in their listed order; the order matters to the last bit.
double PeriodicSum(std::span<const Term> terms, double t, double sun, double moon,
                   double latitude) {
    double sum = 0.0;
    for (const Term& term : terms) {
        const double degrees = term.sun * sun + term.moon * moon + term.latitude * latitude;
        sum += (term.base + term.perCentury * t) * std::sin(degrees * kRadiansPerDegree);
    }
    return sum;
}

}  // namespace

double MeanPhaseInstant(double jd, double k) {
    const double t = (jd - 2415020) / 36525;
    return MeanPhase(k, t);
}

double TruePhaseInstant(double k, double f) {
    const double n = k + f;
    const double t = n / 1236.85;
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double mean = MeanPhase(n, t);

    const double sun = 359.2242 + 29.10535608 * n - 0.0000333 * t2 - 0.00000347 * t3;
    const double moon = 306.0253 + 385.81691806 * n + 0.0107306 * t2 + 0.00001236 * t3;
    const double latitude = 21.2964 + 390.67050646 * n - 0.0016528 * t2 - 0.00000239 * t3;

    // Every negative fraction counts as a new moon.
    if (f < 0.01 || std::fabs(f - 0.5) < 0.01) {
        return mean + PeriodicSum(kSyzygyTerms, t, sun, moon, latitude);
    }
    if (std::fabs(f - 0.25) < 0.01 || std::fabs(f - 0.75) < 0.01) {
        double instant = mean + PeriodicSum(kQuarterTerms, t, sun, moon, latitude);
        const double cosSun = std::cos(sun * kRadiansPerDegree);
        const double cosMoon = std::cos(moon * kRadiansPerDegree);
        if (f < 0.5) {
            instant += 0.0028 - 0.0004 * cosSun + 0.0003 * cosMoon;
        } else {
            instant += -0.0028 + 0.0004 * cosSun - 0.0003 * cosMoon;
        }
        return instant;
    }
    return mean;
}

double LunationInProgress(double now) {
    // First estimate from the month a little more than a lunation back.
    const double start = now - 45.0;
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;
    JulianDayToDate(start, &year, &month, &day);
    double k = std::floor(((month - 1) * 0.08333333333333333 + year - 1900) * 12.3685);

    double prev = MeanPhaseInstant(start, k);
    // Far in the future the first estimate lies after now, where the forward search below
    // would never end.
    while (prev > now) {
        k = k - 1;
        prev = MeanPhaseInstant(start, k);
    }
    double t = prev;
    for (;;) {
        t = t + kMeanLunationDays;
        const double next = MeanPhaseInstant(t, k + 1);
        if (prev <= now && next > now) {
            return k;
        }
        prev = next;
        k = k + 1;
    }
}
