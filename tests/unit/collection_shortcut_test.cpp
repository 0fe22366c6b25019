// The shortcut resolver over hand-made bytes, one fixture per Windows family.
#include <gtest/gtest.h>
#include <string>
#include "collection/shortcut_resolver.h"
#include "settings/settings_codes.h"

namespace {

using mov::ResolveShortcutBytes;
using mov::ShortcutTarget;

ShortcutTarget Resolve(const std::string& bytes, int osKind) {
    return ResolveShortcutBytes(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), osKind);
}

std::string Z(const char* s) { return std::string(s) + '\0'; }

TEST(ShortcutResolver, Nt4DrivePathEndsAtItsZero) {
    std::string lnk = std::string("L\0\0\0\x01\x14\x02", 7) + "junk" + Z("C:\\pics\\a.bmp") + "tail bytes";
    ShortcutTarget t = Resolve(lnk, 2);
    EXPECT_EQ(t.kind, 1);
    EXPECT_EQ(t.path, "C:\\pics\\a.bmp");
    // Family 0 reads the same way.
    EXPECT_EQ(Resolve(lnk, 0).path, "C:\\pics\\a.bmp");
}

TEST(ShortcutResolver, Win9xSkipsTheLastColonOfTheFile) {
    std::string lnk = std::string("\0\0", 2) + Z("C:\\A.BMP") + "D:\\WORK";
    ShortcutTarget t = Resolve(lnk, 1);
    EXPECT_EQ(t.kind, 1);
    EXPECT_EQ(t.path, "C:\\A.BMP");
    // The other families take the last ':' and run off the end of the data: nothing.
    EXPECT_EQ(Resolve(lnk, 2).kind, 0);
}

TEST(ShortcutResolver, ZeroAfterColonIsABackslashOn9xAnd2000) {
    std::string lnk = Z("C:") + Z("pics\\b.jpg") + "E:x";
    ShortcutTarget t = Resolve(lnk, 1);
    EXPECT_EQ(t.kind, 2);
    EXPECT_EQ(t.path, "C:\\pics\\b.jpg");
}

TEST(ShortcutResolver, Win2000JoinsShareNameAndPath) {
    std::string lnk = std::string("\x4c\0\0\0", 4) + Z("\\\\srv\\share") + Z("pics\\a.jpg");
    ShortcutTarget t = Resolve(lnk, 3);
    EXPECT_EQ(t.kind, 2);
    EXPECT_EQ(t.path, "\\\\srv\\share\\pics\\a.jpg");
}

TEST(ShortcutResolver, Win2000IgnoresWideStringsAndColonsWithoutBackslash) {
    // A wide "C:\x.bmp" has zeros around every letter; "Z:x" has no backslash after ':'.
    std::string wide("C\0:\0\\\0x\0.\0b\0m\0p\0\0\0", 18);
    std::string lnk = Z("C:\\real.Bmp") + wide + Z("Z:x");
    ShortcutTarget t = Resolve(lnk, 3);
    EXPECT_EQ(t.kind, 1);
    EXPECT_EQ(t.path, "C:\\real.Bmp");
}

TEST(ShortcutResolver, ShiftJisNamesWithABackslashByteKeepTheirPath) {
    // 表 ソ 能 予 十 end in 0x5C; before that byte and the folder's own backslash stood
    // side by side, which looked like the start of a network path.
    const char* const names[] = {"\x95\x5C", "\x83\x5C", "\x94\x5C", "\x97\x5C", "\x8F\x5C", "\x83\x5C\x8F\x5C"};
    const std::string header("L\0\0\0\x01\x14\x02\x81\x95", 9);  // binary bytes before the path
    for (const char* name : names) {
        const std::string path = std::string("C:\\pics\\") + name + "\\a.bmp";
        for (int os : {mov::kOsNt3, mov::kOs9x, mov::kOsNt4, mov::kOs2000}) {
            const std::string tail = os == mov::kOs9x ? "D:\\WORK" : "tail";  // 9x skips the file's last ':'
            ShortcutTarget t = Resolve(header + Z(path.c_str()) + tail, os);
            EXPECT_EQ(t.kind, 1) << os << " " << path;
            EXPECT_EQ(t.path, path) << os;
        }
    }
    // A real share after such a character is still found.
    const std::string share = std::string("\\\\srv\\\x95\x5C");
    ShortcutTarget t = Resolve(Z(share.c_str()) + Z("a.jpg"), mov::kOs2000);
    EXPECT_EQ(t.path, share + "\\a.jpg");
}

TEST(ShortcutResolver, NothingUsableGivesKindZero) {
    EXPECT_EQ(Resolve("", 3).kind, 0);
    EXPECT_EQ(ResolveShortcutBytes(nullptr, 0, 2).kind, 0);
    for (int os = 0; os <= 3; ++os) {
        EXPECT_EQ(Resolve("no colon and no double backslash \\ here", os).kind, 0) << os;
        EXPECT_EQ(Resolve(Z("C:\\pics\\a.jpeg"), os).kind, 0) << os;  // ".jpeg" targets are not taken
        EXPECT_EQ(Resolve(Z("C:\\pics\\a.bMp"), os).kind, 0) << os;
        EXPECT_EQ(Resolve("C:\\pics\\a.bmp", os).kind, 0) << os;       // data ends inside the path
        EXPECT_EQ(Resolve(Z(":x.bmp"), os).kind, 0) << os;             // ':' at the very start
    }
}

TEST(ShortcutResolver, TargetLongerThanAPathBufferIsRejected) {
    std::string longest = "C:\\" + std::string(mov::kMaxTargetPath - 7, 'x') + ".bmp";
    ASSERT_EQ(longest.size(), mov::kMaxTargetPath);
    EXPECT_EQ(Resolve(Z(longest.c_str()), 2).path, longest);
    std::string over = "C:\\" + std::string(mov::kMaxTargetPath - 6, 'x') + ".bmp";
    EXPECT_EQ(Resolve(Z(over.c_str()), 2).kind, 0);
    std::string huge = "C:\\" + std::string(4096, 'y') + ".jpg";
    for (int os = 0; os <= 3; ++os) {
        ShortcutTarget t = Resolve(Z(huge.c_str()), os);
        EXPECT_EQ(t.kind, 0) << os;
        EXPECT_TRUE(t.path.empty()) << os;
    }
}

}  // namespace
