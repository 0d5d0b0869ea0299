// The collector of a program's command-line arguments: CWinApp::ParseCommandLine hands it
// each argument in order, a leading "-" or "/" removed and reported as a flag. A program
// overrides the ParseParam of the characters it is built for.
#pragma once

#include "platform/Win32Types.h"

class CCommandLineInfo {
public:
    CCommandLineInfo() = default;
    CCommandLineInfo(const CCommandLineInfo&) = delete;
    CCommandLineInfo& operator=(const CCommandLineInfo&) = delete;
    virtual ~CCommandLineInfo() = default;

    // One argument of an 8-bit program: the bytes as given.
    virtual void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast);
    // One argument of a wide-character program, decoded from the locale's encoding.
    virtual void ParseParam(const wchar_t* pszParam, BOOL bFlag, BOOL bLast);
};
