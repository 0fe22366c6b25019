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

TEST(FileKind, ComparesOnlyTheEnd) {
    EXPECT_EQ(KindOfName("pics.bmp\\x.txt"), FileKind::Other);
    EXPECT_EQ(KindOfName("C:\\My Pictures.lzh\\sky.bmp"), FileKind::Bitmap);
    EXPECT_EQ(KindOfName("a.bmp "), FileKind::Other);
    EXPECT_EQ(KindOfName("a.JPEGS"), FileKind::Other);
    EXPECT_EQ(KindOfName("abmp"), FileKind::Other);
}

TEST(FileKind, ShortNamesAreComparedWhole) {
    EXPECT_EQ(KindOfName(""), FileKind::Other);
    EXPECT_EQ(KindOfName("bmp"), FileKind::Other);
    EXPECT_EQ(KindOfName(".bmp"), FileKind::Bitmap);
    EXPECT_EQ(KindOfName(".jpeg"), FileKind::Jpeg);
    EXPECT_EQ(KindOfName("peg"), FileKind::Other);
}

TEST(FileKind, ShiftJisNamesKeepTheirExtension) {
    // "壁紙.bmp" in Shift-JIS: the trailing bytes of double-byte characters never form an extension.
    EXPECT_EQ(KindOfName("\x95\xC7\x8E\x86.bmp"), FileKind::Bitmap);
    EXPECT_EQ(KindOfName("\x95\xC7\x8E\x86"), FileKind::Other);
}
