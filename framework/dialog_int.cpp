// Parsing and refusal texts of integer dialog fields.
#include "framework/dialog_int.h"
#include <cstdint>
#include <limits>

namespace fw {
namespace {
bool Blank(char c) { return c == ' ' || c == '\t'; }
}  // namespace

bool ParseDialogInt(const std::string& text, int& out) {
    size_t i = 0, n = text.size();
    while (i < n && Blank(text[i])) ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const size_t firstDigit = i;
    int64_t v = 0;
    const int64_t limit = negative ? -static_cast<int64_t>(std::numeric_limits<int>::min())
                                   : static_cast<int64_t>(std::numeric_limits<int>::max());
    for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i) {
        v = v * 10 + (text[i] - '0');
        if (v > limit) return false;
    }
    if (i == firstDigit) return false;
    while (i < n && Blank(text[i])) ++i;
    if (i != n) return false;
    out = static_cast<int>(negative ? -v : v);
    return true;
}

std::string NotAnIntegerText() { return "整数を入力してください。"; }

std::string IntRangeText(int low, int high) {
    std::string t = "%1 から %2 までの整数を入力してください。";
    const std::string lo = std::to_string(low), hi = std::to_string(high);
    t.replace(t.find("%1"), 2, lo);
    t.replace(t.find("%2"), 2, hi);
    return t;
}

}  // namespace fw
