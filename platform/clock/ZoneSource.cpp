#include "platform/clock/ZoneSource.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <limits>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/clock/CivilTime.h"
#include "platform/clock/FolderWatch.h"

namespace platform {
namespace {

constexpr const char* kDefaultZoneFolder = "/usr/share/zoneinfo";
constexpr std::int64_t kDay = 86400;
// Since 1900 no zone of the database changes its offset twice within a day and a half, so a
// look at every day finds each change, which is then narrowed down to its second.
constexpr std::int64_t kScanStep = kDay;
// A year's stretches reach this far beyond the year on both sides, far enough for the
// standard time next to a daylight time that spans the turn of the year.
constexpr std::int64_t kScanMargin = 366 * kDay;

std::int64_t FloorSeconds(std::int64_t msecs) {
    return msecs >= 0 ? msecs / 1000 : -((-msecs + 999) / 1000);
}

// The C library's local time at an instant: the offset east of UT and its daylight flag.
struct CState {
    int offset = 0;
    bool dst = false;

    bool operator==(const CState&) const = default;
};

CState CLibraryAt(std::int64_t seconds) {
    const std::time_t at = static_cast<std::time_t>(seconds);
    std::tm tm{};
    if (localtime_r(&at, &tm) == nullptr) return {};
    return {static_cast<int>(tm.tm_gmtoff), tm.tm_isdst > 0};
}

// A stretch of time [start, end) in one state of the C library, read the conventional way:
// the daylight saving is never negative. Zones whose database marks winter as daylight time
// with a negative saving (Europe/Dublin, Moroccan Ramadan) thus have standard time there, and
// daylight time in the stretches next to it.
struct Stretch {
    std::int64_t start = 0;
    std::int64_t end = 0;
    CState state;
    int saving = 0;  // seconds; above 0 exactly in daylight time

    bool Daylight() const { return saving > 0; }
};

// The stretches of [from, to), each change found to the second.
std::vector<Stretch> ScanStretches(std::int64_t from, std::int64_t to) {
    std::vector<Stretch> stretches;
    Stretch current{from, to, CLibraryAt(from)};
    std::int64_t seen = from;  // the last instant known to lie in the current stretch
    for (std::int64_t t = from; t < to;) {
        t = std::min(t + kScanStep, to);
        CState now = CLibraryAt(t);
        while (!(now == current.state)) {
            std::int64_t lo = seen, hi = t;
            while (hi - lo > 1) {
                const std::int64_t mid = lo + (hi - lo) / 2;
                (CLibraryAt(mid) == current.state ? lo : hi) = mid;
            }
            current.end = hi;
            stretches.push_back(current);
            current = Stretch{hi, to, CLibraryAt(hi)};
            seen = hi;
        }
        seen = t;
    }
    current.end = to;
    stretches.push_back(current);
    return stretches;
}

// The standard offset that the daylight stretch i saves against: that of the nearest stretch
// before it that the C library reads as standard time, or of the nearest after it. The one
// before unless only the one after lies below the daylight time: where a zone moves its
// standard time as its daylight time begins (Atlantic/Stanley 1985, Kyiv 1990), the daylight
// time saves against the standard time it ends in.
std::optional<int> StandardOf(const std::vector<Stretch>& stretches, std::size_t i) {
    std::optional<int> before, after;
    for (std::size_t j = i; j-- > 0 && !before;) {
        if (!stretches[j].state.dst) before = stretches[j].state.offset;
    }
    for (std::size_t j = i + 1; j < stretches.size() && !after; ++j) {
        if (!stretches[j].state.dst) after = stretches[j].state.offset;
    }
    const int offset = stretches[i].state.offset;
    if (before && after && *before >= offset && *after < offset) return after;
    return before ? before : after;
}

// Daylight time by the C library that lies below its standard time: a negative saving.
bool BelowStandard(const std::vector<Stretch>& stretches, std::size_t i) {
    if (!stretches[i].state.dst) return false;
    const std::optional<int> standard = StandardOf(stretches, i);
    return standard && stretches[i].state.offset < *standard;
}

void ReadSavings(std::vector<Stretch>& stretches) {
    for (std::size_t i = 0; i < stretches.size(); ++i) {
        Stretch& stretch = stretches[i];
        if (stretch.state.dst) {
            const std::optional<int> standard = StandardOf(stretches, i);
            // At or below its standard time, daylight time by the database is standard time.
            if (standard && stretch.state.offset > *standard)
                stretch.saving = stretch.state.offset - *standard;
            continue;
        }
        // Standard time by the database next to a negative saving whose standard time it is:
        // conventionally the daylight time, saving the difference.
        for (const std::size_t j : {i - 1, i + 1}) {
            if (j >= stretches.size() || !BelowStandard(stretches, j)) continue;
            if (StandardOf(stretches, j) == stretch.state.offset) {
                stretch.saving = stretch.state.offset - stretches[j].state.offset;
                break;
            }
        }
    }
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

// One UT year of the zone: its stretches, reaching beyond the year on both sides.
struct YearView {
    bool known = false;
    int year = 0;
    std::int64_t start = 0;  // 1 January, 0:00 UT, in seconds
    std::int64_t end = 0;    // 1 January of the next year
    std::vector<Stretch> stretches;

    bool Holds(std::int64_t t) const { return start <= t && t < end; }
    // Whether stretch i (i > 0) begins with a change between standard and daylight time
    // within the year.
    bool SeasonChangeAt(std::size_t i) const {
        return Holds(stretches[i].start) && stretches[i].Daylight() != stretches[i - 1].Daylight();
    }
};

YearView ViewOfYear(int year) {
    YearView view;
    view.known = true;
    view.year = year;
    view.start = YearStartMsecs(year) / 1000;
    view.end = YearStartMsecs(year + 1) / 1000;
    view.stretches = ScanStretches(view.start - kScanMargin, view.end + kScanMargin);
    ReadSavings(view.stretches);
    return view;
}

// The record of the year at instant t. With one start of daylight time and one return to
// standard time in the year, the dates are those two changes. With more (a pause of daylight
// time, a change of standard time), the dates bound the daylight time in force at t, or the
// next to begin in the year, or else the year's last: the stretch that the rows after t
// meet first. A bound that lies outside the year is taken from the year's other changes, the
// last start and the first return, as for a daylight time that spans the turn of the year.
// Bias and DaylightBias always give the offset in force at t.
DWORD RecordOfYear(const YearView& view, std::int64_t t, TIME_ZONE_INFORMATION* info) {
    const std::vector<Stretch>& stretches = view.stretches;
    const CState now = CLibraryAt(t);
    std::size_t at = 0;
    while (at + 1 < stretches.size() && stretches[at].end <= t) ++at;
    const int saving = stretches[at].state == now ? stretches[at].saving : 0;

    std::optional<std::size_t> lastStart, firstReturn;
    for (std::size_t i = 1; i < stretches.size(); ++i) {
        if (!view.SeasonChangeAt(i)) continue;
        if (stretches[i].Daylight()) {
            lastStart = i;
        } else if (!firstReturn) {
            firstReturn = i;
        }
    }
    if (!lastStart && !firstReturn) {
        // Without a change of season the offset in force is all there is to apply, also in
        // a year spent wholly in daylight time.
        info->Bias = -now.offset / 60;
        return TIME_ZONE_ID_UNKNOWN;
    }

    // The daylight time [first, last] that the dates bound.
    std::size_t first = at;
    if (!stretches[at].Daylight()) {
        // Failing both, the daylight time that a change at the very start of the year ends.
        std::optional<std::size_t> next, previous;
        for (std::size_t i = 0; i < stretches.size(); ++i) {
            if (!stretches[i].Daylight() || stretches[i].end <= view.start ||
                stretches[i].start >= view.end)
                continue;
            if (i > at && !next) next = i;
            if (i < at) previous = i;
        }
        first = next ? *next : previous ? *previous : firstReturn ? *firstReturn - 1 : *lastStart;
    }
    while (first > 0 && stretches[first - 1].Daylight()) --first;
    std::size_t last = first;
    while (last + 1 < stretches.size() && stretches[last + 1].Daylight()) ++last;

    const std::optional<std::size_t> start =
        first > 0 && view.SeasonChangeAt(first) ? first : lastStart;
    const std::optional<std::size_t> end =
        last + 1 < stretches.size() && view.SeasonChangeAt(last + 1) ? last + 1 : firstReturn;
    // The rule names the wall-clock time read just before the change.
    const auto ruleAt = [&stretches](std::size_t i) {
        return RuleDate((stretches[i].start + stretches[i - 1].state.offset) * 1000);
    };
    if (start) info->DaylightDate = ruleAt(*start);
    if (end) info->StandardDate = ruleAt(*end);
    info->Bias = -(now.offset - saving) / 60;
    info->DaylightBias = -(saving > 0 ? saving : stretches[first].saving) / 60;
    return saving > 0 ? TIME_ZONE_ID_DAYLIGHT : TIME_ZONE_ID_STANDARD;
}

// The first `limit` bytes of a regular file (all of a shorter one); nothing when it is not a
// regular file or cannot be read. The file is opened without waiting and told from what it is
// opened as, so anything else (a FIFO, a device, even one put in its place meanwhile) is
// never read and cannot block. Read with the C library's plain files: a stream would set up
// its locale machinery, a noticeable part of a window's start, for a few bytes.
std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t limit) {
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        return std::nullopt;
    }
    std::FILE* file = fdopen(fd, "rb");
    if (file == nullptr) {
        close(fd);
        return std::nullopt;
    }
    std::string bytes;
    char buffer[4096];
    while (bytes.size() < limit) {
        const std::size_t got =
            std::fread(buffer, 1, std::min(sizeof buffer, limit - bytes.size()), file);
        if (got == 0) {
            break;
        }
        bytes.append(buffer, got);
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        return std::nullopt;
    }
    return bytes;
}

// A zone name is far shorter than this.
constexpr std::size_t kNameFileLimit = 4096;
constexpr std::size_t kWholeFile = std::numeric_limits<std::size_t>::max();

bool IsZoneFile(const std::string& path) {
    const std::optional<std::string> magic = ReadRegularFile(path, 4);
    return magic && *magic == "TZif";
}

bool SameContents(const std::string& a, const std::string& b) {
    const std::optional<std::string> one = ReadRegularFile(a, kWholeFile);
    const std::optional<std::string> other = ReadRegularFile(b, kWholeFile);
    return one && other && *one == *other;
}

// The database name in a path that leads through a zoneinfo folder, as the machine's zone
// link does (/usr/share/zoneinfo/Europe/Berlin, ../usr/share/zoneinfo/Etc/UTC).
std::optional<std::string> NameInZoneinfo(const std::string& path, const std::string& folder) {
    if (path.rfind(folder + "/", 0) == 0) return path.substr(folder.size() + 1);
    constexpr std::string_view kMarker = "zoneinfo/";
    const std::size_t at = path.rfind(kMarker);
    if (at == std::string::npos || (at > 0 && path[at - 1] != '/')) return std::nullopt;
    return path.substr(at + kMarker.size());
}

// The folder a file lies in, as the path names it.
std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// What a symbolic link points to; nothing when the path is no link.
std::optional<std::string> LinkTarget(const std::string& path) {
    std::string target(256, '\0');
    for (;;) {
        const ssize_t got = readlink(path.c_str(), target.data(), target.size());
        if (got < 0) return std::nullopt;
        if (static_cast<std::size_t>(got) < target.size()) {
            target.resize(static_cast<std::size_t>(got));
            return target;
        }
        target.resize(target.size() * 2);  // perhaps cut short: read again with more room
    }
}

// What /etc/localtime or /etc/timezone is: a new zone arrives as a new file or link target
// (new inode) or as new contents (new modification time or size).
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    std::int64_t mtimeSec = 0;
    std::int64_t mtimeNsec = 0;
    off_t size = 0;

    bool operator==(const FileIdentity&) const = default;
};

FileIdentity Identify(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) return {};
    return {info.st_dev, info.st_ino, info.st_mtim.tv_sec, info.st_mtim.tv_nsec, info.st_size};
}

class ZoneCache {
public:
    std::int32_t OffsetAt(std::int64_t msecs) {
        std::lock_guard lock(mutex_);
        Refresh();
        return valid_ ? CLibraryAt(FloorSeconds(msecs)).offset : 0;
    }

    DWORD RecordAt(std::int64_t msecs, TIME_ZONE_INFORMATION* info) {
        std::lock_guard lock(mutex_);
        Refresh();
        *info = TIME_ZONE_INFORMATION{};
        if (!valid_) return TIME_ZONE_ID_INVALID;
        const int year = ToSystemTime(msecs).wYear;
        if (!view_.known || view_.year != year) view_ = ViewOfYear(year);
        return RecordOfYear(view_, FloorSeconds(msecs), info);
    }

    std::string Name() {
        std::lock_guard lock(mutex_);
        Refresh();
        return name_;
    }

    void SetFiles(const MachineZoneFiles& files) {
        std::lock_guard lock(mutex_);
        files_ = files;
        watch_.reset();
        loaded_ = false;
    }

private:
    // Reloads the zone when TZ or, where TZ leaves the choice to the machine, the machine's
    // zone files have changed since the last call. The C library reads TZ afresh only when
    // asked to, and the machine's zone file only when TZ is unset, so only then is it
    // watched. Examining the files costs more than the whole call may, so they are examined
    // only when the watch on their folder reports a change.
    void Refresh() {
        const char* tz = std::getenv("TZ");
        const bool sameTz = loaded_ && (tz != nullptr) == tzSet_ && (tz == nullptr || tz_ == tz);
        if (sameTz) {
            if (!machine_ || !watch_->Changed()) return;
            if (Identify(files_.zone) == zoneFile_ && Identify(files_.name) == nameFile_) return;
        }

        loaded_ = true;
        tzSet_ = tz != nullptr;
        tz_ = tz != nullptr ? tz : "";
        machine_ = tz == nullptr;
        if (machine_) {
            // The watch starts before the look, not after, so no change falls between them.
            if (!watch_) watch_.emplace(FolderOf(files_.zone).c_str());
            zoneFile_ = Identify(files_.zone);
            nameFile_ = Identify(files_.name);
        }
        tzset();
        Load();
        view_ = YearView{};
    }

    // Reads TZ as the C library does: an empty text is UT; past a leading colon, a zone file
    // (a path, or a name in the database's folder); failing that, a POSIX rule.
    void Load() {
        if (machine_) {
            valid_ = IsZoneFile(files_.zone);
            name_ = MachineName();
            return;
        }
        const std::string text = !tz_.empty() && tz_[0] == ':' ? tz_.substr(1) : tz_;
        if (text.empty()) {
            valid_ = true;
            name_ = "UTC";
            return;
        }
        const bool path = text[0] == '/';
        if (IsZoneFile(path ? text : ZoneFolder() + "/" + text)) {
            valid_ = true;
            name_ = !path                 ? text
                    : text == files_.zone ? MachineName()
                                          : NameInZoneinfo(text, ZoneFolder()).value_or(text);
            return;
        }
        // A rule. The library reads the standard name and offset, and the rest only after
        // them; when it reads no offset it applies UT, with no name for daylight time.
        valid_ = ::timezone != 0 || tzname[1][0] != '\0';
        name_ = text;
    }

    // The machine zone's name: the target of its link into the database; for a copy, the name
    // in the name file when that zone's file holds the same bytes (a stale name names another
    // zone, which the C library does not read); else the zone file's path.
    std::string MachineName() const {
        const std::string folder = ZoneFolder();
        if (const std::optional<std::string> target = LinkTarget(files_.zone)) {
            if (const std::optional<std::string> name = NameInZoneinfo(*target, folder)) {
                return *name;
            }
        }
        // The name file's first word.
        const std::string text = ReadRegularFile(files_.name, kNameFileLimit).value_or("");
        const std::size_t from = text.find_first_not_of(" \t\r\n\f\v");
        const std::string name =
            from == std::string::npos
                ? std::string()
                : text.substr(from, text.find_first_of(" \t\r\n\f\v", from) - from);
        if (IsZoneName(name) && SameContents(folder + "/" + name, files_.zone)) return name;
        return files_.zone;
    }

    std::mutex mutex_;
    MachineZoneFiles files_;
    bool loaded_ = false;
    bool tzSet_ = false;
    std::string tz_;
    bool machine_ = false;
    std::optional<FolderWatch> watch_;
    FileIdentity zoneFile_;
    FileIdentity nameFile_;
    bool valid_ = false;
    std::string name_;
    YearView view_;
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

std::string ZoneFolder() {
    const char* folder = std::getenv("TZDIR");
    std::string path = folder != nullptr && *folder != '\0' ? folder : kDefaultZoneFolder;
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

bool IsZoneName(const std::string& name) {
    if (name.empty() || name[0] == '/') return false;
    for (std::size_t from = 0; from <= name.size();) {
        const std::size_t end = std::min(name.find('/', from), name.size());
        if (name.compare(from, end - from, "..") == 0) return false;
        from = end + 1;
    }
    return IsZoneFile(ZoneFolder() + "/" + name);
}

void SetMachineZoneFiles(const MachineZoneFiles& files) {
    Cache().SetFiles(files);
}

}  // namespace platform
