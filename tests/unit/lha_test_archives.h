// Hand-made LHA archives (stored -lh0- data, header levels 0, 1 and 2) for the cases no
// archiver writes: hostile names, raw Shift-JIS bytes, bad CRCs, cut-short data.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace lhatest {

struct Entry {
    std::string name;         // raw bytes of the file name field
    std::string data;
    int level = 2;
    std::string folder;       // level 1/2: raw bytes of the folder field (0xFF separated); empty: none
    std::string method = "-lh0-";
    bool badCrc = false;      // store a CRC that does not match the data
    int64_t declaredSize = -1;  // original size to claim instead of data.size()
};

// One member's header and data.
std::string MemberBytes(const Entry& e);
// Members one after another, closed by the end mark (a zero byte) unless endMark is false.
std::string Archive(const std::vector<Entry>& entries, bool endMark = true);

std::string ReadFile(const std::string& path);
bool WriteFile(const std::string& path, const std::string& bytes);

}  // namespace lhatest
