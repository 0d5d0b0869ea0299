// The collector of TidewellPhase's command-line arguments: up to 20 wide-character arguments
// of up to 199 characters each, in the order given.
#pragma once

#include <cstdint>

#include "platform/ui/CommandLineInfo.h"

class CPhaseCommandLineInfo : public CCommandLineInfo {
public:
    static constexpr int32_t kArgSlots = 20;
    static constexpr int32_t kArgChars = 200;  // terminator included

    CPhaseCommandLineInfo();

    using CCommandLineInfo::ParseParam;
    // Copies the argument into the next free slot. Arguments beyond the twentieth are dropped,
    // and one longer than 199 characters is cut there: nothing is written past the slots.
    void ParseParam(const wchar_t* pszParam, BOOL bFlag, BOOL bLast) override;

    wchar_t m_args[kArgSlots][kArgChars];
    int32_t m_nArgs;
};
