// Groups and positions in the real registry: saving, the start-up load and its limits.
#include <gtest/gtest.h>
#include <windows.h>
#include "collection/group_store.h"
#include "collection/list_boxes.h"
#include "collection_fixture.h"
#include "settings/registry_paths.h"
#include "settings/settings_codes.h"

namespace {

using collectiontest::CollectionTest;
using collectiontest::GroupDword;
using collectiontest::SetGroupDword;
using collectiontest::SetGroupString;
using testsupport::RegText;
using testsupport::WriteBmp;
using V = std::vector<std::string>;

std::string Stored(const char* name) { return RegText(HKEY_CURRENT_USER, mov::kGroupKey, name); }

// A drive letter this machine does not have, as "Q:".
std::string AbsentDrive() {
    for (char c = 'Q'; c <= 'Z'; ++c)
        if (!(GetLogicalDrives() & (1u << (c - 'A')))) return std::string(1, c) + ":";
    return "";
}

class GroupsTest : public CollectionTest {};

TEST_F(GroupsTest, ValueNamesHaveAtLeastTwoDigits) {
    EXPECT_EQ(mov::GroupValueName(0), "00");
    EXPECT_EQ(mov::GroupValueName(7), "07");
    EXPECT_EQ(mov::GroupValueName(99), "99");
    EXPECT_EQ(mov::GroupValueName(100), "100");
}

TEST_F(GroupsTest, ThreeGroupsSavedWithCountTwoAndReleased) {
    groups.Append(folder.path(), false);
    groups.Append(other.path() + "\\pics.LZH", true);
    groups.Append(folder.path(), false);  // the same folder twice is two groups
    EXPECT_EQ(Items(IDC_GROUP_LIST), (V{folder.path(), other.path() + "\\pics.LZH", folder.path()}));
    positions = {2, 5, -3};
    mov::SavePositions(groups, positions);
    mov::SaveGroupList(groups, false);
    EXPECT_EQ(Stored("00"), folder.path());
    EXPECT_EQ(Stored("01"), other.path() + "\\pics.LZH");
    EXPECT_EQ(Stored("02"), folder.path());
    DWORD type = 0;
    std::string bytes;
    ASSERT_TRUE(testsupport::RegPeek(HKEY_CURRENT_USER, mov::kGroupKey, "00", type, bytes));
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(bytes.size(), folder.path().size() + 1);  // the zero is counted
    uint32_t v = 0;
    struct { const char* name; uint32_t value; } numbers[] = {
        {"Count", 2}, {"DirPos", 2}, {"BmpPos", 5}, {"RandSeed", static_cast<uint32_t>(-3)}};
    for (const auto& n : numbers) {
        ASSERT_TRUE(GroupDword(n.name, v)) << n.name;
        EXPECT_EQ(v, n.value) << n.name;
    }
    EXPECT_EQ(groups.size(), 3);

    mov::SaveGroupList(groups, true);
    EXPECT_TRUE(groups.empty());
    EXPECT_TRUE(Items(IDC_GROUP_LIST).empty());
    // An empty list writes nothing, so the stored groups survive.
    SetGroupDword("Count", 2);
    mov::SavePositions(groups, positions);
    mov::SaveGroupList(groups, true);
    ASSERT_TRUE(GroupDword("Count", v));
    EXPECT_EQ(v, 2u);
    EXPECT_EQ(Stored("02"), folder.path());
}

TEST_F(GroupsTest, RemoveKeepsArrayAndListBoxTogether) {
    groups.Append("A", false);
    groups.Append("B.lzh", true);
    groups.Append("C", false);
    groups.Remove(1);
    groups.Remove(7);
    ASSERT_EQ(groups.size(), 2);
    EXPECT_EQ(groups.at(1).path, "C");
    EXPECT_EQ(Items(IDC_GROUP_LIST), (V{"A", "C"}));
}

TEST_F(GroupsTest, LoadDropsMissingFoldersAndRenumbersAtTheNextSave) {
    WriteBmp(folder.file("a.bmp"), 2, 2);
    WriteBmp(folder.file("b.bmp"), 2, 2);
    const std::string archive = other.path() + "\\no-file-needed.Lzh";
    SetGroupString("00", folder.path());
    SetGroupString("01", other.path() + "\\removed-folder");
    SetGroupString("02", archive);
    // Kept: folders on a drive that is not there (a letter not in use, a server away).
    const std::string absent = AbsentDrive() + "\\Pictures\\Holiday", unc = "\\\\no-server\\share\\pics";
    SetGroupString("03", absent);
    SetGroupString("04", unc);
    SetGroupString("05", other.path());  // beyond Count: not read
    SetGroupDword("Count", 4);
    SetGroupDword("DirPos", 3);  // counted in the loaded list: 2
    SetGroupDword("BmpPos", 1);
    SetGroupDword("RandSeed", 99);

    EXPECT_EQ(mov::LoadGroups(groups, positions, scan, settings), 1);
    ASSERT_EQ(groups.size(), 4);
    EXPECT_EQ(groups.at(0).path, folder.path());
    EXPECT_FALSE(groups.at(0).archive);
    EXPECT_EQ(groups.at(1).path, archive);
    EXPECT_TRUE(groups.at(1).archive);
    EXPECT_EQ(Items(IDC_GROUP_LIST), (V{folder.path(), archive, absent, unc}));
    EXPECT_EQ(mov::LbSelection(parent, IDC_GROUP_LIST), 2);
    EXPECT_EQ(mov::LbCount(parent, IDC_FILE_LIST), 0);  // its drive is away: nothing listed
    EXPECT_EQ(positions.BmpPos, 1);
    EXPECT_EQ(positions.RandSeed, 99);
    EXPECT_EQ(clock.sleeps, 1);  // the scan is done after the first second

    // Closing: positions, then the groups, numbered anew.
    mov::SavePositions(groups, positions);
    mov::SaveGroupList(groups, true);
    uint32_t count = 0;
    ASSERT_TRUE(GroupDword("Count", count));
    EXPECT_EQ(count, 3u);
    EXPECT_EQ(Stored("00"), folder.path());
    EXPECT_EQ(Stored("01"), archive);
    EXPECT_EQ(Stored("02"), absent);
    EXPECT_EQ(Stored("03"), unc);
    EXPECT_EQ(Stored("04"), unc);  // left in place, unread
    EXPECT_EQ(Stored("05"), other.path());
}

TEST_F(GroupsTest, DirPosBeyondTheListOrOfADroppedGroupFallsBack) {
    WriteBmp(folder.file("a.bmp"), 2, 2);
    SetGroupString("00", folder.path());
    SetGroupString("01", other.path());
    SetGroupDword("Count", 1);
    SetGroupDword("DirPos", 5);
    SetGroupDword("BmpPos", 40);
    EXPECT_EQ(mov::LoadGroups(groups, positions, scan, settings), 1);
    EXPECT_EQ(mov::LbSelection(parent, IDC_GROUP_LIST), -1);
    EXPECT_EQ(positions.DirPos, 0);
    EXPECT_EQ(Items(IDC_FILE_LIST), (V{"a.bmp"}));
    EXPECT_EQ(positions.BmpPos, 40);  // kept, though nothing is selected
    EXPECT_EQ(mov::LbSelection(parent, IDC_FILE_LIST), -1);

    // The current group itself dropped: the one after it, from its first file.
    while (!groups.empty()) groups.Remove(0);
    SetGroupString("00", other.file("removed-folder"));
    SetGroupDword("DirPos", 0);
    EXPECT_EQ(mov::LoadGroups(groups, positions, scan, settings), 1);
    EXPECT_EQ(mov::LbSelection(parent, IDC_GROUP_LIST), 0);
    EXPECT_EQ(positions.BmpPos, 0);
}

TEST_F(GroupsTest, PathsTooLongForTheBufferAndOddSpellingsAreNotRestored) {
    const std::string fits = "C:\\" + std::string(250 - 3, 'f') + ".lzh";  // 254 bytes and the zero
    const std::string tooLong = "C:\\" + std::string(300 - 7, 'g') + ".lzh";
    ASSERT_EQ(fits.size(), 254u);
    SetGroupString("00", tooLong);
    SetGroupString("01", fits);
    SetGroupString("02", other.path() + "\\mixed.LzH");
    SetGroupString("03", "");
    SetGroupDword("Count", 3);
    clock.Sleep(1234000);  // no RandSeed stored: the clock gives it
    EXPECT_EQ(mov::LoadGroups(groups, positions, scan, settings), 1);
    ASSERT_EQ(groups.size(), 1);
    EXPECT_EQ(groups.at(0).path, fits);
    EXPECT_EQ(positions.RandSeed, 1234);
    EXPECT_EQ(positions.DirPos, 0);
    EXPECT_EQ(positions.BmpPos, 0);
    EXPECT_EQ(reports.size(), 1u);  // the archive named "fits" does not exist: no listing
}

TEST_F(GroupsTest, NumbersStoredAsTextCountAsAbsent) {
    WriteBmp(folder.file("a.bmp"), 2, 2);
    WriteBmp(folder.file("b.bmp"), 2, 2);
    SetGroupString("00", folder.path());
    SetGroupString("01", other.path());
    SetGroupDword("Count", 1);
    SetGroupString("DirPos", "1");  // "1" would read as 49 taken byte for byte
    SetGroupString("BmpPos", "1");
    SetGroupString("RandSeed", "7");
    clock.Sleep(5000);
    EXPECT_EQ(mov::LoadGroups(groups, positions, scan, settings), 1);
    EXPECT_EQ(positions.DirPos, 0);
    EXPECT_EQ(mov::LbSelection(parent, IDC_GROUP_LIST), 0);
    EXPECT_EQ(positions.BmpPos, 0);
    EXPECT_EQ(mov::LbSelection(parent, IDC_FILE_LIST), 0);
    EXPECT_EQ(positions.RandSeed, 5);  // from the clock, as when absent

    collectiontest::ClearGroupKey();
    groups.Remove(1);
    groups.Remove(0);
    SetGroupString("00", folder.path());
    SetGroupString("Count", "0");
    EXPECT_EQ(mov::LoadGroups(groups, positions, scan, settings), 0);
    EXPECT_TRUE(groups.empty());
}

TEST_F(GroupsTest, NoCountMeansNoGroupsNoScanNoWait) {
    SetGroupString("00", folder.path());
    mov::LbAdd(parent, IDC_FILE_LIST, "untouched.bmp");
    EXPECT_EQ(mov::LoadGroups(groups, positions, scan, settings), 0);
    EXPECT_TRUE(groups.empty());
    EXPECT_EQ(positions.DirPos, -1);  // the empty group list box's selection
    EXPECT_EQ(Items(IDC_FILE_LIST), (V{"untouched.bmp"}));
    EXPECT_EQ(clock.sleeps, 0);
}

TEST_F(GroupsTest, DamagedCountDoesNotHangTheStart) {
    SetGroupString("00", folder.path());
    SetGroupString("2147483647", other.path());
    SetGroupDword("Count", 0x7fffffff);
    DWORD t0 = GetTickCount();
    EXPECT_EQ(mov::LoadGroups(groups, positions, scan, settings), 1);
    EXPECT_LT(GetTickCount() - t0, 5000u);
    EXPECT_EQ(Items(IDC_GROUP_LIST), (V{folder.path(), other.path()}));
}

}  // namespace
