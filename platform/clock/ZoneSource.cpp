#include "platform/clock/ZoneSource.h"

#include <sys/stat.h>

#include <QByteArray>
#include <QDateTime>
#include <QTimeZone>
#include <chrono>
#include <cstdlib>
#include <limits>
#include <mutex>
#include <optional>

#include "platform/clock/CivilTime.h"
#include "platform/clock/FolderWatch.h"

namespace platform {
namespace {

constexpr std::int64_t kOpenStart = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kOpenEnd = std::numeric_limits<std::int64_t>::max();
constexpr const char* kMachineZoneFile = "/etc/localtime";
constexpr const char* kMachineZoneFolder = "/etc";
// No real zone changes season more often than this in one year; the bound keeps a damaged
// zone from looping.
constexpr int kMaxPeriodsPerYear = 64;

// The zone's offsets at one instant as the time-zone database gives them, seconds east of UT.
struct RawOffsets {
    int offset = 0;
    int standard = 0;
    int daylight = 0;
};

// A stretch of time [start, end) with one offset in force, read the conventional way: the
// daylight saving is never negative. Zones whose database marks winter as daylight time with
// a negative saving (Europe/Dublin) thus have standard time in winter, like their neighbours.
struct Period {
    std::int64_t start = kOpenStart;
    std::int64_t end = kOpenStart;  // empty until filled
    int offset = 0;
    int standard = 0;
    int saving = 0;  // 0 in standard time

    bool Contains(std::int64_t t) const { return start <= t && t < end; }
};

// The daylight-saving rules of one UT year in the record's relative form.
struct YearRules {
    bool known = false;
    int year = 0;
    bool changes = false;  // standard and daylight time alternate within the year
    int saving = 0;        // the saving of the year's daylight time
    SYSTEMTIME standardDate{};
    SYSTEMTIME daylightDate{};
};

// What /etc/localtime is: a new zone arrives as a new file or link target (new inode) or as
// new contents (new modification time or size).
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    std::int64_t mtimeSec = 0;
    std::int64_t mtimeNsec = 0;
    off_t size = 0;

    bool operator==(const FileIdentity&) const = default;
};

FileIdentity Identify(const char* path) {
    struct stat info {};
    if (stat(path, &info) != 0) return {};
    return {info.st_dev, info.st_ino, info.st_mtim.tv_sec, info.st_mtim.tv_nsec, info.st_size};
}

QDateTime AtUtc(std::int64_t msecs) {
    return QDateTime::fromMSecsSinceEpoch(msecs, Qt::UTC);
}

RawOffsets RawAt(const QTimeZone& zone, std::int64_t t) {
    const QDateTime at = AtUtc(t);
    if (zone.hasTransitions()) {
        const QTimeZone::OffsetData data = zone.offsetData(at);
        if (data.atUtc.isValid())
            return {data.offsetFromUtc, data.standardTimeOffset, data.daylightTimeOffset};
    }
    // Fixed-offset zones have no offset data, only the plain offsets.
    return {zone.offsetFromUtc(at), zone.standardTimeOffset(at), zone.daylightTimeOffset(at)};
}

Period PeriodAt(const QTimeZone& zone, std::int64_t t) {
    Period period;
    period.start = kOpenStart;
    period.end = kOpenEnd;
    if (zone.hasTransitions()) {
        const QTimeZone::OffsetData previous = zone.previousTransition(AtUtc(t + 1));
        if (previous.atUtc.isValid()) period.start = previous.atUtc.toMSecsSinceEpoch();
        const QTimeZone::OffsetData next = zone.nextTransition(AtUtc(t));
        if (next.atUtc.isValid()) period.end = next.atUtc.toMSecsSinceEpoch();
        // Whatever the database says, the period must hold t, or the cache would never hit.
        if (period.start > t) period.start = t;
        if (period.end <= t) period.end = t + 1;
    }

    const RawOffsets raw = RawAt(zone, t);
    period.offset = raw.offset;
    period.standard = raw.offset;
    if (raw.daylight > 0) {
        period.standard = raw.standard;
        period.saving = raw.daylight;
        return period;
    }
    if (raw.daylight < 0) return period;  // negative saving: this is the standard time

    // Standard time by the database, next to a negative-saving period whose standard time it
    // is: conventionally the daylight time, saving the difference.
    for (const std::int64_t neighbour : {period.start, period.end}) {
        if (neighbour == kOpenStart || neighbour == kOpenEnd) continue;
        const RawOffsets other = RawAt(zone, neighbour == period.start ? neighbour - 1 : neighbour);
        if (other.daylight < 0 && other.standard == raw.offset && other.offset < raw.offset) {
            period.standard = other.offset;
            period.saving = raw.offset - other.offset;
            return period;
        }
    }
    return period;
}

int DaysInMonth(int year, unsigned month) {
    using namespace std::chrono;
    return static_cast<int>(
        static_cast<unsigned>(year_month_day_last{std::chrono::year{year} / month / last}.day()));
}

// The relative-form rule (wYear 0) of a change at the given local wall-clock instant: the
// n-th, or with wDay 5 the last, such weekday of its month, at that hour.
SYSTEMTIME RuleDate(std::int64_t localMsecs) {
    const SYSTEMTIME local = ToSystemTime(localMsecs);
    SYSTEMTIME rule{};
    rule.wMonth = local.wMonth;
    rule.wDayOfWeek = local.wDayOfWeek;
    const bool lastWeek = local.wDay > DaysInMonth(local.wYear, local.wMonth) - 7;
    rule.wDay = static_cast<WORD>(lastWeek ? 5 : (local.wDay - 1) / 7 + 1);
    rule.wHour = local.wHour;
    rule.wMinute = local.wMinute;
    return rule;
}

// Walks the year's periods. Of several changes a year (a pause of daylight time within the
// summer), the first start of daylight time and the last return to standard time bound it.
YearRules RulesOf(const QTimeZone& zone, int year) {
    YearRules rules;
    rules.known = true;
    rules.year = year;
    const std::int64_t yearEnd = YearStartMsecs(year + 1);
    Period before = PeriodAt(zone, YearStartMsecs(year));
    rules.saving = before.saving;
    bool daylightStartSeen = false;
    for (int i = 0; i < kMaxPeriodsPerYear && before.end < yearEnd; ++i) {
        const Period after = PeriodAt(zone, before.end);
        const bool toDaylight = after.saving > 0;
        if (toDaylight != (before.saving > 0)) {
            rules.changes = true;
            // The rule names the wall-clock time read just before the change.
            const SYSTEMTIME date = RuleDate(before.end + std::int64_t{before.offset} * 1000);
            if (!toDaylight) {
                rules.standardDate = date;
            } else if (!daylightStartSeen) {
                daylightStartSeen = true;
                rules.daylightDate = date;
                if (rules.saving == 0) rules.saving = after.saving;
            }
        }
        before = after;
    }
    return rules;
}

class ZoneCache {
public:
    std::int32_t OffsetAt(std::int64_t t) {
        std::lock_guard lock(mutex_);
        Refresh();
        return zone_.isValid() ? PeriodFor(t).offset : 0;
    }

    DWORD RecordAt(std::int64_t t, TIME_ZONE_INFORMATION* info) {
        std::lock_guard lock(mutex_);
        Refresh();
        *info = TIME_ZONE_INFORMATION{};
        if (!zone_.isValid()) return TIME_ZONE_ID_INVALID;
        const Period& now = PeriodFor(t);
        const YearRules& rules = RulesFor(ToSystemTime(t).wYear);
        if (!rules.changes) {
            // Without a change of season the offset in force is all there is to apply, also
            // in a year spent wholly in daylight time.
            info->Bias = -now.offset / 60;
            return TIME_ZONE_ID_UNKNOWN;
        }
        info->Bias = -now.standard / 60;
        info->StandardDate = rules.standardDate;
        info->DaylightDate = rules.daylightDate;
        info->DaylightBias = -(now.saving > 0 ? now.saving : rules.saving) / 60;
        return now.saving > 0 ? TIME_ZONE_ID_DAYLIGHT : TIME_ZONE_ID_STANDARD;
    }

    std::string Name() {
        std::lock_guard lock(mutex_);
        Refresh();
        return name_;
    }

private:
    // Reloads the zone when TZ or, where TZ leaves the choice to the machine, /etc/localtime
    // has changed since the last call. Qt reads both afresh when asked for the system zone.
    // Examining /etc/localtime costs more than the whole call may, so it is examined only when
    // the watch on /etc reports a change.
    void Refresh() {
        const char* tz = std::getenv("TZ");
        const bool sameTz = loaded_ && (tz != nullptr) == tzSet_ && (tz == nullptr || tz_ == tz);
        if (sameTz) {
            if (!machine_ || !etcWatch_->Changed()) return;
            if (Identify(kMachineZoneFile) == file_) return;
        }

        loaded_ = true;
        tzSet_ = tz != nullptr;
        tz_ = tz != nullptr ? tz : "";
        machine_ = tz == nullptr || tz_ == ":" || tz_ == ":/etc/localtime";
        if (machine_) {
            if (!etcWatch_) etcWatch_.emplace(kMachineZoneFolder);  // before the look, not after
            file_ = Identify(kMachineZoneFile);
        }
        // The C library reads an empty TZ as Universal Time, where Qt would take the machine's
        // zone; the clock follows the C library so that it agrees with every other program.
        zone_ = (tz != nullptr && *tz == '\0') ? QTimeZone::utc() : QTimeZone::systemTimeZone();
        name_ = zone_.isValid() ? zone_.id().toStdString() : tz_;
        period_ = Period{};
        rules_ = YearRules{};
    }

    const Period& PeriodFor(std::int64_t t) {
        if (!period_.Contains(t)) period_ = PeriodAt(zone_, t);
        return period_;
    }

    const YearRules& RulesFor(int year) {
        if (!rules_.known || rules_.year != year) rules_ = RulesOf(zone_, year);
        return rules_;
    }

    std::mutex mutex_;
    bool loaded_ = false;
    bool tzSet_ = false;
    std::string tz_;
    bool machine_ = false;
    std::optional<FolderWatch> etcWatch_;
    FileIdentity file_;
    QTimeZone zone_;
    std::string name_;
    Period period_;
    YearRules rules_;
};

ZoneCache& Cache() {
    static ZoneCache cache;
    return cache;
}

}  // namespace

std::int32_t ZoneOffsetAt(std::int64_t utcMsecs) {
    return Cache().OffsetAt(utcMsecs);
}

DWORD ZoneRecordAt(std::int64_t utcMsecs, TIME_ZONE_INFORMATION* info) {
    return Cache().RecordAt(utcMsecs, info);
}

std::string ZoneName() {
    return Cache().Name();
}

}  // namespace platform
