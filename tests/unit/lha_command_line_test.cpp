// MeltLha.exe's command lines exactly as the main program writes them.
#include <gtest/gtest.h>
#include "components/lha/lha_command_line.h"

namespace {

using lha::MeltArgs;

TEST(LhaCommandLine, ListingLine) {
    MeltArgs a = lha::ParseMeltArgs("MeltLha.exe \"C:\\My Pictures\\set 1.LZH\" \"C:\\TEMP\\MovList.tmp\"");
    EXPECT_EQ(a.kind, MeltArgs::kList);
    EXPECT_EQ(a.archive, "C:\\My Pictures\\set 1.LZH");
    EXPECT_EQ(a.listFile, "C:\\TEMP\\MovList.tmp");
    // TEMP unset: the list file is at the root of the current drive.
    EXPECT_EQ(lha::ParseMeltArgs("MeltLha.exe \"a.lzh\" \"\\MovList.tmp\"").listFile, "\\MovList.tmp");
}

TEST(LhaCommandLine, UnpackingLineKeepsTheBackslashBeforeTheQuote) {
    MeltArgs a = lha::ParseMeltArgs("MeltLha.exe \"C:\\p\\a.lzh\" \"C:\\TEMP\\\" \"sub\\pic 1.bmp\"");
    EXPECT_EQ(a.kind, MeltArgs::kUnpack);
    EXPECT_EQ(a.archive, "C:\\p\\a.lzh");
    EXPECT_EQ(a.folder, "C:\\TEMP\\");
    EXPECT_EQ(a.member, "sub\\pic 1.bmp");
    // Shift-JIS bytes pass untouched, a second byte 0x5C included.
    a = lha::ParseMeltArgs("\"C:\\Prog\\MeltLha.exe\" \"C:\\\x95\x5C\\a.lzh\" \"C:\\TEMP\\\" \"\x95\x5C.bmp\"");
    EXPECT_EQ(a.kind, MeltArgs::kUnpack);
    EXPECT_EQ(a.archive, "C:\\\x95\x5C\\a.lzh");
    EXPECT_EQ(a.member, "\x95\x5C.bmp");
}

TEST(LhaCommandLine, OtherShapesAreRefused) {
    EXPECT_EQ(lha::ParseMeltArgs("MeltLha.exe").kind, MeltArgs::kBad);
    EXPECT_EQ(lha::ParseMeltArgs("MeltLha.exe \"a.lzh\"").kind, MeltArgs::kBad);
    EXPECT_EQ(lha::ParseMeltArgs("MeltLha.exe \"\" \"list\"").kind, MeltArgs::kBad);
    EXPECT_EQ(lha::ParseMeltArgs("MeltLha.exe \"a.lzh\" \"C:\\T\\\" \"\"").kind, MeltArgs::kBad);
    EXPECT_EQ(lha::ParseMeltArgs("MeltLha.exe a b c d").kind, MeltArgs::kBad);
}

TEST(LhaCommandLine, Splitting) {
    using V = std::vector<std::string>;
    EXPECT_EQ(lha::SplitCommandLine("  a\t\"b c\"  \"\" d\"e f\"g "), (V{"a", "b c", "", "de fg"}));
    EXPECT_EQ(lha::SplitCommandLine("\"unclosed tail"), (V{"unclosed tail"}));
    EXPECT_EQ(lha::SplitCommandLine(""), V{});
}

}  // namespace
