// What a dropped path becomes, and the texts of the refusals.
#include <gtest/gtest.h>
#include <string>
#include "collection/drop_rules.h"

using mov::DropVerdict;

TEST(DropRules, EachPathIsAGroupOrARefusal) {
    const std::string longFolder = "C:\\" + std::string(mov::kMaxGroupPath - 3, 'd');
    const struct {
        std::string path;
        bool lha, folder;
        DropVerdict want;
    } cases[] = {
        {"C:\\pics", false, true, DropVerdict::Folder},
        {"C:\\pics\\a.bmp", true, false, DropVerdict::NotAFolder},
        {"C:\\pics\\a.BMP", true, false, DropVerdict::NotAFolder},
        {"C:\\pics\\a.Bmp", true, false, DropVerdict::Refused},  // only two bitmap spellings here
        {"C:\\pics\\set.lzh", true, false, DropVerdict::Archive},
        {"C:\\pics\\set.Lzh", true, false, DropVerdict::Archive},
        {"C:\\pics\\set.lzh", false, false, DropVerdict::Refused},  // no LHA tools
        {"C:\\pics\\set.LzH", true, false, DropVerdict::Refused},
        {"C:\\pics\\a.jpg", true, false, DropVerdict::Refused},
        {"C:\\gone", false, false, DropVerdict::Refused},
        {"C:\\odd.bmp", false, true, DropVerdict::NotAFolder},  // a folder named like a bitmap
        {longFolder, false, true, DropVerdict::Folder},
        {longFolder + "x", false, true, DropVerdict::Refused},  // would not come back at start-up
    };
    for (const auto& c : cases)
        EXPECT_EQ(mov::ClassifyDrop(c.path, c.lha, c.folder), c.want) << c.path;
}

TEST(DropRules, RefusalsNameThePath) {
    EXPECT_EQ(mov::DropRefusalText("C:\\a.bmp", DropVerdict::NotAFolder), "C:\\a.bmp はフォルダでは有りません");
    EXPECT_EQ(mov::DropRefusalText("C:\\x.txt", DropVerdict::Refused),
              "C:\\x.txt は壁紙フォルダ／書庫ではないので登録できません。");
    EXPECT_EQ(mov::DropRefusalText("C:\\pics", DropVerdict::Folder), "");
}
