// Listing, unpacking and testing LHA archives on lhasa, with safe names, size caps and CRC checks.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>
#include "lha_names.h"
#include "lha_source.h"

namespace lha {

// The most a member may unpack to: max(floor, ratio x packed size), never above the ceiling.
// Real pictures stored with LZH methods shrink a few times at most; even a flat-colour
// screen bitmap stays under the 64 MiB floor, while a 1 MiB bomb can reach no more than
// 256 MiB instead of the 4 GiB its header may claim.
struct Limits {
    uint64_t floor = 64ull << 20;
    uint64_t ratio = 256;
    uint64_t ceiling = (2ull << 30) - 1;
};
uint64_t SizeCap(uint64_t packed, const Limits& limits);

enum class Status {
    kOk,
    kOpenFailed,   // the archive file cannot be read
    kNotArchive,   // no member header found
    kDamaged,      // a broken header, or packed data cut short
    kNotFound,     // no member of that name is offered
    kTooLarge,     // beyond the size cap
    kBadMethod,    // a compression method lhasa does not know
    kCrcError,     // unpacked data that does not match the header's CRC or length
    kWriteFailed,  // the output could not be made or written
    kNoMemory,
    kBadCommand,   // a command string Unlha() does not know
};
const char* StatusText(Status s);

struct Member {
    std::string name;          // safe name, parts joined with '\' (empty unless verdict is kOk)
    NameVerdict verdict = NameVerdict::kNoName;
    std::string method;        // "-lh5-" ...
    int level = 0;
    uint8_t os = 0;
    uint64_t packedSize = 0;
    uint64_t size = 0;
    uint16_t crc = 0;
    bool isFile = false;       // not a folder or link entry
    bool intact = false;       // all packed data lies inside the archive
    bool knownMethod = false;
    bool offered = false;      // listed, and the one unpacked under its name
    bool renamed = false;      // trailing dots or blanks dropped from the stored name
};

struct Listing {
    Status status = Status::kOk;  // kOk, kNotArchive or kDamaged (members before the damage are kept)
    std::vector<Member> members;
};

// Reads every header. A member is offered when it is a file with a safe name, whole,
// of a known method, within the size cap, and the first of its name. A member whose name
// lost trailing dots or blanks is not offered when any other member has that name.
Listing ReadListing(ByteSource& src, const LeadBytes& lead, const Limits& limits);

// The list file: offered names no longer than maxName, each ended by CR LF.
std::string ListText(const Listing& listing, size_t maxName);

// Receives one unpacked member. Discard removes whatever Begin made.
class Sink {
public:
    virtual ~Sink() = default;
    virtual bool Begin(const std::string& name, uint64_t size) = 0;
    virtual bool Write(const uint8_t* data, size_t len) = 0;
    virtual bool Finish() = 0;  // false if the output could not be completed (then it is removed)
    virtual void Discard() = 0;
};

// Unpacks the offered member of this exact name (as ListText writes it) into the sink.
// On any failure after Begin the sink is told to Discard.
Status ExtractMember(ByteSource& src, const LeadBytes& lead, const Limits& limits, std::string_view name,
                     Sink& sink);

// Decodes every offered member and checks its CRC; kOk only for a wholly sound archive.
Status TestArchive(ByteSource& src, const LeadBytes& lead, const Limits& limits);

}  // namespace lha
