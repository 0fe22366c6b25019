// The persisted positions in the groups; fields are named after their registry values.
#pragma once
#include <cstdint>

namespace mov {

struct Positions {
    int32_t DirPos = 0;    // current group index
    int32_t BmpPos = 0;    // current file index in the file list
    int32_t RandSeed = 0;  // seed of the "Rand2" shuffle
};

}  // namespace mov
