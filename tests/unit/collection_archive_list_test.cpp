// The list file of an archive: which lines become file list entries; the Group key's value names.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "collection/archive_list.h"
#include "collection/group_values.h"

namespace {

using V = std::vector<std::string>;

TEST(ArchiveList, TakesBitmapsAndWithAReaderShortJpegNames) {
    std::string list = "a.Bmp\r\nb.bMP\r\nsub\\c.BMP\nd.jpg\ne.jpeg\nf.lnk\ng.Jpg";
    EXPECT_EQ(mov::ArchiveListEntries(list, 0, 1), (V{"a.Bmp", "sub\\c.BMP", "d.jpg", "g.Jpg"}));
    EXPECT_EQ(mov::ArchiveListEntries(list, 2, 0), (V{"a.Bmp", "sub\\c.BMP"}));
    EXPECT_TRUE(mov::ArchiveListEntries(list, 1, 1).empty());  // shortcuts only: nothing from archives
}

TEST(ArchiveList, LinesAsATextReadGivesThem) {
    EXPECT_EQ(mov::SplitListLines("x\r\n\ny"), (V{"x", "", "y"}));
    EXPECT_EQ(mov::SplitListLines("x\n"), (V{"x"}));
    EXPECT_EQ(mov::SplitListLines("a b.bmp\r"), (V{"a b.bmp\r"}));  // a lone CR is part of the line
    EXPECT_TRUE(mov::SplitListLines("").empty());
    // A zero byte ends the line: "x" is what the list box would have held.
    EXPECT_EQ(mov::ArchiveListEntries(std::string("x\0.bmp\nok.bmp\0\r\n", 16), 0, 1), (V{"ok.bmp"}));
}

TEST(GroupValueNames, OnlyTheNamesTheProgramWritesUpToCount) {
    struct { const char* name; int32_t count; int32_t index; } table[] = {
        {"00", 0, 0}, {"07", 9, 7}, {"123", 200, 123}, {"2147483647", 2147483647, 2147483647},
        {"7", 9, -1}, {"007", 9, -1}, {"+1", 9, -1}, {"08", 7, -1}, {"00", -1, -1}, {"", 5, -1},
        {"9999999999", 2147483647, -1},
    };
    for (const auto& row : table) {
        int32_t index = -1;
        EXPECT_EQ(mov::GroupIndexOfName(row.name, row.count, index), row.index >= 0) << row.name;
        EXPECT_EQ(index, row.index) << row.name;
    }
}

}  // namespace
