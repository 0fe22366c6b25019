// What the start-up load keeps of the stored groups, and where the current one lands.
#include <gtest/gtest.h>
#include <string>
#include <vector>
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

TEST(StoredGroups, DirPosCountsInTheLoadedList) {
    const struct { std::vector<int32_t> loadedFrom; int32_t count, stored, dirPos; bool keepBmp; } rows[] = {
        {{0, 1, 2}, 2, 2, 2, true},  {{0, 2}, 2, 2, 1, true},   // one before it dropped
        {{0, 2}, 2, 1, 1, false},    {{0, 3}, 3, 1, 1, false},  // it dropped: the one after it
        {{0, 1}, 2, 2, 0, false},    {{}, 1, 0, 0, false},      // none after it: group 0
        {{0, 2}, 2, 5, 5, true},     {{0, 1}, 1, -1, -1, true}, // no stored group: as stored
    };
    for (const auto& r : rows) {
        const mov::LoadedPosition p = mov::LoadedDirPos(r.loadedFrom, r.count, r.stored);
        EXPECT_EQ(p.dirPos, r.dirPos) << r.stored << " of " << r.loadedFrom.size();
        EXPECT_EQ(p.keepBmpPos, r.keepBmp) << r.stored << " of " << r.loadedFrom.size();
    }
}
