// Member names from raw LHA headers: byte-for-byte Shift-JIS, and every way out of the folder refused.
#include <gtest/gtest.h>
#include <string>
#include "components/lha/lha_names.h"
#include "lha_test_archives.h"

namespace {

using lha::NameVerdict;
using lhatest::Entry;

lha::NameResult NameOf(const Entry& e, const lha::LeadBytes& lead = lha::ShiftJisLeadBytes()) {
    std::string bytes = lhatest::MemberBytes(e);
    return lha::MemberName(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size() - e.data.size(), lead);
}

NameVerdict VerdictAt(int level, const std::string& name, const std::string& folder = "") {
    Entry e;
    e.level = level;
    e.name = name;
    e.folder = folder;
    e.data = "x";
    return NameOf(e).verdict;
}

TEST(LhaNames, HostileNamesAreRefusedAtEveryHeaderLevel) {
    for (int level : {0, 1, 2}) {
        SCOPED_TRACE(level);
        EXPECT_EQ(VerdictAt(level, "..\\..\\evil.bmp"), NameVerdict::kDotDot);
        EXPECT_EQ(VerdictAt(level, "../evil.bmp"), NameVerdict::kDotDot);
        EXPECT_EQ(VerdictAt(level, "sub\\..\\..\\evil.bmp"), NameVerdict::kDotDot);
        EXPECT_EQ(VerdictAt(level, "C:\\x.bmp"), NameVerdict::kDrive);
        EXPECT_EQ(VerdictAt(level, "C:x.bmp"), NameVerdict::kDrive);
        EXPECT_EQ(VerdictAt(level, "x.bmp:stream"), NameVerdict::kDrive);
        EXPECT_EQ(VerdictAt(level, "\\\\server\\share\\x.bmp"), NameVerdict::kAbsolute);
        EXPECT_EQ(VerdictAt(level, "CON.bmp"), NameVerdict::kDevice);
        EXPECT_EQ(VerdictAt(level, "sub\\nul"), NameVerdict::kDevice);
        EXPECT_EQ(VerdictAt(level, "com1 .bmp"), NameVerdict::kDevice);
        EXPECT_EQ(VerdictAt(level, "LPT9"), NameVerdict::kDevice);
        EXPECT_EQ(VerdictAt(level, "a\x01.bmp"), NameVerdict::kBadChar);
        EXPECT_EQ(VerdictAt(level, "a\r\nb.bmp"), NameVerdict::kBadChar);
        EXPECT_EQ(VerdictAt(level, "a\"b.bmp"), NameVerdict::kBadChar);
        EXPECT_EQ(VerdictAt(level, "a|b.bmp"), NameVerdict::kBadChar);
        EXPECT_EQ(VerdictAt(level, "a?.bmp"), NameVerdict::kBadChar);
        EXPECT_EQ(VerdictAt(level, "a\\\\b.bmp"), NameVerdict::kEmptyPart);
        EXPECT_EQ(VerdictAt(level, "sub\\"), NameVerdict::kNoName);
        if (level == 2) {
            EXPECT_EQ(VerdictAt(level, std::string(300, 'a')), NameVerdict::kTooLong);
        }
        // Near misses stay allowed.
        EXPECT_EQ(VerdictAt(level, "console.bmp"), NameVerdict::kOk);
        EXPECT_EQ(VerdictAt(level, "com10.bmp"), NameVerdict::kOk);
        EXPECT_EQ(VerdictAt(level, "..x.bmp"), NameVerdict::kOk);
    }
}

TEST(LhaNames, FolderFieldsOfLevelOneAndTwo) {
    for (int level : {1, 2}) {
        Entry e;
        e.level = level;
        e.name = "deep.bmp";
        e.folder = "sub\xFFinner\xFF";
        EXPECT_EQ(NameOf(e).name, "sub\\inner\\deep.bmp");
        EXPECT_EQ(VerdictAt(level, "evil.bmp", "..\xFF..\xFF"), NameVerdict::kDotDot);
        EXPECT_EQ(VerdictAt(level, "evil.bmp", "C:\xFF"), NameVerdict::kDrive);
        EXPECT_EQ(VerdictAt(level, "\\evil.bmp", "sub\xFF"), NameVerdict::kEmptyPart);
    }
}

TEST(LhaNames, StoredNamesBecomeTheNamesWindowsCreates) {
    // A path stored from the root loses its leading separator; trailing dots and blanks go
    // from every part. What is left passes the same checks as any other name.
    struct Case {
        int level;
        const char* folder;
        const char* name;
        const char* want;  // nullptr: refused with verdict
        NameVerdict verdict;
        bool renamed;
    };
    const Case cases[] = {
        {0, "", "\\sub\\inner\\x.txt", "sub\\inner\\x.txt", NameVerdict::kOk, false},
        {0, "", "/x.bmp", "x.bmp", NameVerdict::kOk, false},
        {1, "\xFFsub\xFFinner\xFF", "x.txt", "sub\\inner\\x.txt", NameVerdict::kOk, false},
        {2, "\xFFsub\xFF", "x.txt", "sub\\x.txt", NameVerdict::kOk, false},
        {2, "\xFF", "x.txt", "x.txt", NameVerdict::kOk, false},
        {2, "", "gpl-2.", "gpl-2", NameVerdict::kOk, true},
        {0, "", "sub. \\x.bmp . ", "sub\\x.bmp", NameVerdict::kOk, true},
        {2, "\xFFold.\xFF", "x.bmp", "old\\x.bmp", NameVerdict::kOk, true},
        {0, "", "\\\\server\\share\\x.bmp", nullptr, NameVerdict::kAbsolute, false},
        {2, "\xFF", "\\x.bmp", nullptr, NameVerdict::kAbsolute, false},
        {0, "", "\\..\\x.bmp", nullptr, NameVerdict::kDotDot, false},
        {0, "", "\\C:\\x.bmp", nullptr, NameVerdict::kDrive, false},
        {2, "\xFF..\xFF", "x.bmp", nullptr, NameVerdict::kDotDot, false},
        {0, "", "\\CON", nullptr, NameVerdict::kDevice, false},
        {0, "", "nul. ", nullptr, NameVerdict::kDevice, false},
        {0, "", "a\\...\\x.bmp", nullptr, NameVerdict::kDotDot, false},
        {0, "", "a\\ . \\x.bmp", nullptr, NameVerdict::kDotDot, false},
        {0, "", "a\x01.", nullptr, NameVerdict::kBadChar, false},
        {0, "", "pic\x95.", nullptr, NameVerdict::kMalformed, false},  // a lead byte left alone
    };
    for (const Case& c : cases) {
        Entry e;
        e.level = c.level;
        e.folder = c.folder;
        e.name = c.name;
        e.data = "x";
        lha::NameResult r = NameOf(e);
        EXPECT_EQ(r.verdict, c.verdict) << c.name;
        EXPECT_EQ(r.name, c.want ? c.want : "") << c.name;
        if (c.want) {
            EXPECT_EQ(r.renamed, c.renamed) << c.name;
        }
    }
}

TEST(LhaNames, ShiftJisNamesAreKeptByteForByte) {
    // "表示.bmp": 表 is 0x95 0x5C, whose second byte is a backslash.
    const std::string hyouji = "\x95\x5C\x8E\xA6.bmp";
    // "ポ|": ポ is 0x83 0x7C, whose second byte is a bar.
    const std::string po = "\x83\x7C.bmp";
    for (int level : {0, 1, 2}) {
        Entry e;
        e.level = level;
        e.name = hyouji;
        EXPECT_EQ(NameOf(e).verdict, NameVerdict::kOk);
        EXPECT_EQ(NameOf(e).name, hyouji);
        e.name = po;
        EXPECT_EQ(NameOf(e).name, po);
        // A real separator after a character ending in 0x5C.
        e.name = "\x95\x5C\\pic.bmp";
        EXPECT_EQ(NameOf(e).name, "\x95\x5C\\pic.bmp");
        // A lead byte with nothing after it.
        e.name = "pic\x95";
        EXPECT_EQ(NameOf(e).verdict, NameVerdict::kMalformed);
    }
    // Read as a single-byte code page, the same bytes hold a separator.
    Entry e;
    e.name = "\x95\\x.bmp";
    EXPECT_EQ(NameOf(e, lha::SingleByteLeadBytes()).name, "\x95\\x.bmp");
    e.name = "\x95\x5C.bmp";
    EXPECT_EQ(NameOf(e, lha::SingleByteLeadBytes()).verdict, NameVerdict::kOk);
    EXPECT_EQ(NameOf(e, lha::SingleByteLeadBytes()).name, "\x95\\.bmp");
}

TEST(LhaNames, FieldsEndAtTheirFirstZeroByte) {
    // Amiga archivers keep a comment after the name.
    EXPECT_EQ(VerdictAt(0, std::string("pic.bmp\0..\\..\\evil", 19)), NameVerdict::kOk);
    Entry e;
    e.level = 1;
    e.name = std::string("pic.bmp\0comment", 15);
    EXPECT_EQ(NameOf(e).name, "pic.bmp");
}

TEST(LhaNames, BrokenHeadersGiveNoName) {
    const uint8_t shortHeader[10] = {};
    EXPECT_EQ(lha::MemberName(shortHeader, sizeof shortHeader, lha::ShiftJisLeadBytes()).verdict,
              NameVerdict::kMalformed);
    Entry e;
    e.name = "pic.bmp";
    std::string bytes = lhatest::MemberBytes(e);
    bytes[24] = '\x7F';  // first extended header's size runs past the header
    EXPECT_EQ(lha::MemberName(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), lha::ShiftJisLeadBytes()).verdict,
              NameVerdict::kMalformed);
}

}  // namespace
