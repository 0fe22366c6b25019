// Command-line splitting by the caller's plain quoting rule, not the C runtime's argv rules.
#include "components/jpeg/command_line.h"
#include <cstring>

namespace jpeg {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Takes the last token of [begin, end) off its end. Shift-JIS trail bytes are never '"',
// ' ' or '\t', and '"' cannot occur in a Windows file name, so bytes compare directly.
bool LastToken(const char* begin, const char*& end, std::string& out) {
    while (end > begin && IsBlank(end[-1])) --end;
    if (end == begin) return false;
    const char* stop = end;
    if (end[-1] == '"') {
        const char* p = end - 1;
        while (p > begin && p[-1] != '"') --p;
        if (p == begin) return false;  // no opening quote
        out.assign(p, stop - 1);
        end = p - 1;
    } else {
        const char* p = end;
        while (p > begin && !IsBlank(p[-1]) && p[-1] != '"') --p;
        out.assign(p, stop);
        end = p;
    }
    // A token must stand apart from what comes before it.
    return end == begin || IsBlank(end[-1]);
}

// The program name: one quoted token, or unquoted text that may hold blanks.
bool IsProgramName(const char* begin, const char* end) {
    while (end > begin && IsBlank(end[-1])) --end;
    while (begin < end && IsBlank(*begin)) ++begin;
    if (begin == end) return false;
    const char* quote = static_cast<const char*>(std::memchr(begin, '"', end - begin));
    if (quote == nullptr) return true;
    if (quote != begin || end - begin < 2 || end[-1] != '"') return false;
    return std::memchr(begin + 1, '"', end - begin - 2) == nullptr;
}

}  // namespace

bool ParseConverterCommandLine(const char* commandLine, std::string& jpegPath, std::string& bmpPath) {
    if (commandLine == nullptr) return false;
    const char* begin = commandLine;
    const char* end = begin + std::strlen(begin);
    std::string a, b;
    if (!LastToken(begin, end, b) || !LastToken(begin, end, a)) return false;
    if (a.empty() || b.empty() || !IsProgramName(begin, end)) return false;
    jpegPath = a;
    bmpPath = b;
    return true;
}

}  // namespace jpeg
