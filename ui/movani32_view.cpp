// Set-up, painting, tray icon and command handling of the view.
#include "framework/window.h"
#include "ui/movani32_view.h"
#include <shellapi.h>
#include <string>
#include "collection/group_store.h"
#include "collection/list_boxes.h"
#include "collection/runtime_rand.h"
#include "engine/countdown.h"
#include "settings/clock.h"
#include "ui/about_box.h"
#include "ui/movani32_doc.h"
#include "ui/property_command.h"
#include "ui/resource.h"
#include "ui/tray_state.h"

namespace {

// Text drawn white, then black one pixel up and left: an embossed label.
void Embossed(HDC dc, int x, int y, const char* text) {
    int n = lstrlenA(text);
    SetTextColor(dc, RGB(255, 255, 255));
    TextOutA(dc, x, y, text, n);
    SetTextColor(dc, RGB(0, 0, 0));
    TextOutA(dc, x - 1, y - 1, text, n);
}

void Outline(HDC dc, int l, int t, int r, int b) {
    MoveToEx(dc, l, t, nullptr);
    LineTo(dc, r, t);
    LineTo(dc, r, b);
    LineTo(dc, l, b);
    LineTo(dc, l, t);
}

}  // namespace

CMovani32Doc* CMovani32View::GetDocument() const {
    return static_cast<CMovani32Doc*>(fw::CView::GetDocument());
}

void CMovani32View::CreateControls() {
    CMovani32Doc* doc = GetDocument();
    mov::CreateCollectionListBoxes(hwnd_, doc->settings);
    fw::MakeControl(hwnd_, "STATIC", "0", SS_RIGHT, IDC_COUNTDOWN, 370, 40, 90, 20);
    fw::MakeControl(hwnd_, "BUTTON", "NoPaper", BS_PUSHBUTTON, ID_NO_PAPER, 350, 80, 120, 40);
    fw::MakeControl(hwnd_, "BUTTON", doc->settings.Change == 3 ? "Go" : "Stop", BS_PUSHBUTTON, ID_STOP_GO, 350, 120, 120, 40);
    fw::MakeControl(hwnd_, "BUTTON", "Prev.", BS_PUSHBUTTON, ID_PREV, 350, 160, 120, 40);
    fw::MakeControl(hwnd_, "BUTTON", "Next", BS_PUSHBUTTON, ID_NEXT, 350, 200, 120, 40);
    fw::MakeControl(hwnd_, "BUTTON", "Center/Tile", BS_PUSHBUTTON, ID_CENTER_TILE, 350, 240, 120, 40);
    fw::MakeControl(hwnd_, "BUTTON", "Del Folder", BS_PUSHBUTTON, ID_DELETE_GROUP, 350, 285, 120, 40);
    controlsMade_ = true;
}

void CMovani32View::OnInitialUpdate() {
    CMovani32Doc* doc = GetDocument();
    if (!doc) return;
    tray_.maximizedPause = 0;
    BOOL saver = FALSE;
    SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &saver, 0);
    screenSaverEnabled = saver ? 1 : 0;
    if (!scan_) {
        scan_ = std::make_unique<mov::FolderScan>(doc->settings, doc->groups, doc->positions);
        scan_->Attach(hwnd_);
        doc->groups.Attach(hwnd_);
        MakeEngine();
    }
    scan_->scanDone = 1;
    const bool renewed = controlsMade_;
    if (!controlsMade_) CreateControls();
    rememberedMode = doc->settings.Change;
    mov::LbClear(hwnd_, IDC_FILE_LIST);  // a renewed document scans its groups afresh

    tray_.Attach(hwnd_, fw::InstanceOf(hwnd_));
    // A renewed document runs this again: the icon already there is brought up to date.
    DWORD op = NIM_MODIFY;
    if (!trayReady_) {
        tray_.SetShown(doc->settings.IconOn);
        trayReady_ = true;
        op = NIM_ADD;
    }
    SetTrayIcon(CurrentTrayIcon(), op);

    // The id comes first: a command answered inside the load's message box arms this timer,
    // never one of id 0 that nothing would kill.
    if (timerId) KillTimer(hwnd_, timerId);
    timerId = 1;
    reload = mov::ReloadValue(doc->settings.Interval);
    countdown = -1;
    doc->positions.BmpPos = 0;
    doc->positions.DirPos = 0;
    bool loaded = mov::LoadGroups(doc->groups, doc->positions, *scan_, doc->settings) == 1;
    timerPeriod = loaded ? 1000 : 10000;
    mov::TheRand().Seed(static_cast<uint32_t>(mov::TheClock().Seconds()));
    delayedStart = 0;
    timerId = SetTimer(hwnd_, 1, timerPeriod, nullptr);
    forced = 0;
    if (renewed) ShowRunState();
}

BOOL CMovani32View::SetTrayIcon(UINT iconId, DWORD op) {
    CMovani32Doc* doc = GetDocument();
    return tray_.Set(iconId, op, doc ? doc->settings.IconOn : 0);
}

UINT CMovani32View::CurrentTrayIcon() const {
    const CMovani32Doc* doc = GetDocument();
    if (!doc) return IDR_MAINFRAME;
    return static_cast<UINT>(mov::TrayIconForState(doc->settings.Change, doc->settings.WrightButton));
}

void CMovani32View::MakeEngine() {
    CMovani32Doc* doc = GetDocument();
    writer_ = std::make_unique<mov::DesktopWriter>(doc->settings, fit_, this);
    cycle_ = std::make_unique<mov::ChangeCycle>(mov::EngineParts{doc->settings, doc->groups, doc->positions, *scan_,
                                                                 *writer_, fit_, *this, *this, hwnd_});
    timer_ = std::make_unique<mov::WallpaperTimer>(*cycle_);
    cycle_->SetIdleHandler([this] { PostDeferred(); });
}

bool CMovani32View::DeferWhileBusy(HWND target, UINT msg, WPARAM wp, LPARAM lp) {
    if (!Busy()) return false;
    deferred_.push_back({target, msg, wp, lp});
    return true;
}

void CMovani32View::PostDeferred() {
    std::vector<Deferred> due;
    due.swap(deferred_);
    for (const Deferred& d : due) PostMessageA(d.target, d.msg, d.wp, d.lp);
}

void CMovani32View::ShowTitle(const std::string& title) {
    if (CMovani32Doc* doc = GetDocument()) doc->SetTitle(title);
}

void CMovani32View::ShowTrayIcon(unsigned iconId) { SetTrayIcon(iconId, NIM_MODIFY); }

void CMovani32View::ShowCountdown(const std::string& text) { SetDlgItemTextA(hwnd_, IDC_COUNTDOWN, text.c_str()); }

void CMovani32View::OnTimer(UINT_PTR id) {
    if (!GetDocument() || !timer_) return;
    timer_->Tick(id);
}

void CMovani32View::OnDraw(HDC dc) {
    CMovani32Doc* doc = GetDocument();
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    SetBkMode(dc, TRANSPARENT);
    SetBkColor(dc, face);
    RECT rc{};
    GetClientRect(hwnd_, &rc);
    HBRUSH brush = CreateSolidBrush(face);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    Rectangle(dc, rc.left, rc.top, rc.right, rc.bottom);  // the default black pen outlines it
    SelectObject(dc, oldBrush);
    DeleteObject(brush);

    SIZE zero{};
    GetTextExtentPoint32A(dc, "0", 1, &zero);
    int h = zero.cy;
    Embossed(dc, 10, 23 - h, "Folder List");
    Embossed(dc, 10, 178 - h, "BitMap Files");
    Embossed(dc, 360, 15, "Remain Time");

    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(WHITE_PEN));
    Outline(dc, 356, 14, 466, 66);
    SelectObject(dc, oldPen);
    Outline(dc, 355, 13, 465, 65);

    if (doc) SetDlgItemTextA(hwnd_, ID_STOP_GO, doc->settings.Change <= 2 && doc->settings.Change >= 0 ? "Stop" : "Go");

    for (int id : {IDC_COUNTDOWN, IDC_GROUP_LIST, IDC_FILE_LIST}) {
        HWND ctl = GetDlgItem(hwnd_, id);
        WINDOWPLACEMENT wp{};
        wp.length = sizeof wp;
        if (!ctl || !GetWindowPlacement(ctl, &wp)) continue;
        const RECT& r = wp.rcNormalPosition;
        RECT dark{r.left - 2, r.top - 2, r.right, r.bottom};
        RECT light{r.left, r.top, r.right + 2, r.bottom + 2};
        FillRect(dc, &dark, static_cast<HBRUSH>(GetStockObject(DKGRAY_BRUSH)));
        FillRect(dc, &light, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
}

void CMovani32View::ShowAboutBox() { ::ShowAboutBox(GetParent(hwnd_)); }

// No help file belongs to the program: its manual is an HTML page beside it.
void CMovani32View::OpenManual() {
    char path[MAX_PATH] = {};
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    if (n == 0 || n >= sizeof path) return;
    std::string manual(path, n);
    size_t slash = manual.find_last_of('\\');
    manual = (slash == std::string::npos ? std::string() : manual.substr(0, slash + 1)) + "Movani32.html";
    ShellExecuteA(GetParent(hwnd_), "open", manual.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void CMovani32View::PaperRemovedChanged(bool removed) {
    if (HWND button = GetDlgItem(hwnd_, ID_NO_PAPER)) SetWindowTextA(button, removed ? "Retern Paper" : "No Paper");
    HWND frame = GetParent(hwnd_);
    if (HMENU menu = frame ? GetSystemMenu(frame, FALSE) : nullptr)
        ModifyMenuA(menu, ID_NO_PAPER, MF_BYCOMMAND | MF_STRING | (removed ? MF_CHECKED : MF_UNCHECKED), ID_NO_PAPER,
                    "壁紙なし");
}

LRESULT CMovani32View::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_TIMER) {
        OnTimer(wp);
        return 0;
    }
    if (msg == WM_DESTROY) {
        if (timerId) KillTimer(hwnd_, timerId);
        timerId = 0;
        SetTrayIcon(IDR_MAINFRAME, NIM_DELETE);
    }
    if (msg == WM_TRAY_NOTIFY && !DeferWhileBusy(hwnd_, msg, wp, lp)) OnTrayNotify(static_cast<UINT>(lp));
    if (msg == WM_COMMAND && (LOWORD(wp) == IDC_GROUP_LIST || LOWORD(wp) == IDC_FILE_LIST)) {
        if (HIWORD(wp) == LBN_DBLCLK) OnListDoubleClick(LOWORD(wp));
        return 0;
    }
    if (msg == TrayIcon::TaskbarCreatedMessage() && msg != 0) {
        // The shell forgot every icon: add ours again if it should be there.
        if (trayReady_) tray_.Restore(CurrentTrayIcon(), GetDocument() ? GetDocument()->settings.IconOn : 0);
        return 0;
    }
    return fw::CView::WindowProc(msg, wp, lp);
}
