// Walks an archive with lhasa's reader over our byte source and decodes members in 64 KiB steps.
#include "lha_archive.h"
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <lha_decoder.h>
#include <lha_input_stream.h>
#include <lha_reader.h>
#include "lha_crc16.h"

namespace lha {
namespace {

// lhasa reads through these callbacks, so we always know how far into the archive it is.
struct StreamState {
    ByteSource* src;
    uint64_t pos;
};

int StreamRead(void* handle, void* buf, size_t len) {
    auto* s = static_cast<StreamState*>(handle);
    if (len > (1u << 30)) len = 1u << 30;
    size_t n = s->src->ReadAt(s->pos, buf, len);
    s->pos += n;
    return static_cast<int>(n);
}

int StreamSkip(void* handle, size_t bytes) {
    auto* s = static_cast<StreamState*>(handle);
    uint64_t left = s->src->Size() > s->pos ? s->src->Size() - s->pos : 0;
    if (bytes > left) {
        s->pos = s->src->Size();
        return 0;
    }
    s->pos += bytes;
    return 1;
}

void StreamClose(void*) {}

const LHAInputStreamType kStreamType = {StreamRead, StreamSkip, StreamClose};

class Session {
public:
    explicit Session(ByteSource& src) : state_{&src, 0} {
        stream_ = lha_input_stream_new(&kStreamType, &state_);
        if (stream_) reader_ = lha_reader_new(stream_);
        if (reader_) lha_reader_set_dir_policy(reader_, LHA_READER_DIR_PLAIN);
    }
    ~Session() {
        if (reader_) lha_reader_free(reader_);
        if (stream_) lha_input_stream_free(stream_);
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    bool ok() const { return reader_ != nullptr; }
    LHAReader* reader() { return reader_; }
    uint64_t pos() const { return state_.pos; }

    // The next real header (entries lhasa repeats for its own bookkeeping are skipped).
    LHAFileHeader* Next() {
        for (;;) {
            LHAFileHeader* h = lha_reader_next_file(reader_);
            if (!h || !lha_reader_current_is_fake(reader_)) return h;
        }
    }

private:
    StreamState state_;
    LHAInputStream* stream_ = nullptr;
    LHAReader* reader_ = nullptr;
};

Member Describe(LHAFileHeader* h, uint64_t dataStart, uint64_t archiveSize, const LeadBytes& lead,
                const Limits& limits) {
    Member m;
    m.method.assign(h->compress_method, strnlen(h->compress_method, 5));
    m.level = h->header_level;
    m.os = h->os_type;
    m.packedSize = h->compressed_length;
    m.size = h->length;
    m.crc = h->crc;
    m.isFile = std::strcmp(h->compress_method, LHA_COMPRESS_TYPE_DIR) != 0;
    m.intact = dataStart <= archiveSize && h->compressed_length <= archiveSize - dataStart;
    m.knownMethod = m.isFile && lha_decoder_for_name(h->compress_method) != nullptr;
    NameResult nr = MemberName(h->raw_data, h->raw_data_len, lead);
    m.verdict = nr.verdict;
    if (nr.verdict == NameVerdict::kOk) m.name = std::move(nr.name);
    m.renamed = nr.renamed;
    m.offered = m.isFile && m.verdict == NameVerdict::kOk && m.intact && m.knownMethod &&
                m.size <= SizeCap(m.packedSize, limits);
    return m;
}

// Why a member of the wanted name is not unpacked.
Status Refusal(const Member& m, const Limits& limits) {
    if (!m.intact) return Status::kDamaged;
    if (!m.knownMethod) return Status::kBadMethod;
    if (m.size > SizeCap(m.packedSize, limits)) return Status::kTooLarge;
    return Status::kNotFound;
}

// MacBinary headers that lhasa strips make our own CRC useless there: lhasa checks the
// member on a separate pass instead.
bool LhasaCheckAt(ByteSource& src, size_t index) {
    Session s(src);
    if (!s.ok()) return false;
    for (size_t i = 0;; ++i) {
        if (!s.Next()) return false;
        if (i == index) return lha_reader_check(s.reader(), nullptr, nullptr) != 0;
    }
}

Status Decode(LHAReader* reader, const Member& m, bool checkCrc, Sink& sink) {
    if (!sink.Begin(m.name, m.size)) return Status::kWriteFailed;
    std::unique_ptr<uint8_t[]> buf(new (std::nothrow) uint8_t[1 << 16]);
    if (!buf) {
        sink.Discard();
        return Status::kNoMemory;
    }
    uint64_t total = 0;
    uint16_t crc = 0;
    for (;;) {
        size_t n = lha_reader_read(reader, buf.get(), 1 << 16);
        if (n == 0) break;
        total += n;
        if (total > m.size) break;  // never more than the header promised
        crc = Crc16(crc, buf.get(), n);
        if (!sink.Write(buf.get(), n)) {
            sink.Discard();
            return Status::kWriteFailed;
        }
    }
    bool lengthOk = checkCrc ? total == m.size : total <= m.size;
    if (!lengthOk || (checkCrc && crc != m.crc)) {
        sink.Discard();
        return Status::kCrcError;
    }
    return sink.Finish() ? Status::kOk : Status::kWriteFailed;
}

}  // namespace

uint64_t SizeCap(uint64_t packed, const Limits& limits) {
    uint64_t byRatio = packed > limits.ceiling / (limits.ratio ? limits.ratio : 1) ? limits.ceiling : packed * limits.ratio;
    uint64_t cap = byRatio > limits.floor ? byRatio : limits.floor;
    return cap < limits.ceiling ? cap : limits.ceiling;
}

const char* StatusText(Status s) {
    switch (s) {
        case Status::kOk: return "ok";
        case Status::kOpenFailed: return "cannot open archive";
        case Status::kNotArchive: return "not an LHA archive";
        case Status::kDamaged: return "archive damaged or cut short";
        case Status::kNotFound: return "no such member";
        case Status::kTooLarge: return "member too large";
        case Status::kBadMethod: return "unknown method";
        case Status::kCrcError: return "CRC error";
        case Status::kWriteFailed: return "cannot write output";
        case Status::kNoMemory: return "out of memory";
        case Status::kBadCommand: return "unknown command";
    }
    return "?";
}

Listing ReadListing(ByteSource& src, const LeadBytes& lead, const Limits& limits) {
    Listing out;
    Session s(src);
    if (!s.ok()) {
        out.status = Status::kNoMemory;
        return out;
    }
    const uint64_t size = src.Size();
    uint64_t nextHeader = 0;
    bool damaged = false;
    std::map<std::string, int> named;  // file members of each safe name
    while (LHAFileHeader* h = s.Next()) {
        Member m = Describe(h, s.pos(), size, lead, limits);
        nextHeader = s.pos() + h->compressed_length;
        if (!m.intact) damaged = true;
        if (m.isFile && m.verdict == NameVerdict::kOk) ++named[m.name];
        out.members.push_back(std::move(m));
    }
    if (out.members.empty()) {
        out.status = Status::kNotArchive;
        return out;
    }
    // Two stored names Windows makes one ("a." and "a"): the renamed one is not offered, so
    // the listed name never stands for a member the user did not see.
    std::set<std::string> seen;
    for (Member& m : out.members) {
        if (m.offered && m.renamed && named[m.name] > 1) m.offered = false;
        if (m.offered) m.offered = seen.insert(m.name).second;
    }
    // lhasa stops quietly at a header it cannot read: only the end mark (a zero byte) or
    // the end of the file is a proper end.
    uint8_t mark = 0;
    if (nextHeader < size && (src.ReadAt(nextHeader, &mark, 1) != 1 || mark != 0)) damaged = true;
    out.status = damaged ? Status::kDamaged : Status::kOk;
    return out;
}

std::string ListText(const Listing& listing, size_t maxName) {
    std::string text;
    for (const Member& m : listing.members) {
        if (!m.offered || m.name.size() > maxName) continue;
        text += m.name;
        text += "\r\n";
    }
    return text;
}

Status ExtractMember(ByteSource& src, const LeadBytes& lead, const Limits& limits, std::string_view name,
                     Sink& sink) {
    // Whether a name is offered can depend on later members, so the listing picks the member.
    Listing listing = ReadListing(src, lead, limits);
    if (listing.status == Status::kNotArchive || listing.status == Status::kNoMemory) return listing.status;
    Status refusal = Status::kNotFound;
    size_t index = 0;
    for (; index < listing.members.size(); ++index) {
        const Member& m = listing.members[index];
        if (m.offered && m.name == name) break;
        if (m.isFile && m.verdict == NameVerdict::kOk && m.name == name && refusal == Status::kNotFound)
            refusal = Refusal(m, limits);
    }
    if (index == listing.members.size()) return refusal;
    const Member& m = listing.members[index];
    Session s(src);
    if (!s.ok()) return Status::kNoMemory;
    for (size_t i = 0; i <= index; ++i)
        if (!s.Next()) return Status::kDamaged;
    bool mac = m.os == LHA_OS_TYPE_MACOS;
    if (mac && !LhasaCheckAt(src, index)) return Status::kCrcError;
    return Decode(s.reader(), m, !mac, sink);
}

Status TestArchive(ByteSource& src, const LeadBytes& lead, const Limits& limits) {
    Listing listing = ReadListing(src, lead, limits);
    if (listing.status != Status::kOk) return listing.status;
    Session s(src);
    if (!s.ok()) return Status::kNoMemory;
    for (const Member& m : listing.members) {
        if (!s.Next()) return Status::kDamaged;
        if (!m.isFile) continue;
        if (!m.knownMethod) return Status::kBadMethod;
        if (m.size > SizeCap(m.packedSize, limits)) return Status::kTooLarge;
        if (!lha_reader_check(s.reader(), nullptr, nullptr)) return Status::kCrcError;
    }
    return Status::kOk;
}

}  // namespace lha
