// The shared set-up of the collection tests.
#include "collection_fixture.h"
#include <objbase.h>
#include <shlobj.h>
#include "collection/list_boxes.h"
#include <cstring>
#include "framework/handle.h"
#include "settings/registry_paths.h"
#include "settings/settings_codes.h"

namespace collectiontest {

CollectionTest::CollectionTest() {
    settings.OsKind = mov::kOs2000;
    settings.JpegAvailable = 1;
    settings.JPEGRead = 1;
    settings.TempFolder = temp.path();
    // The stand-in lister; a missing list file is recorded instead of a modal box.
    scan.SetListProgram("fakelister.exe");
    scan.SetFileErrorReport([this](HWND owner, const std::string& path) {
        reports.push_back(path);
        EXPECT_EQ(owner, parent);
    });
}

void CollectionTest::SetUp() {
    char dir[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof dir, dir);
    startDir_ = dir;
    ClearGroupKey();
    mov::SetClock(&clock);
    MakeWindows();
}

void CollectionTest::TearDown() {
    mov::SetClock(nullptr);
    if (parent) DestroyWindow(parent);
    SetCurrentDirectoryA(startDir_.c_str());  // the listing moved it into a scratch folder
}

void CollectionTest::MakeWindows() {
    if (parent) DestroyWindow(parent);
    parent = CreateWindowExA(0, "STATIC", "collection test", WS_OVERLAPPEDWINDOW, 0, 0, 480, 390, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(parent, nullptr);
    ASSERT_TRUE(mov::CreateCollectionListBoxes(parent, settings));
    groups.Attach(parent);
    scan.Attach(parent);
}

std::vector<std::string> CollectionTest::Items(int id) const {
    std::vector<std::string> v;
    for (int i = 0, n = mov::LbCount(parent, id); i < n; ++i) v.push_back(mov::LbText(parent, id, i));
    return v;
}

bool MakeShortcut(const std::string& lnkPath, const std::string& target) {
    bool ok = false;
    fw::ComScope com;
    IShellLinkA* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->SetPath(target.c_str())) &&
            SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            wchar_t wide[MAX_PATH * 2] = {};
            MultiByteToWideChar(CP_ACP, 0, lnkPath.c_str(), -1, wide, MAX_PATH * 2);
            ok = SUCCEEDED(file->Save(wide, TRUE));
            file->Release();
        }
        link->Release();
    }
    return ok;
}

void ClearGroupKey() { RegDeleteKeyA(HKEY_CURRENT_USER, mov::kGroupKey); }

void SetGroupString(const char* name, const std::string& value) {
    ASSERT_TRUE(testsupport::RegPutText(HKEY_CURRENT_USER, mov::kGroupKey, name, value));
}

void SetGroupDword(const char* name, uint32_t value) {
    ASSERT_TRUE(testsupport::RegPutDword(HKEY_CURRENT_USER, mov::kGroupKey, name, value));
}

bool GroupDword(const char* name, uint32_t& value) {
    DWORD type = 0;
    std::string bytes;
    if (!testsupport::RegPeek(HKEY_CURRENT_USER, mov::kGroupKey, name, type, bytes)) return false;
    if (type != REG_DWORD || bytes.size() != 4) return false;
    std::memcpy(&value, bytes.data(), 4);
    return true;
}

}  // namespace collectiontest
