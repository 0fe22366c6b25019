#include <gtest/gtest.h>
#include "collection/file_kind.h"

using mov::FileKind;
using mov::KindOfName;

TEST(FileKind, AcceptsOnlyTheFixedSpellings) {
    for (const char* n : {"a.BMP", "a.bmp", "a.Bmp"}) EXPECT_EQ(KindOfName(n), FileKind::Bitmap) << n;
    for (const char* n : {"a.JPG", "a.jpg", "a.Jpg", "a.JPEG", "a.jpeg", "a.Jpeg"})
        EXPECT_EQ(KindOfName(n), FileKind::Jpeg) << n;
    for (const char* n : {"a.lnk", "a.LNK"}) EXPECT_EQ(KindOfName(n), FileKind::Shortcut) << n;
    for (const char* n : {"a.LZH", "a.lzh", "a.Lzh"}) EXPECT_EQ(KindOfName(n), FileKind::Archive) << n;
    // Mixed cases outside the sets are nothing.
    for (const char* n : {"a.bMp", "a.BMp", "a.jPg", "a.JPeg", "a.Lnk", "a.lZh", "a.LzH"})
        EXPECT_EQ(KindOfName(n), FileKind::Other) << n;
}

TEST(FileKind, ComparesOnlyTheEndAndShortNamesWhole) {
    struct { const char* name; FileKind kind; } table[] = {
        // Only the end counts.
        {"pics.bmp\\x.txt", FileKind::Other},
        {"C:\\My Pictures.lzh\\sky.bmp", FileKind::Bitmap},
        {"a.bmp ", FileKind::Other},
        {"a.JPEGS", FileKind::Other},
        {"abmp", FileKind::Other},
        // Names no longer than an extension are compared whole.
        {"", FileKind::Other},
        {"bmp", FileKind::Other},
        {".bmp", FileKind::Bitmap},
        {".jpeg", FileKind::Jpeg},
        {"peg", FileKind::Other},
    };
    for (const auto& row : table) EXPECT_EQ(KindOfName(row.name), row.kind) << row.name;
}

TEST(FileKind, ShiftJisNamesKeepTheirExtension) {
    // "壁紙.bmp" in Shift-JIS: the trailing bytes of double-byte characters never form an extension.
    EXPECT_EQ(KindOfName("\x95\xC7\x8E\x86.bmp"), FileKind::Bitmap);
    EXPECT_EQ(KindOfName("\x95\xC7\x8E\x86"), FileKind::Other);
}
