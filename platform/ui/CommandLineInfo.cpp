#include "platform/ui/CommandLineInfo.h"

// The framework's own options (shell commands, file names) have no use in these programs, so
// a collector that does not override a ParseParam ignores those arguments.
void CCommandLineInfo::ParseParam(const char* /*pszParam*/, BOOL /*bFlag*/, BOOL /*bLast*/) {}

void CCommandLineInfo::ParseParam(const wchar_t* /*pszParam*/, BOOL /*bFlag*/, BOOL /*bLast*/) {}
