// Quitting writes what the user reached: the document's closing work saves the positions and
// the group list to the Group key and frees the groups.
#include <gtest/gtest.h>
#include "ui/resource.h"
#include "ui/movani32_doc.h"
#include "collection_fixture.h"
#include "settings/registry_paths.h"

namespace {

using collectiontest::GroupDword;
using testsupport::RegText;

class DocumentCloseTest : public collectiontest::CollectionTest {};

TEST_F(DocumentCloseTest, ClosingSavesPositionsAndGroups) {
    CMovani32Doc doc;
    // The desktop's own values are what the close puts back: leave them as they are.
    auto desktop = [](const char* name) {
        std::string v = RegText(HKEY_CURRENT_USER, "Control Panel\\Desktop", name);
        return v == "<absent>" ? std::string("0") : v;
    };
    doc.settings.SysTileWallpaper = desktop("TileWallpaper");
    doc.settings.SysWallpaperStyle = desktop("WallpaperStyle");
    doc.settings.SysWallpaperOriginX = desktop("WallpaperOriginX");
    doc.groups.Attach(parent);
    doc.groups.Append(folder.path(), 0);
    doc.groups.Append(other.path(), 0);
    doc.positions = {1, 7, 4242};

    doc.OnCloseDocument();

    EXPECT_EQ(RegText(HKEY_CURRENT_USER, mov::kGroupKey, "00"), folder.path());
    EXPECT_EQ(RegText(HKEY_CURRENT_USER, mov::kGroupKey, "01"), other.path());
    uint32_t v = 0;
    ASSERT_TRUE(GroupDword("Count", v));
    EXPECT_EQ(v, 1u);
    ASSERT_TRUE(GroupDword("DirPos", v));
    EXPECT_EQ(v, 1u);
    ASSERT_TRUE(GroupDword("BmpPos", v));
    EXPECT_EQ(v, 7u);
    ASSERT_TRUE(GroupDword("RandSeed", v));
    EXPECT_EQ(v, 4242u);
    EXPECT_TRUE(doc.groups.empty());
    EXPECT_TRUE(Items(IDC_GROUP_LIST).empty());
}

}  // namespace
