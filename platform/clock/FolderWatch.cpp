#include "platform/clock/FolderWatch.h"

#include <sys/inotify.h>
#include <unistd.h>

namespace platform {

FolderWatch::FolderWatch(const char* folder) {
    fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd_ < 0) return;
    constexpr unsigned kEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_MODIFY |
                                 IN_CLOSE_WRITE | IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF;
    if (inotify_add_watch(fd_, folder, kEvents) < 0) {
        close(fd_);
        fd_ = -1;
    }
}

FolderWatch::~FolderWatch() {
    if (fd_ >= 0) close(fd_);
}

bool FolderWatch::Changed() {
    if (fd_ < 0) return true;
    // Events (an overflow among them) are only counted, never parsed: any of them means look.
    alignas(inotify_event) char events[4096];
    bool changed = false;
    while (read(fd_, events, sizeof events) > 0) changed = true;
    return changed;
}

}  // namespace platform
