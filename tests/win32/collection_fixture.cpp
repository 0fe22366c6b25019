// The shared set-up of the collection tests.
#include "collection_fixture.h"
#include <objbase.h>
#include <shlobj.h>
#include "collection/list_boxes.h"
#include "framework/reg_key.h"
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
    HRESULT init = CoInitialize(nullptr);
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
    if (SUCCEEDED(init)) CoUninitialize();
    return ok;
}

void ClearGroupKey() { RegDeleteKeyA(HKEY_CURRENT_USER, mov::kGroupKey); }

void SetGroupString(const char* name, const std::string& value) {
    fw::RegKey k;
    ASSERT_EQ(k.Create(HKEY_CURRENT_USER, mov::kGroupKey), ERROR_SUCCESS);
    k.SetString(name, value);
}

void SetGroupDword(const char* name, uint32_t value) {
    fw::RegKey k;
    ASSERT_EQ(k.Create(HKEY_CURRENT_USER, mov::kGroupKey), ERROR_SUCCESS);
    k.SetDword(name, value);
}

bool GroupDword(const char* name, uint32_t& value) {
    fw::RegKey k;
    if (k.Open(HKEY_CURRENT_USER, mov::kGroupKey) != ERROR_SUCCESS) return false;
    int32_t v = 0;
    DWORD type = 0, size = 0;
    if (k.QueryInfo(name, type, size) != ERROR_SUCCESS || type != REG_DWORD || size != 4) return false;
    if (k.QueryDword(name, v) != ERROR_SUCCESS) return false;
    value = static_cast<uint32_t>(v);
    return true;
}

}  // namespace collectiontest
