#include "platform/kernel/KernelObjects.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <memory>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

#include "platform/HandleTable.h"
#include "platform/kernel/ObjectFiles.h"

// Every object is a file with open-file-description locks (they belong to the handle, not to
// the process, and vanish when the last descriptor of the handle closes, also on kill -9):
// byte 0 is held shared by every open handle and so tells whether the name exists; byte 1 is
// held exclusively by the handle that owns a mutex.

namespace platform {
namespace {

enum class Kind { Mutex, Semaphore };

struct KernelObject {
    KernelObject(Kind k, int descriptor) : kind(k), fd(descriptor) {}
    ~KernelObject() { close(fd); }
    KernelObject(const KernelObject&) = delete;
    KernelObject& operator=(const KernelObject&) = delete;

    const Kind kind;
    const int fd;
    bool owned = false;  // the mutex was taken through this handle and not released
};

constexpr off_t kPresenceByte = 0;
constexpr off_t kOwnerByte = 1;

thread_local DWORD lastError = ERROR_SUCCESS;

HandleTable<KernelObject>& Handles() {
    static HandleTable<KernelObject> handles;
    return handles;
}

// Sets or clears a lock on one byte; 0, or the errno of the refusal (EAGAIN when another
// handle holds a conflicting lock and the command does not wait).
int LockByte(int fd, off_t byte, short type, int command) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = byte;
    lock.l_len = 1;
    while (fcntl(fd, command, &lock) != 0) {
        if (errno != EINTR) {
            return errno;
        }
    }
    return 0;
}

bool IsConflict(int err) {
    return err == EAGAIN || err == EACCES;
}

// The owner lock within the time limit: 0, or the errno of the refusal.
int LockOwner(const KernelObject& mutex, DWORD milliseconds) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
    for (;;) {
        const int err = LockByte(mutex.fd, kOwnerByte, F_WRLCK, F_OFD_SETLK);
        const Clock::time_point now = Clock::now();
        if (!IsConflict(err) || now >= deadline) {
            return err;
        }
        std::this_thread::sleep_for(
            std::min<Clock::duration>(std::chrono::milliseconds(5), deadline - now));
    }
}

HANDLE OpenObject(Kind kind, const wchar_t* name) {
    LONG error = ERROR_SUCCESS;
    const int fd = OpenObjectFile(name, &error);
    if (fd < 0) {
        lastError = error;
        return nullptr;
    }
    auto object = std::make_unique<KernelObject>(kind, fd);
    // Only a handle that no other handle anywhere shares the name with gets byte 0
    // exclusively: it has created the object. The exclusive lock then turns into a shared
    // one in a single step; an opener that meets the creator between the two steps waits
    // that instant for the shared lock.
    const bool created = LockByte(fd, kPresenceByte, F_WRLCK, F_OFD_SETLK) == 0;
    if (LockByte(fd, kPresenceByte, F_RDLCK, created ? F_OFD_SETLK : F_OFD_SETLKW) != 0) {
        lastError = ERROR_GEN_FAILURE;
        return nullptr;
    }
    lastError = created ? ERROR_SUCCESS : ERROR_ALREADY_EXISTS;
    return Handles().Add(std::move(object));
}

KernelObject* FindMutex(HANDLE handle) {
    KernelObject* object = Handles().Find(handle);
    return object != nullptr && object->kind == Kind::Mutex ? object : nullptr;
}

}  // namespace
}  // namespace platform

using namespace platform;

HANDLE CreateMutexW(BOOL bInitialOwner, const wchar_t* lpName) {
    if (bInitialOwner != FALSE) {
        lastError = ERROR_NOT_SUPPORTED;
        return nullptr;
    }
    return OpenObject(Kind::Mutex, lpName);
}

DWORD WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds) {
    KernelObject* object = Handles().Find(hHandle);
    if (object == nullptr) {
        lastError = ERROR_INVALID_HANDLE;
        return WAIT_FAILED;
    }
    if (object->kind != Kind::Mutex) {
        lastError = ERROR_NOT_SUPPORTED;
        return WAIT_FAILED;
    }
    if (object->owned) {
        return WAIT_OBJECT_0;
    }
    const int err = LockOwner(*object, dwMilliseconds);
    if (IsConflict(err)) {
        return WAIT_TIMEOUT;
    }
    if (err != 0) {
        lastError = ERROR_GEN_FAILURE;
        return WAIT_FAILED;
    }
    object->owned = true;
    return WAIT_OBJECT_0;
}

BOOL ReleaseMutex(HANDLE hMutex) {
    KernelObject* mutex = FindMutex(hMutex);
    if (mutex == nullptr) {
        lastError = ERROR_INVALID_HANDLE;
        return FALSE;
    }
    if (!mutex->owned) {
        lastError = ERROR_NOT_OWNER;
        return FALSE;
    }
    mutex->owned = false;
    LockByte(mutex->fd, kOwnerByte, F_UNLCK, F_OFD_SETLK);
    return TRUE;
}

HANDLE CreateSemaphoreW(LONG lInitialCount, LONG lMaximumCount, const wchar_t* lpName) {
    if (lMaximumCount <= 0 || lInitialCount < 0 || lInitialCount > lMaximumCount) {
        lastError = ERROR_INVALID_PARAMETER;
        return nullptr;
    }
    return OpenObject(Kind::Semaphore, lpName);
}

DWORD GetLastError() {
    return lastError;
}

BOOL CloseHandle(HANDLE hObject) {
    if (Handles().Take(hObject) == nullptr) {
        lastError = ERROR_INVALID_HANDLE;
        return FALSE;
    }
    return TRUE;
}
