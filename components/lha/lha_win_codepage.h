// The ANSI code page's lead bytes, for name checks that match how Windows reads the bytes.
#pragma once
#include <windows.h>
#include "components/lha/lha_names.h"

namespace lha {

inline LeadBytes AnsiLeadBytes() {
    LeadBytes t{};
    for (int b = 0x80; b < 0x100; ++b) t[b] = IsDBCSLeadByteEx(CP_ACP, static_cast<BYTE>(b)) != 0;
    return t;
}

}  // namespace lha
