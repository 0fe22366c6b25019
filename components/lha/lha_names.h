// Member names of LHA headers, taken byte for byte from the raw header and checked so that
// no name can reach outside the folder it is unpacked into.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lha {

// Which bytes open a two-byte character in the code page names are read in. A separator
// or forbidden byte in second position belongs to its character (Shift-JIS 0x5C).
using LeadBytes = std::array<bool, 256>;
LeadBytes ShiftJisLeadBytes();    // code page 932
LeadBytes SingleByteLeadBytes();  // a code page without two-byte characters

enum class NameVerdict {
    kOk,
    kNoName,        // a folder entry, or no file name stored
    kMalformed,     // a lead byte without a valid second byte, or a broken header
    kAbsolute,      // starts with two separators (a network path)
    kDotDot,        // a part "." or ".." (or only dots and blanks)
    kDrive,         // a colon: drive letters and alternate streams
    kDevice,        // CON, NUL, COM1 ... with or without an extension
    kBadChar,       // control characters and < > " | ? *
    kTrailingDot,   // a part ending in a dot or blank (CheckPart only: MemberName drops them)
    kEmptyPart,     // two separators in a row
    kTooLong,       // a part over 255 bytes or a whole name over kMaxName
};
const char* VerdictText(NameVerdict v);

// Longest name ever listed: the list file's readers keep paths in 260-byte buffers.
constexpr size_t kMaxName = 255;

struct NameResult {
    NameVerdict verdict = NameVerdict::kNoName;
    std::string name;      // the parts joined with '\', only when verdict is kOk
    bool renamed = false;  // trailing dots or blanks were dropped from some part
};

// Reads the stored folder and file name from a whole raw header (levels 0 to 3: the bytes
// lhasa keeps as raw_data) and checks every part. Fields end at their first zero byte.
// The name is the one Windows would create: one leading separator (a path stored from the
// root of the archiver's disk) is dropped, and so are trailing dots and blanks of every part.
NameResult MemberName(const uint8_t* raw, size_t rawLen, const LeadBytes& lead);

// Checks one part of a name (between separators), as it would be created.
NameVerdict CheckPart(std::string_view part, const LeadBytes& lead);

// Splits a name at the '\' separators that begin a character; false if a lead byte has
// no valid second byte.
bool SplitName(std::string_view name, const LeadBytes& lead, std::vector<std::string>* parts);

// The position just past the last '\' or '/' that begins a character (0 when none).
size_t FolderLength(std::string_view path, const LeadBytes& lead);

}  // namespace lha
