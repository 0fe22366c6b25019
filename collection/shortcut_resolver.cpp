// Backward search for the target path in shortcut bytes, then a bounded forward copy.
#include "collection/shortcut_resolver.h"
#include "collection/file_kind.h"
#include "settings/settings_codes.h"

namespace mov {
namespace {

class Bytes {
public:
    Bytes(const unsigned char* d, size_t n) : d_(d), n_(static_cast<long long>(n)) {}
    // A byte outside the data reads as zero.
    unsigned char at(long long i) const { return i >= 0 && i < n_ ? d_[i] : 0; }
    long long size() const { return n_; }

private:
    const unsigned char* d_;
    long long n_;
};

// Code page 932: bytes that open a two-byte character. Its second byte may be 0x5C, the
// backslash (表, ソ, 能, 予, 十 ...).
bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// Whether byte `i` is the second byte of a two-byte character. A byte that cannot open a
// character always ends one, and from there characters go forward in whole pairs; so an odd
// run of possible lead bytes right before `i` makes it a second byte.
bool IsSecondByte(const Bytes& b, long long i) {
    long long run = 0;
    for (long long j = i - 1; j >= 0 && IsLeadByte(b.at(j)); --j) ++run;
    return run % 2 == 1;
}

// A backslash that is a character of its own, not the end of a double-byte one.
bool IsBackslash(const Bytes& b, long long i) { return b.at(i) == '\\' && !IsSecondByte(b, i); }

// Where the path starts and how many zero bytes it still has to cross: 0 for a share
// name ("\\srv\share", zero, rest of the path), 1 for a drive path.
struct Start {
    long long at = -1;
    int endCount = 0;
    bool found = false;
};

Start FindStartWin9x(const Bytes& b) {
    int colons = 0;
    for (long long i = b.size() - 1; i >= 0; --i) {
        if (b.at(i) != ':') continue;
        if (++colons == 2) return {i - 1, 1, true};  // the last ':' of the file is skipped
    }
    return {};
}

Start FindStartWin2000(const Bytes& b) {
    for (long long i = b.size() - 1; i >= 0; --i) {
        unsigned char c = b.at(i);
        if (c == ':' && b.at(i - 1) != 0 && b.at(i + 1) == '\\') return {i - 1, 1, true};
        if (b.at(i + 1) == '\\' && b.at(i + 2) != 0 && IsBackslash(b, i)) return {i, 0, true};
    }
    return {};
}

Start FindStartNt4(const Bytes& b) {
    bool pendingBackslash = false;
    for (long long i = b.size() - 1; i >= 0; --i) {
        unsigned char c = b.at(i);
        if (c == ':' && b.at(i - 1) != 0) return {i - 1, 1, true};
        if (IsBackslash(b, i)) {
            if (pendingBackslash) return {i, 0, true};
            pendingBackslash = true;
        } else {
            pendingBackslash = false;
        }
    }
    return {};
}

}  // namespace

ShortcutTarget ResolveShortcutBytes(const unsigned char* data, size_t size, int osKind) {
    ShortcutTarget none;
    if (!data || size == 0) return none;
    Bytes b(data, size);
    const bool zeroAfterColonIsSlash = osKind == kOs9x || osKind == kOs2000;
    Start s = osKind == kOs9x ? FindStartWin9x(b) : osKind == kOs2000 ? FindStartWin2000(b) : FindStartNt4(b);
    if (!s.found) return none;

    std::string path;
    int endCount = s.endCount;
    for (long long i = s.at; endCount < 2; ++i) {
        if (i >= b.size()) return none;  // the data ended inside the path
        unsigned char c = b.at(i);
        if (c == 0) {
            if (zeroAfterColonIsSlash && b.at(i - 1) == ':') {
                c = '\\';
            } else if (endCount == 0) {
                c = '\\';  // joins the share name and the rest of the path
                endCount = 1;
            } else {
                endCount = 2;
                break;
            }
        }
        if (path.size() == kMaxTargetPath) return none;  // would not fit a path buffer
        path.push_back(static_cast<char>(c));
    }

    ShortcutTarget t;
    if (IsBitmapName(path)) t.kind = 1;
    else if (IsShortJpegName(path)) t.kind = 2;
    if (t.kind) t.path = std::move(path);
    return t;
}

}  // namespace mov
