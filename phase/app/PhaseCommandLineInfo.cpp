#include "phase/app/PhaseCommandLineInfo.h"

CPhaseCommandLineInfo::CPhaseCommandLineInfo() : m_args{}, m_nArgs(0) {}

void CPhaseCommandLineInfo::ParseParam(const wchar_t* pszParam, BOOL /*bFlag*/, BOOL /*bLast*/) {
    if (m_nArgs >= kArgSlots || pszParam == nullptr) {
        return;
    }
    wchar_t* slot = m_args[m_nArgs];
    int32_t n = 0;
    for (; n < kArgChars - 1 && pszParam[n] != L'\0'; ++n) {
        slot[n] = pszParam[n];
    }
    slot[n] = L'\0';
    ++m_nArgs;
}
