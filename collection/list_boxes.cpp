// Creation of and access to the collection's list boxes.
#include "collection/list_boxes.h"
#include <cstring>
#include <vector>
#include "framework/window.h"
#include "settings/settings_codes.h"

namespace mov {
namespace {

constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_DISABLENOSCROLL | LBS_NOTIFY;

HWND MakeListBox(HWND parent, int id, DWORD extraStyle, int left, int top, int right, int bottom) {
    return fw::MakeControl(parent, "LISTBOX", "", kListStyle | extraStyle, id, left, top, right - left, bottom - top);
}

LRESULT Send(HWND parent, int id, UINT msg, WPARAM wp = 0, LPARAM lp = 0) {
    return SendDlgItemMessageA(parent, id, msg, wp, lp);
}

}  // namespace

bool FileListSorted(const SettingsRecord& s) { return s.BMPSort == 1 && s.Change != kChangeRand2; }

HWND CreateFileListBox(HWND parent, const SettingsRecord& s) {
    return MakeListBox(parent, IDC_FILE_LIST, FileListSorted(s) ? LBS_SORT : 0, 20, 180, 320, 325);
}

bool CreateCollectionListBoxes(HWND parent, const SettingsRecord& s) {
    bool ok = MakeListBox(parent, IDC_GROUP_LIST, 0, 20, 25, 320, 150) != nullptr;
    ok = MakeListBox(parent, IDC_SCRATCH_LIST, 0, 20, 400, 320, 545) != nullptr && ok;
    ok = MakeListBox(parent, IDC_RANDOM_LIST, 0, 20, 400, 320, 545) != nullptr && ok;
    ok = CreateFileListBox(parent, s) != nullptr && ok;
    return ok;
}

int LbCount(HWND parent, int id) {
    LRESULT n = Send(parent, id, LB_GETCOUNT);
    return n < 0 ? 0 : static_cast<int>(n);
}

int LbSelection(HWND parent, int id) {
    LRESULT i = Send(parent, id, LB_GETCURSEL);
    return i < 0 ? -1 : static_cast<int>(i);
}

void LbSelect(HWND parent, int id, int index) { Send(parent, id, LB_SETCURSEL, static_cast<WPARAM>(index)); }

std::string LbText(HWND parent, int id, int index) {
    LRESULT len = Send(parent, id, LB_GETTEXTLEN, static_cast<WPARAM>(index));
    if (len < 0) return std::string();
    std::vector<char> buf(static_cast<size_t>(len) + 1, '\0');
    LRESULT got = Send(parent, id, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buf.data()));
    if (got < 0) return std::string();
    return std::string(buf.data(), strnlen(buf.data(), buf.size()));
}

void LbAdd(HWND parent, int id, const std::string& text) {
    Send(parent, id, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void LbDelete(HWND parent, int id, int index) { Send(parent, id, LB_DELETESTRING, static_cast<WPARAM>(index)); }

void LbClear(HWND parent, int id) { Send(parent, id, LB_RESETCONTENT); }

}  // namespace mov
