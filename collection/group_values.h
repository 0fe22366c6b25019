// The Group key's value names: "%.02d" of each group's index.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace mov {

// "%.02d" of the index: "00" .. "99", then "100" ...
std::string GroupValueName(int index);

// The index a stored value name holds when it is one the program writes for an index
// 0..count ("00", "07", "123"; not "7", "007" or "+1"); false for any other name.
bool GroupIndexOfName(std::string_view name, int32_t count, int32_t& index);

}  // namespace mov
