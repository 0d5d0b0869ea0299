// The collector of the credits program's command-line arguments: up to twenty, each kept as
// the bytes given, within its slot.
#pragma once

#include "about/ArgumentSlots.h"
#include "platform/ui/CommandLineInfo.h"

class CCreditsCommandLineInfo : public CCommandLineInfo {
public:
    CCreditsCommandLineInfo();

    using CCommandLineInfo::ParseParam;
    // Stores the argument in the next free slot; arguments beyond the twentieth are dropped.
    void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast) override;

    ArgumentSlot m_args[kArgumentSlots];
    int m_nArgs;
};
