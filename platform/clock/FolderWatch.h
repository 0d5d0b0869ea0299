// Tells, at the cost of one non-blocking read, whether anything in a folder may have changed
// since the last question, so that a file in it (the machine's zone link) need not be examined
// on every call.
#pragma once

namespace platform {

class FolderWatch {
public:
    explicit FolderWatch(const char* folder);
    ~FolderWatch();
    FolderWatch(const FolderWatch&) = delete;
    FolderWatch& operator=(const FolderWatch&) = delete;

    // True when an entry of the folder was created, removed, renamed, written or touched since
    // the last call; always true when the folder cannot be watched.
    bool Changed();

private:
    int fd_ = -1;
};

}  // namespace platform
