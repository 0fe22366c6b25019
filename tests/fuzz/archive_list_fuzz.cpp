// Fuzz target: the LHA program's list file as the scan filters it, and the names the change
// cycle then unpacks. First byte: SCenabled and JpegAvailable; the rest is the file.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "collection/archive_list.h"
#include "collection/file_kind.h"
#include "engine/member_name.h"

namespace {

bool IsLead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// Our own walk of the name the way Windows resolves it below the work folder: trailing dots
// and blanks go, "." stays, ".." climbs, a colon means a drive or a stream. Done both with
// double-byte characters and byte by byte, so a trail byte 0x5C cannot hide a climb.
bool StaysInside(std::string_view name, bool doubleByte) {
    if (name.empty() || name[0] == '\\' || name[0] == '/') return false;
    std::string part;
    std::vector<std::string> parts;
    for (size_t i = 0; i < name.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(name[i]);
        if (doubleByte && IsLead(c) && i + 1 < name.size()) {
            part.push_back(name[i]);
            part.push_back(name[++i]);
            continue;
        }
        if (c == ':') return false;
        if (c == '\\' || c == '/') {
            parts.push_back(part);
            part.clear();
        } else {
            part.push_back(name[i]);
        }
    }
    parts.push_back(part);
    int depth = 0;
    for (size_t i = 0; i < parts.size(); ++i) {
        std::string p = parts[i];
        const bool climbs = p.find("..") != std::string::npos;
        while (!p.empty() && (p.back() == '.' || p.back() == ' ')) p.pop_back();
        if (p.empty()) {
            if (i + 1 == parts.size()) return false;  // names a folder, not a file
            if (climbs && --depth < 0) return false;  // "..", also "..." and ". ." to be safe
            continue;
        }
        ++depth;
    }
    return depth > 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const int scEnabled = data[0] % 4;  // 3 is no stored code, read as the others are
    const int jpegAvailable = (data[0] >> 2) & 1;
    const std::string_view content(reinterpret_cast<const char*>(data + 1), size - 1);

    const std::vector<std::string> entries = mov::ArchiveListEntries(content, scEnabled, jpegAvailable);
    if (entries != mov::ArchiveListEntries(content, scEnabled, jpegAvailable)) std::abort();
    if (scEnabled == 1 && !entries.empty()) std::abort();
    for (const std::string& e : entries) {
        // The list box keeps a name up to its first zero byte: that must be the name filtered.
        if (e.empty() || e.find('\0') != std::string::npos) std::abort();
        if (!mov::IsBitmapName(e) && !(jpegAvailable == 1 && mov::IsShortJpegName(e))) std::abort();
        // What the change cycle agrees to unpack must land inside the work folder.
        if (mov::IsSafeMemberName(e) && (!StaysInside(e, true) || !StaysInside(e, false))) std::abort();
    }
    return 0;
}
