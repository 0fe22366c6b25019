// Fuzz target for the archive reading path: headers, names, listing and decoding of every offered member.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include "components/lha/lha_archive.h"
#include "components/lha/lha_command_line.h"

namespace {

// Counts what would be written and traps if a member ever outgrows its cap.
struct CountingSink : lha::Sink {
    uint64_t cap = 0, written = 0;
    bool Begin(const std::string&, uint64_t) override {
        written = 0;
        return true;
    }
    bool Write(const uint8_t*, size_t len) override {
        written += len;
        if (written > cap) std::abort();
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
            CountingSink sink;
            sink.cap = lha::SizeCap(m.packedSize, limits);
            lha::ExtractMember(src, lead, limits, m.name, sink);
        }
    }
    lha::ParseMeltArgs(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
