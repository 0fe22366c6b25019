// Builds LHA headers byte by byte, the way the format lays them out.
#include "lha_test_archives.h"
#include <cstdio>
#include "components/lha/lha_crc16.h"

namespace lhatest {
namespace {

void Put16(std::string& s, uint32_t v) {
    s.push_back(static_cast<char>(v & 0xFF));
    s.push_back(static_cast<char>((v >> 8) & 0xFF));
}
void Put32(std::string& s, uint32_t v) {
    Put16(s, v & 0xFFFF);
    Put16(s, v >> 16);
}

uint16_t DataCrc(const Entry& e) {
    uint16_t crc = lha::Crc16(0, reinterpret_cast<const uint8_t*>(e.data.data()), e.data.size());
    return e.badCrc ? static_cast<uint16_t>(crc ^ 0x5A5A) : crc;
}

// Extended header: type, data, and the size of the next one (written by the caller).
std::string Ext(uint8_t type, const std::string& data) {
    std::string s(1, static_cast<char>(type));
    s += data;
    return s;
}

}  // namespace

std::string MemberBytes(const Entry& e) {
    uint32_t size = e.declaredSize >= 0 ? static_cast<uint32_t>(e.declaredSize) : static_cast<uint32_t>(e.data.size());
    std::string h;
    if (e.level == 0 || e.level == 1) {
        std::vector<std::string> exts;
        if (e.level == 1 && !e.folder.empty()) exts.push_back(Ext(0x02, e.folder));
        uint32_t extBytes = 0;
        for (auto& x : exts) extBytes += static_cast<uint32_t>(x.size() + 2);
        h.push_back(0);  // header size, set below
        h.push_back(0);  // checksum, set below
        h += e.method.substr(0, 5);
        Put32(h, static_cast<uint32_t>(e.data.size()) + extBytes);
        Put32(h, size);
        Put32(h, 0x5A8C6000);  // an MS-DOS time stamp
        h.push_back(0x20);
        h.push_back(static_cast<char>(e.level));
        h.push_back(static_cast<char>(e.name.size()));
        h += e.name;
        Put16(h, DataCrc(e));
        if (e.level == 1) {
            h.push_back('M');
            Put16(h, exts.empty() ? 0 : static_cast<uint32_t>(exts[0].size() + 2));
        }
        h[0] = static_cast<char>(h.size() - 2);
        uint8_t sum = 0;
        for (size_t i = 2; i < h.size(); ++i) sum = static_cast<uint8_t>(sum + static_cast<uint8_t>(h[i]));
        h[1] = static_cast<char>(sum);
        for (size_t i = 0; i < exts.size(); ++i) {
            h += exts[i];
            Put16(h, i + 1 < exts.size() ? static_cast<uint32_t>(exts[i + 1].size() + 2) : 0);
        }
    } else {
        std::vector<std::string> exts;
        exts.push_back(Ext(0x01, e.name));
        if (!e.folder.empty()) exts.push_back(Ext(0x02, e.folder));
        Put16(h, 0);  // total header size, set below
        h += e.method.substr(0, 5);
        Put32(h, static_cast<uint32_t>(e.data.size()));
        Put32(h, size);
        Put32(h, 1700000000);  // a Unix time stamp
        h.push_back(0x20);
        h.push_back(2);
        Put16(h, DataCrc(e));
        h.push_back('W');
        Put16(h, static_cast<uint32_t>(exts[0].size() + 2));
        for (size_t i = 0; i < exts.size(); ++i) {
            h += exts[i];
            Put16(h, i + 1 < exts.size() ? static_cast<uint32_t>(exts[i + 1].size() + 2) : 0);
        }
        h[0] = static_cast<char>(h.size() & 0xFF);
        h[1] = static_cast<char>(h.size() >> 8);
    }
    return h + e.data;
}

std::string Archive(const std::vector<Entry>& entries, bool endMark) {
    std::string s;
    for (const Entry& e : entries) s += MemberBytes(e);
    if (endMark) s.push_back('\0');
    return s;
}

std::string ReadFile(const std::string& path) {
    std::string out;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return out;
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
    std::fclose(f);
    return out;
}

bool WriteFile(const std::string& path, const std::string& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace lhatest
