// Safe member names: raw header fields split at character boundaries and checked part by part.
#include "lha_names.h"
#include <cstring>

namespace lha {
namespace {

bool ValidTrail(uint8_t b) { return b >= 0x40 && b != 0x7F && b != 0xFF; }

uint32_t Get16(const uint8_t* p) { return p[0] | (p[1] << 8); }
uint32_t Get32(const uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

// A header field up to its first zero byte (Amiga archivers put a comment after it).
std::string_view Field(const uint8_t* p, size_t len) {
    const void* zero = std::memchr(p, 0, len);
    if (zero) len = static_cast<size_t>(static_cast<const uint8_t*>(zero) - p);
    return std::string_view(reinterpret_cast<const char*>(p), len);
}

// Splits at '\' and '/' (and 0xFF in a level 2/3 folder field) where a character begins.
bool SplitField(std::string_view s, bool ffSeparates, const LeadBytes& lead, std::vector<std::string>* parts) {
    std::string cur;
    for (size_t i = 0; i < s.size();) {
        uint8_t b = static_cast<uint8_t>(s[i]);
        if (lead[b]) {
            if (i + 1 >= s.size() || !ValidTrail(static_cast<uint8_t>(s[i + 1]))) return false;
            cur.append(s.substr(i, 2));
            i += 2;
            continue;
        }
        if (b == '\\' || b == '/' || (ffSeparates && b == 0xFF)) {
            parts->push_back(cur);
            cur.clear();
        } else {
            cur.push_back(static_cast<char>(b));
        }
        ++i;
    }
    parts->push_back(cur);
    return true;
}

bool IsDevice(std::string_view part) {
    size_t dot = part.find('.');
    std::string base(part.substr(0, dot));
    while (!base.empty() && base.back() == ' ') base.pop_back();
    for (char& c : base)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    static const char* const kNames[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$", "CLOCK$"};
    for (const char* n : kNames)
        if (base == n) return true;
    if (base.size() == 4 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0)) {
        uint8_t d = static_cast<uint8_t>(base[3]);
        // Digits, and the superscript digits that Windows also takes as port numbers.
        return (d >= '0' && d <= '9') || d == 0xB9 || d == 0xB2 || d == 0xB3;
    }
    return false;
}

// The folder (level 1-3 extended header 2) and file name fields of a raw header.
bool RawFields(const uint8_t* raw, size_t len, std::string_view* folder, std::string_view* file) {
    if (len < 22) return false;
    int level = raw[20];
    size_t pos = 0, fieldSize = 2;
    if (level == 0 || level == 1) {
        size_t nameLen = raw[21];
        if (22 + nameLen > len) return false;
        *file = Field(raw + 22, nameLen);
        if (level == 0) return true;
        pos = raw[0];  // the first extended header's size ends the base header
    } else if (level == 2) {
        pos = 24;
    } else if (level == 3) {
        pos = 28;
        fieldSize = 4;
    } else {
        return false;
    }
    while (pos + fieldSize <= len) {
        size_t size = fieldSize == 4 ? Get32(raw + pos) : Get16(raw + pos);
        if (size == 0) break;
        if (size < fieldSize + 1 || size > len - pos) return false;
        const uint8_t* data = raw + pos + fieldSize + 1;
        size_t dataLen = size - fieldSize - 1;
        uint8_t type = raw[pos + fieldSize];
        if (type == 0x01) *file = Field(data, dataLen);
        if (type == 0x02) *folder = Field(data, dataLen);
        pos += size;
    }
    return true;
}

}  // namespace

LeadBytes ShiftJisLeadBytes() {
    LeadBytes t{};
    for (int b = 0x81; b <= 0x9F; ++b) t[b] = true;
    for (int b = 0xE0; b <= 0xFC; ++b) t[b] = true;
    return t;
}

LeadBytes SingleByteLeadBytes() { return LeadBytes{}; }

const char* VerdictText(NameVerdict v) {
    switch (v) {
        case NameVerdict::kOk: return "ok";
        case NameVerdict::kNoName: return "no file name";
        case NameVerdict::kMalformed: return "malformed";
        case NameVerdict::kAbsolute: return "absolute path";
        case NameVerdict::kDotDot: return "dot folder";
        case NameVerdict::kDrive: return "drive or stream";
        case NameVerdict::kDevice: return "device name";
        case NameVerdict::kBadChar: return "forbidden character";
        case NameVerdict::kTrailingDot: return "trailing dot or blank";
        case NameVerdict::kEmptyPart: return "empty part";
        case NameVerdict::kTooLong: return "too long";
    }
    return "?";
}

NameVerdict CheckPart(std::string_view part, const LeadBytes& lead) {
    if (part.empty()) return NameVerdict::kEmptyPart;
    if (part.size() > 255) return NameVerdict::kTooLong;
    bool onlyDots = true;
    for (size_t i = 0; i < part.size();) {
        uint8_t b = static_cast<uint8_t>(part[i]);
        if (lead[b]) {
            if (i + 1 >= part.size() || !ValidTrail(static_cast<uint8_t>(part[i + 1]))) return NameVerdict::kMalformed;
            onlyDots = false;
            i += 2;
            continue;
        }
        if (b < 0x20 || b == 0x7F) return NameVerdict::kBadChar;
        if (b == ':') return NameVerdict::kDrive;
        if (std::strchr("<>\"|?*\\/", b)) return NameVerdict::kBadChar;
        if (b != '.' && b != ' ') onlyDots = false;
        ++i;
    }
    if (onlyDots) return NameVerdict::kDotDot;
    char last = part.back();  // a second byte is never below 0x40, so this is a whole character
    if (last == '.' || last == ' ') return NameVerdict::kTrailingDot;
    if (IsDevice(part)) return NameVerdict::kDevice;
    return NameVerdict::kOk;
}

NameResult MemberName(const uint8_t* raw, size_t rawLen, const LeadBytes& lead) {
    NameResult r;
    std::string_view folder, file;
    if (!RawFields(raw, rawLen, &folder, &file)) {
        r.verdict = NameVerdict::kMalformed;
        return r;
    }
    std::vector<std::string> parts;
    if (!folder.empty()) {
        if (!SplitField(folder, true, lead, &parts)) {
            r.verdict = NameVerdict::kMalformed;
            return r;
        }
        if (parts.size() > 1 && parts.back().empty()) parts.pop_back();  // "dir\xFF"
    }
    std::vector<std::string> fileParts;
    if (!SplitField(file, false, lead, &fileParts)) {
        r.verdict = NameVerdict::kMalformed;
        return r;
    }
    if (fileParts.back().empty()) {
        r.verdict = NameVerdict::kNoName;  // nothing after the last separator: a folder
        return r;
    }
    parts.insert(parts.end(), fileParts.begin(), fileParts.end());
    // Some archivers store the path from the root of their disk (\sub\x.txt, or a folder field
    // opening with 0xFF): the name still belongs inside the folder it is unpacked into.
    if (parts.size() > 1 && parts.front().empty()) parts.erase(parts.begin());
    if (parts.size() > 1 && parts.front().empty()) {
        r.verdict = NameVerdict::kAbsolute;
        return r;
    }
    std::string joined;
    for (size_t i = 0; i < parts.size(); ++i) {
        std::string& part = parts[i];
        // Windows drops trailing dots and blanks when it creates a file ("gpl-2." is "gpl-2");
        // a part of nothing else stays as it is and is refused.
        size_t keep = part.find_last_not_of(". ");
        if (keep != std::string::npos && keep + 1 < part.size()) {
            part.erase(keep + 1);
            r.renamed = true;
        }
        NameVerdict v = CheckPart(part, lead);
        if (v != NameVerdict::kOk) {
            r.verdict = v;
            return r;
        }
        if (i) joined.push_back('\\');
        joined += part;
    }
    if (joined.size() > kMaxName) {
        r.verdict = NameVerdict::kTooLong;
        return r;
    }
    r.verdict = NameVerdict::kOk;
    r.name = std::move(joined);
    return r;
}

bool SplitName(std::string_view name, const LeadBytes& lead, std::vector<std::string>* parts) {
    parts->clear();
    std::string cur;
    for (size_t i = 0; i < name.size();) {
        uint8_t b = static_cast<uint8_t>(name[i]);
        if (lead[b]) {
            if (i + 1 >= name.size() || !ValidTrail(static_cast<uint8_t>(name[i + 1]))) return false;
            cur.append(name.substr(i, 2));
            i += 2;
        } else if (b == '\\') {
            parts->push_back(cur);
            cur.clear();
            ++i;
        } else {
            cur.push_back(static_cast<char>(b));
            ++i;
        }
    }
    parts->push_back(cur);
    return true;
}

size_t FolderLength(std::string_view path, const LeadBytes& lead) {
    size_t end = 0;
    for (size_t i = 0; i < path.size();) {
        uint8_t b = static_cast<uint8_t>(path[i]);
        if (lead[b] && i + 1 < path.size()) {
            i += 2;
            continue;
        }
        if (b == '\\' || b == '/') end = i + 1;
        ++i;
    }
    return end;
}

}  // namespace lha
