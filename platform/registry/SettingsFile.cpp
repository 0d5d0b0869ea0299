#include "platform/registry/SettingsFile.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <map>
#include <memory>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFileInfo>
#include <QString>

#include "platform/TerminationSignals.h"

namespace platform {
namespace {

using namespace std::chrono_literals;

constexpr std::chrono::milliseconds kBusyRetry = 5ms;
constexpr std::chrono::milliseconds kFailureRetry = 1000ms;
// Far beyond any sound file; of a larger one only this much is read.
constexpr std::size_t kMaxFileBytes = std::size_t(32) << 20;
constexpr mode_t kNewFileMode = 0600;

FileIdentity IdentityOf(const struct stat& info) {
    return FileIdentity{info.st_dev, info.st_ino, info.st_size, info.st_mtim};
}

FileState StateOf(int statResult, const struct stat& info) {
    if (statResult != 0) {
        return errno == ENOENT ? FileState::Missing : FileState::Unusable;
    }
    return S_ISREG(info.st_mode) ? FileState::Regular : FileState::Unusable;
}

struct FileText {
    FileState state = FileState::Missing;
    FileIdentity identity;
    mode_t mode = kNewFileMode;
    std::string text;
};

// The text of the file in the path's place. Only a regular file is opened, and without
// waiting, so that one swapped in at the last moment cannot hold the caller either.
FileText ReadFileText(const std::string& path) {
    FileText file;
    struct stat info {};
    file.state = StateOf(stat(path.c_str(), &info), info);
    if (file.state != FileState::Regular) {
        return file;
    }
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        file.state = errno == ENOENT ? FileState::Missing : FileState::Unusable;
        return file;
    }
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        file.state = FileState::Unusable;
        return file;
    }
    file.identity = IdentityOf(info);
    file.mode = info.st_mode & 07777;
    file.text.resize(std::min<std::size_t>(static_cast<std::size_t>(info.st_size), kMaxFileBytes));
    std::size_t done = 0;
    while (done < file.text.size()) {
        const ssize_t got = read(fd, file.text.data() + done, file.text.size() - done);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    file.text.resize(done);
    close(fd);
    return file;
}

bool WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t written = write(fd, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

// Applies the changes to the groups; a group without values is only created.
void Apply(const SettingsGroups& changes, SettingsGroups* groups) {
    for (const auto& [group, values] : changes) {
        auto& target = (*groups)[group];
        for (const auto& [name, text] : values) {
            target[name] = text;
        }
    }
}

std::map<std::string, std::unique_ptr<SettingsFile>>& Files() {
    static std::map<std::string, std::unique_ptr<SettingsFile>> files;
    return files;
}

}  // namespace

bool FileIdentity::operator==(const FileIdentity& other) const {
    return device == other.device && inode == other.inode && size == other.size &&
           modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec;
}

std::string SettingsLockPath(const std::string& path) {
    const std::size_t name = path.rfind('/') + 1;  // 0 for a bare name
    return path.substr(0, name) + "." + path.substr(name) + ".lock";
}

SettingsFile::SettingsFile(std::string path)
    : path_(std::move(path)), lockPath_(SettingsLockPath(path_)) {}

SettingsFile::~SettingsFile() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        stopDeadline_ = Clock::now() + kSettingsFinalWriteLimit;
    }
    wake_.notify_all();
    if (writer_.joinable()) {
        writer_.join();
    }
}

// Takes in what other processes wrote since the file was last seen; a stat() when nothing
// changed.
void SettingsFile::RefreshLocked() {
    struct stat info {};
    const FileState state = StateOf(stat(path_.c_str(), &info), info);
    if (state == state_ && (state != FileState::Regular || IdentityOf(info) == identity_)) {
        return;
    }
    FileText file = ReadFileText(path_);
    state_ = file.state;
    identity_ = file.identity;
    disk_ = ParseSettings(file.text);
}

const std::string* SettingsFile::FindLocked(const std::string& group,
                                            const std::string& name) const {
    for (const SettingsGroups* layer : {&pending_, &inFlight_, &disk_}) {
        const auto values = layer->find(group);
        if (values == layer->end()) {
            continue;
        }
        const auto value = values->second.find(name);
        if (value != values->second.end()) {
            return &value->second;
        }
    }
    return nullptr;
}

bool SettingsFile::HasGroupLocked(const std::string& group) const {
    return pending_.contains(group) || inFlight_.contains(group) || disk_.contains(group);
}

bool SettingsFile::HasGroup(const std::string& group) {
    std::lock_guard lock(mutex_);
    RefreshLocked();
    return state_ != FileState::Unusable && HasGroupLocked(group);
}

std::optional<std::string> SettingsFile::Value(const std::string& group, const std::string& name) {
    std::lock_guard lock(mutex_);
    RefreshLocked();
    const std::string* text = state_ != FileState::Unusable ? FindLocked(group, name) : nullptr;
    return text != nullptr ? std::optional<std::string>(*text) : std::nullopt;
}

bool SettingsFile::CreateGroup(const std::string& group, bool* created) {
    std::lock_guard lock(mutex_);
    RefreshLocked();
    if (state_ == FileState::Unusable) {
        return false;
    }
    *created = !HasGroupLocked(group);
    if (*created) {
        const bool firstPending = pending_.empty();
        pending_[group];
        NoteChangeLocked(firstPending);
    }
    return true;
}

bool SettingsFile::SetValue(const std::string& group, const std::string& name,
                            const std::string& text) {
    std::lock_guard lock(mutex_);
    RefreshLocked();
    if (state_ == FileState::Unusable) {
        return false;
    }
    const bool firstPending = pending_.empty();
    pending_[group][name] = text;
    NoteChangeLocked(firstPending);
    return true;
}

void SettingsFile::NoteChangeLocked(bool firstPending) {
    if (firstPending) {
        pendingSince_ = Clock::now();
    }
    if (!writer_.joinable()) {
        writer_ = std::thread([this] { RunWriter(); });
    }
    wake_.notify_all();
}

bool SettingsFile::Flush(std::chrono::milliseconds limit) {
    std::unique_lock lock(mutex_);
    const auto written = [this] { return pending_.empty() && inFlight_.empty(); };
    if (written()) {
        return true;
    }
    ++flushWaiters_;
    wake_.notify_all();
    const bool done = wake_.wait_for(lock, limit, written);
    --flushWaiters_;
    return done;
}

// The writer: waits for changes, lets them gather for kSettingsWriteDelay (no delay when
// someone waits for them), writes them, and tries again later when it could not.
void SettingsFile::RunWriter() {
    std::unique_lock lock(mutex_);
    Clock::time_point retryAt;
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !pending_.empty(); });
        if (pending_.empty()) {
            return;
        }
        const bool hurry = stopping_ || flushWaiters_ > 0;
        const Clock::time_point due =
            hurry ? retryAt : std::max(pendingSince_ + kSettingsWriteDelay, retryAt);
        if (Clock::now() < due) {
            wake_.wait_until(lock, due,
                             [this, hurry] { return !hurry && (stopping_ || flushWaiters_ > 0); });
            continue;
        }
        if (stopping_ && Clock::now() >= stopDeadline_) {
            return;  // the changes are lost, as they would be if the process had been killed
        }
        inFlight_ = std::move(pending_);
        pending_.clear();
        lock.unlock();
        SettingsGroups written;
        FileIdentity identity;
        const Outcome outcome = WriteChanges(&written, &identity);
        lock.lock();
        if (outcome == Outcome::Written) {
            disk_ = std::move(written);
            state_ = FileState::Regular;
            identity_ = identity;
            retryAt = Clock::time_point();
        } else {
            // The newer changes made meanwhile stay as they are.
            for (auto& [group, values] : inFlight_) {
                pending_[group].merge(values);
            }
            pendingSince_ = Clock::now();
            retryAt = Clock::now() + (outcome == Outcome::Busy ? kBusyRetry : kFailureRetry);
        }
        inFlight_.clear();
        wake_.notify_all();
    }
}

SettingsFile::Outcome SettingsFile::WriteChanges(SettingsGroups* written,
                                                 FileIdentity* identity) const {
    QDir().mkpath(QFileInfo(QString::fromStdString(path_)).absolutePath());
    const int lock =
        open(lockPath_.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (lock < 0) {
        return Outcome::Failed;
    }
    struct stat lockInfo {};
    if (fstat(lock, &lockInfo) != 0 || !S_ISREG(lockInfo.st_mode)) {
        close(lock);
        return Outcome::Failed;
    }
    if (flock(lock, LOCK_EX | LOCK_NB) != 0) {
        const bool busy = errno == EWOULDBLOCK || errno == EINTR;
        close(lock);
        return busy ? Outcome::Busy : Outcome::Failed;
    }
    // Closing the descriptor gives the lock up.
    const FileText current = ReadFileText(path_);
    Outcome outcome = Outcome::Failed;
    if (current.state != FileState::Unusable) {
        *written = ParseSettings(current.text);
        Apply(inFlight_, written);
        const std::string text = FormatSettings(*written);
        if (current.state == FileState::Regular && text == current.text) {
            *identity = current.identity;
            outcome = Outcome::Written;
        } else if (ReplaceFile(text, current.mode, identity)) {
            outcome = Outcome::Written;
        }
    }
    close(lock);
    return outcome;
}

// Writes the text to a new file beside the file (beside the file a link leads to) and renames
// it over the file, so that the file is always either the old one or the new one.
bool SettingsFile::ReplaceFile(const std::string& text, mode_t mode, FileIdentity* identity) const {
    std::string target = path_;
    struct stat info {};
    if (lstat(path_.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        char resolved[PATH_MAX];
        if (realpath(path_.c_str(), resolved) == nullptr) {
            return false;
        }
        target = resolved;
    }
    std::string temporary = target + ".XXXXXX";
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    bool ok =
        fchmod(fd, mode) == 0 && WriteAll(fd, text) && fdatasync(fd) == 0 && fstat(fd, &info) == 0;
    ok = close(fd) == 0 && ok;
    if (ok && rename(temporary.c_str(), target.c_str()) == 0) {
        *identity = IdentityOf(info);
        return true;
    }
    unlink(temporary.c_str());
    return false;
}

SettingsFile& SettingsFileAt(const std::string& path) {
    std::unique_ptr<SettingsFile>& file = Files()[path];
    if (file == nullptr) {
        file = std::make_unique<SettingsFile>(path);
        // The changes reach the disk when the program ends in order; so should it at logout.
        EndInOrderOnTerminationSignals();
    }
    return *file;
}

bool FlushSettings(std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    bool all = true;
    for (auto& [path, file] : Files()) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        all = file->Flush(std::max(left, std::chrono::milliseconds(0))) && all;
    }
    return all;
}

}  // namespace platform
