#include "about/CCreditsCommandLineInfo.h"

CCreditsCommandLineInfo::CCreditsCommandLineInfo() : m_args{}, m_nArgs(0) {}

void CCreditsCommandLineInfo::ParseParam(const char* pszParam, BOOL /*bFlag*/, BOOL /*bLast*/) {
    if (m_nArgs >= kArgumentSlots || pszParam == nullptr) {
        return;
    }
    CopyBounded(m_args[m_nArgs], kArgumentSlotSize, pszParam);
    ++m_nArgs;
}
