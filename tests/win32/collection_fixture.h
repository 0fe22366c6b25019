// A parent window with the view's four real list boxes, a clean Group key and the current
// directory put back afterwards, for the group and scan tests.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include <vector>
#include "collection/folder_scan.h"
#include "collection/group_list.h"
#include "collection/positions.h"
#include "settings/busy_flag.h"
#include "settings/settings_record.h"
#include "test_support.h"

namespace collectiontest {

class CollectionTest : public ::testing::Test {
protected:
    CollectionTest();
    void SetUp() override;
    void TearDown() override;

    // (Re)creates the parent and its list boxes from `settings` (the file list's sorting).
    void MakeWindows();
    std::vector<std::string> Items(int id) const;

    testsupport::ScratchDir temp{"coll-temp"};        // TempFolder: the list file goes here
    testsupport::ScratchDir folder{"coll-folder"};    // a folder group
    testsupport::ScratchDir other{"coll-other"};      // a second folder group
    testsupport::ScratchDir targets{"coll-targets"};  // what shortcuts point at
    testsupport::CountingClock clock{1000, mov::BusyFlagCleared};  // outside programs get real time to finish
    mov::SettingsRecord settings;
    mov::GroupList groups;
    mov::Positions positions;
    mov::FolderScan scan{settings, groups, positions};
    HWND parent = nullptr;
    std::vector<std::string> reports;  // list files reported missing

private:
    std::string startDir_;
};

// A shortcut made by the shell's own IShellLinkA and saved with IPersistFile.
bool MakeShortcut(const std::string& lnkPath, const std::string& target);
// Deletes HKCU\...\Group with its values.
void ClearGroupKey();
void SetGroupString(const char* name, const std::string& value);
void SetGroupDword(const char* name, uint32_t value);
bool GroupDword(const char* name, uint32_t& value);

}  // namespace collectiontest
