// What the start-up load keeps of the stored groups.
#include <gtest/gtest.h>
#include <string>
#include "collection/stored_groups.h"

TEST(StoredGroups, RootOfAPathAndWhatIsKept) {
    const struct { std::string path, root; } rows[] = {
        {"Q:\\Pictures\\Holiday", "Q:\\"}, {"q:", "q:\\"}, {"C:pics", "C:\\"},
        {"\\\\server\\share\\pics", "\\\\server\\share\\"}, {"//server/share", "\\\\server\\share\\"},
        {"\\\\\x95\x5C\\share\\pics", "\\\\\x95\x5C\\share\\"},  // a Shift-JIS 0x5C second byte
        {"\\\\server\\", ""}, {"\\\\\\share", ""}, {"\\pics", ""}, {"pics", ""}, {"1:\\pics", ""},
    };
    for (const auto& r : rows) EXPECT_EQ(mov::PathRoot(r.path), r.root) << r.path;
    EXPECT_TRUE(mov::KeepStoredFolder(true, true));
    EXPECT_FALSE(mov::KeepStoredFolder(true, false));
    EXPECT_TRUE(mov::KeepStoredFolder(false, false));  // removable, optical or network drive away
}
