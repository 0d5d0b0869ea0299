// The per-user settings files behind the registry, as one process sees them: the content last
// read or written, with this process's changes on top, so that a read always sees the latest
// change. A change lands in memory at once; a writer thread of the file's own carries it to
// the disk soon after (kSettingsWriteDelay, plus the time the write takes), merged with what
// other processes wrote meanwhile. For that, under a lock on a file beside it
// (SettingsLockPath), the file is read again, the changes are applied and the result
// replaces the file whole (a new file renamed over it), so the file is valid after a crash
// at any moment. The lock is only ever tried, never waited for: a process that holds it for
// long (one that is stopped, say) delays the write, never the caller.
// In the file's place, anything but a regular file or a link to one (a folder, a FIFO, a
// device) is neither opened, read nor written.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include <sys/types.h>

#include "platform/registry/SettingsText.h"

namespace platform {

// What stands in a file's place, and which file it is when it is a regular one.
enum class FileState { Missing, Regular, Unusable };
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    bool operator==(const FileIdentity& other) const;
};

inline constexpr std::chrono::milliseconds kSettingsWriteDelay{50};
// How long the last changes may take to reach the disk when the process ends.
inline constexpr std::chrono::milliseconds kSettingsFinalWriteLimit{2000};

class SettingsFile {
public:
    explicit SettingsFile(std::string path);
    // Writes what is still pending, trying for at most kSettingsFinalWriteLimit.
    ~SettingsFile();
    SettingsFile(const SettingsFile&) = delete;
    SettingsFile& operator=(const SettingsFile&) = delete;

    // Whether the group exists; false when the file cannot be read.
    bool HasGroup(const std::string& group);
    // The text of the value; none when it is missing or the file cannot be read.
    std::optional<std::string> Value(const std::string& group, const std::string& name);
    // Creates the group unless it exists, and says which it was. False when the file cannot
    // be written.
    bool CreateGroup(const std::string& group, bool* created);
    // Sets the value, creating its group if needed. False when the file cannot be written.
    bool SetValue(const std::string& group, const std::string& name, const std::string& text);
    // Writes the pending changes now; whether all were written within the limit.
    bool Flush(std::chrono::milliseconds limit);

private:
    enum class Outcome { Written, Busy, Failed };
    using Clock = std::chrono::steady_clock;

    void RefreshLocked();
    const std::string* FindLocked(const std::string& group, const std::string& name) const;
    bool HasGroupLocked(const std::string& group) const;
    // Marks a change made; starts the writer at the first one.
    void NoteChangeLocked(bool firstPending);
    void RunWriter();
    Outcome WriteChanges(SettingsGroups* written, FileIdentity* identity) const;
    bool ReplaceFile(const std::string& text, mode_t mode, FileIdentity* identity) const;

    const std::string path_;
    const std::string lockPath_;

    std::mutex mutex_;  // guards everything below
    std::condition_variable wake_;
    FileState state_ = FileState::Missing;
    FileIdentity identity_;
    SettingsGroups disk_;      // as last read or written
    SettingsGroups inFlight_;  // being written; read by the writer without the mutex
    SettingsGroups pending_;   // changed since
    Clock::time_point pendingSince_;
    int flushWaiters_ = 0;
    bool stopping_ = false;
    Clock::time_point stopDeadline_;
    std::thread writer_;
};

// The lock file beside a settings file: ".<name>.lock" in the same folder.
std::string SettingsLockPath(const std::string& path);

// The settings file at this path, made at first use and kept until the process ends, when
// its last changes are written. To be used on the user-interface thread only.
SettingsFile& SettingsFileAt(const std::string& path);

// Flushes every settings file of the process; whether all were written within the limit.
bool FlushSettings(std::chrono::milliseconds limit);

}  // namespace platform
