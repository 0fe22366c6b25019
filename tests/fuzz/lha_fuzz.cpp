// Fuzz target for the archive reading path: headers, names, listing and decoding of every
// offered member. Beyond crashes it checks what the core promises for every offered member
// (a safe relative name, an unpacked size within the cap) and aborts when a promise breaks.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>
#include "components/lha/lha_archive.h"
#include "components/lha/lha_command_line.h"

namespace {

[[noreturn]] void Broken(const char* promise, const std::string& name) {
    std::fprintf(stderr, "lha_fuzz: offered member breaks the promise \"%s\": ", promise);
    for (unsigned char c : name) std::fprintf(stderr, c >= 0x20 && c < 0x7F ? "%c" : "\\x%02X", c);
    std::fprintf(stderr, "\n");
    std::abort();
}

// Checked here on its own terms, not with the core's helpers, so a fault there shows.
bool IsDevice(std::string part) {
    part = part.substr(0, part.find('.'));
    while (!part.empty() && part.back() == ' ') part.pop_back();
    for (char& c : part) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    for (const char* d : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$", "CLOCK$"})
        if (part == d) return true;
    if (part.size() != 4 || (part.compare(0, 3, "COM") != 0 && part.compare(0, 3, "LPT") != 0)) return false;
    unsigned char n = static_cast<unsigned char>(part[3]);
    return (n >= '0' && n <= '9') || n == 0xB9 || n == 0xB2 || n == 0xB3;
}

void CheckName(const std::string& name, const lha::LeadBytes& lead) {
    if (name.empty() || name.size() > lha::kMaxName) Broken("length 1 to kMaxName", name);
    std::vector<std::string> parts(1);
    for (size_t i = 0; i < name.size(); ++i) {
        unsigned char b = static_cast<unsigned char>(name[i]);
        if (lead[b]) {
            unsigned char t = i + 1 < name.size() ? static_cast<unsigned char>(name[i + 1]) : 0;
            if (t < 0x40 || t == 0x7F || t == 0xFF) Broken("whole characters", name);
            parts.back() += name.substr(i++, 2);
        } else if (b == '\\') {
            parts.emplace_back();
        } else {
            if (b < 0x20 || b == 0x7F) Broken("no control character", name);
            if (b == ':') Broken("no drive or stream", name);
            if (std::strchr("<>\"|?*/", b)) Broken("no reserved character", name);
            parts.back().push_back(static_cast<char>(b));
        }
    }
    if (parts.front().empty()) Broken("relative", name);
    for (const std::string& p : parts) {
        if (p.empty() || p == "." || p == "..") Broken("no empty, . or .. part", name);
        if (p.back() == '.' || p.back() == ' ') Broken("no trailing dot or blank", name);
        if (IsDevice(p)) Broken("no device name", name);
    }
}

// Counts what would be written and traps if a member ever outgrows its cap.
struct CountingSink : lha::Sink {
    std::string expected;
    uint64_t cap = 0, written = 0;
    bool Begin(const std::string& name, uint64_t) override {
        if (name != expected) Broken("unpacked under its listed name", name);
        written = 0;
        return true;
    }
    bool Write(const uint8_t*, size_t len) override {
        written += len;
        if (written > cap) Broken("unpacked size within the cap", expected);
        return true;
    }
    bool Finish() override { return true; }
    void Discard() override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    lha::Limits limits;
    limits.floor = 1 << 20;  // small caps keep each run quick
    limits.ratio = 64;
    limits.ceiling = 8 << 20;
    lha::MemorySource src(data, size);
    for (const lha::LeadBytes& lead : {lha::ShiftJisLeadBytes(), lha::SingleByteLeadBytes()}) {
        lha::MemberName(data, size, lead);
        lha::Listing listing = lha::ReadListing(src, lead, limits);
        lha::ListText(listing, lha::kMaxName);
        for (const lha::Member& m : listing.members) {
            if (!m.offered) continue;
            CheckName(m.name, lead);
            CountingSink sink;
            sink.expected = m.name;
            sink.cap = lha::SizeCap(m.packedSize, limits);
            if (m.size > sink.cap) Broken("declared size within the cap", m.name);
            lha::ExtractMember(src, lead, limits, m.name, sink);
        }
    }
    lha::ParseMeltArgs(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
