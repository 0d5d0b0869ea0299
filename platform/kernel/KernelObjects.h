// Named mutexes and semaphores shared by all processes of one user, as the other platform's
// kernel offers them: the cross-process lock and the per-slot claims of the phase window.
// Each object is a lock on a file of its name in a private per-user runtime folder, so a
// claim vanishes with the process that holds it, however that process ends. Plain C++.
#pragma once

#include "platform/Win32Errors.h"
#include "platform/Win32Types.h"

inline constexpr DWORD INFINITE = 0xFFFFFFFF;
inline constexpr DWORD WAIT_OBJECT_0 = 0;
inline constexpr DWORD WAIT_ABANDONED = 0x80;
inline constexpr DWORD WAIT_TIMEOUT = 0x102;
inline constexpr DWORD WAIT_FAILED = 0xFFFFFFFF;

// Creates the named mutex, owned by the new handle if bInitialOwner, or opens it if it exists
// (then GetLastError() is ERROR_ALREADY_EXISTS, else 0). Null when the object cannot be made;
// GetLastError() says why.
HANDLE CreateMutexW(BOOL bInitialOwner, const wchar_t* lpName);

// On a mutex handle: waits until this handle owns the mutex exclusively across all processes
// (INFINITE, or a time limit in milliseconds). WAIT_ABANDONED when the previous owner ended
// without releasing it; the mutex is then owned all the same. A handle that already owns the
// mutex takes it once more and must release it as often; two handles on one mutex are two
// contenders, as two processes are, even in one thread. WAIT_TIMEOUT when the time runs out.
// Semaphores cannot be waited on here (WAIT_FAILED with ERROR_NOT_SUPPORTED): they serve by
// their existence only.
DWORD WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds);

// Gives up one ownership of the mutex taken by WaitForSingleObject on the same handle.
BOOL ReleaseMutex(HANDLE hMutex);

// Creates the named semaphore, or opens it if some handle of any process holds it (then
// GetLastError() is ERROR_ALREADY_EXISTS, else 0). The semaphore lives while a handle on it
// is open. The counts are checked (0 <= initial <= maximum, maximum > 0) but not kept. Null
// when the object cannot be made; GetLastError() says why.
HANDLE CreateSemaphoreW(LONG lInitialCount, LONG lMaximumCount, const wchar_t* lpName);

// The error code of the calling thread's last failing call (or of the last creation).
DWORD GetLastError();

// Closes a handle from CreateMutexW or CreateSemaphoreW; FALSE with ERROR_INVALID_HANDLE for
// anything else. Closing a handle that owns its mutex gives the mutex up as abandoned.
BOOL CloseHandle(HANDLE hObject);
