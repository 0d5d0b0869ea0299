// Named mutexes and semaphores shared by all processes of one user, as the other platform's
// kernel offers them: the cross-process lock and the per-slot claims of the phase window.
// Each object is a lock on a file of its name in a private per-user runtime folder, so a
// claim vanishes with the process that holds it, however that process ends. Plain C++.
#pragma once

#include "platform/Win32Errors.h"
#include "platform/Win32Types.h"

inline constexpr DWORD WAIT_OBJECT_0 = 0;
inline constexpr DWORD WAIT_TIMEOUT = 0x102;
inline constexpr DWORD WAIT_FAILED = 0xFFFFFFFF;

// Creates the named mutex, not owned, or opens it if it exists (then GetLastError() is
// ERROR_ALREADY_EXISTS, else 0). Null when the object cannot be made, GetLastError() saying
// why; an initial owner is not offered (ERROR_NOT_SUPPORTED).
HANDLE CreateMutexW(BOOL bInitialOwner, const wchar_t* lpName);

// On a mutex handle: waits until this handle owns the mutex exclusively across all processes,
// for at most the given milliseconds; WAIT_TIMEOUT when the time runs out. A mutex
// whose owner ended without releasing it is simply taken over. Ownership is not counted: a
// handle that owns the mutex gets WAIT_OBJECT_0 again and gives it up with one release. Two
// handles on one mutex are two contenders, as two processes are. Semaphores cannot be waited
// on here (WAIT_FAILED with ERROR_NOT_SUPPORTED): they serve by their existence only.
DWORD WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds);

// Gives up the ownership taken by WaitForSingleObject on the same handle; FALSE with
// ERROR_NOT_OWNER when this handle does not own it.
BOOL ReleaseMutex(HANDLE hMutex);

// Creates the named semaphore, or opens it if some handle of any process holds it (then
// GetLastError() is ERROR_ALREADY_EXISTS, else 0). The semaphore lives while a handle on it
// is open. The counts are checked (0 <= initial <= maximum, maximum > 0) but not kept. Null
// when the object cannot be made; GetLastError() says why.
HANDLE CreateSemaphoreW(LONG lInitialCount, LONG lMaximumCount, const wchar_t* lpName);

// The error code of the calling thread's last failing call (or of the last creation).
DWORD GetLastError();

// Closes a handle from CreateMutexW or CreateSemaphoreW; FALSE with ERROR_INVALID_HANDLE for
// anything else. Closing a handle that owns its mutex gives the mutex up.
BOOL CloseHandle(HANDLE hObject);
