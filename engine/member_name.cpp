// The archive member check.
#include "engine/member_name.h"
#include <cctype>
#include <string>
#include <vector>

namespace mov {
namespace {

bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

bool IsDeviceName(std::string_view part) {
    std::string base(part.substr(0, part.find('.')));
    while (!base.empty() && base.back() == ' ') base.pop_back();
    for (char& c : base) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL" || base == "CONIN$" || base == "CONOUT$")
        return true;
    return base.size() == 4 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) && base[3] >= '1' &&
           base[3] <= '9';
}

bool IsSafePart(std::string_view part) {
    if (part.empty() || part.size() > 255) return false;
    if (part.back() == '.' || part.back() == ' ') return false;  // also "." and ".."
    return !IsDeviceName(part);
}

}  // namespace

bool IsSafeMemberName(std::string_view name) {
    if (name.empty() || name.size() > 259) return false;
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (size_t i = 0; i < name.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(name[i]);
        if (IsLeadByte(c)) {
            const unsigned char next = i + 1 < name.size() ? static_cast<unsigned char>(name[i + 1]) : 0;
            if (next < 0x40 || next == 0x7F || next > 0xFC) return false;
            ++i;
            continue;
        }
        if (c < 0x20 || c == 0x7F) return false;
        switch (c) {
        case ':': case '<': case '>': case '"': case '|': case '?': case '*':
            return false;
        case '\\': case '/':
            parts.push_back(name.substr(start, i - start));
            start = i + 1;
            break;
        default:
            break;
        }
    }
    parts.push_back(name.substr(start));
    for (std::string_view p : parts)
        if (!IsSafePart(p)) return false;
    return true;
}

}  // namespace mov
