// Group value names.
#include "collection/group_values.h"
#include <cstdio>

namespace mov {

std::string GroupValueName(int index) {
    char name[16];
    std::snprintf(name, sizeof name, "%.02d", index);
    return name;
}

bool GroupIndexOfName(std::string_view name, int32_t count, int32_t& index) {
    if (name.empty() || name.size() > 10) return false;
    int64_t n = 0;
    for (char c : name) {
        if (c < '0' || c > '9') return false;
        n = n * 10 + (c - '0');
    }
    if (n > count || GroupValueName(static_cast<int>(n)) != name) return false;
    index = static_cast<int32_t>(n);
    return true;
}

}  // namespace mov
