// Set-up, painting and the tray icon of the view, and how the engine's reports look.
#include "ui/movani32_view.h"
#include <shellapi.h>
#include <string>
#include "collection/group_store.h"
#include "collection/list_boxes.h"
#include "engine/countdown.h"
#include "engine/selection_rules.h"
#include "framework/window.h"
#include "settings/settings_codes.h"
#include "ui/movani32_doc.h"
#include "ui/resource.h"

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

ViewParts CMovani32View::parts() { return {hwnd_, GetDocument(), engine_.get(), &tray_}; }

void CMovani32View::CreateControls() {
    CMovani32Doc* doc = GetDocument();
    mov::CreateCollectionListBoxes(hwnd_, doc->settings);
    fw::MakeControl(hwnd_, "STATIC", "0", SS_RIGHT, IDC_COUNTDOWN, 370, 40, 90, 20);
    fw::MakeControl(hwnd_, "BUTTON", "NoPaper", BS_PUSHBUTTON, ID_NO_PAPER, 350, 80, 120, 40);
    fw::MakeControl(hwnd_, "BUTTON", doc->settings.Change == mov::kChangeNo ? "Go" : "Stop", BS_PUSHBUTTON,
                    ID_STOP_GO, 350, 120, 120, 40);
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
    if (!scan_) {
        scan_ = std::make_unique<mov::FolderScan>(doc->settings, doc->groups, doc->positions);
        scan_->Attach(hwnd_);
        doc->groups.Attach(hwnd_);
        engine_ = std::make_unique<mov::Engine>(doc->settings, doc->groups, doc->positions, *scan_,
                                                static_cast<mov::EngineEvents&>(*this), hwnd_);
        commands_ = std::make_unique<CommandTable>(parts());
    }
    // The load's report and the tray's answer let messages in.
    fw::BusyPeriod busy;
    scan_->scanDone = 1;
    scan_->ForgetReports();  // a renewal tells every failed listing again
    const bool renewed = controlsMade_;
    if (!controlsMade_) CreateControls();
    engine_->Reset();
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
    doc->positions.BmpPos = 0;
    doc->positions.DirPos = 0;
    const bool loaded = mov::LoadGroups(doc->groups, doc->positions, *scan_, doc->settings) == 1;
    engine_->Start(loaded);
    if (renewed) RunStateChanged(mov::IsRunning(doc->settings.Change));
}

bool CMovani32View::OnCmdMsg(UINT id, bool execute) {
    return commands_ ? commands_->Run(id, execute) : CommandTable::Handles(id);
}

fw::WhileBusy CMovani32View::WhileBusyRule(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_TIMER:
        return fw::WhileBusy::kDrop;
    case WM_DISPLAYCHANGE:  // the wallpaper is made again once the change under way is over
        return fw::WhileBusy::kWait;
    case WM_TRAY_NOTIFY:
        return CommandTable::TrayWhileBusy(static_cast<UINT>(lp));
    case WM_COMMAND:
        if (LOWORD(wp) == IDC_GROUP_LIST || LOWORD(wp) == IDC_FILE_LIST)
            return HIWORD(wp) == LBN_DBLCLK ? fw::WhileBusy::kWait : fw::WhileBusy::kRun;
        return fw::CView::WhileBusyRule(msg, wp, lp);
    default:
        return fw::WhileBusy::kRun;
    }
}

BOOL CMovani32View::SetTrayIcon(UINT iconId, DWORD op) {
    CMovani32Doc* doc = GetDocument();
    return tray_.Set(iconId, op, doc ? doc->settings.IconOn : 0);
}

UINT CMovani32View::CurrentTrayIcon() const {
    const CMovani32Doc* doc = GetDocument();
    return doc ? TrayIcon::StateIcon(doc->settings) : IDR_MAINFRAME;
}

void CMovani32View::ShowTrayIcon(unsigned iconId) { SetTrayIcon(iconId, NIM_MODIFY); }

void CMovani32View::ShowTitle(const std::string& title) {
    if (CMovani32Doc* doc = GetDocument()) doc->SetTitle(title);
}

void CMovani32View::Changing() { ShowTrayIcon(IDI_TRAY_CHANGING); }

void CMovani32View::CountingDown(int counter) {
    SetDlgItemTextA(hwnd_, IDC_COUNTDOWN, mov::CountdownText(counter).c_str());
}

void CMovani32View::Blinking(bool changingPhase) {
    ShowTrayIcon(changingPhase ? IDI_TRAY_CHANGING : CurrentTrayIcon());
    FlashWindow(fw::RootWindow(hwnd_), TRUE);
}

// The held image shows once per hold; any other tray update in between clears the mark, so
// the next held tick shows it again.
void CMovani32View::MaximizedWindowHolds(bool holds) {
    if (holds && tray_.maximizedPause == 0) {
        ShowTrayIcon(IDI_TRAY_MAXIMIZED);
        tray_.maximizedPause = 1;
    } else if (!holds && tray_.maximizedPause == 1) {
        ShowTrayIcon(CurrentTrayIcon());
        tray_.maximizedPause = 0;
    }
}

// "壁紙変更の中断", the system menu's stop/go entry once it has been used, is checked while stopped.
void CMovani32View::RunStateChanged(bool running) {
    SetDlgItemTextA(hwnd_, ID_STOP_GO, running ? "Stop" : "Go");
    if (HMENU sys = GetSystemMenu(GetParent(hwnd_), FALSE))
        ModifyMenuA(sys, ID_STOP_GO, MF_BYCOMMAND | MF_STRING | (running ? MF_UNCHECKED : MF_CHECKED), ID_STOP_GO,
                    "壁紙変更の中断");
    ShowTrayIcon(running ? CurrentTrayIcon() : IDI_TRAY_STOPPED);
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

    if (doc) SetDlgItemTextA(hwnd_, ID_STOP_GO, mov::IsRunning(doc->settings.Change) ? "Stop" : "Go");

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

void CMovani32View::PaperRemovedChanged(bool removed) {
    if (HWND button = GetDlgItem(hwnd_, ID_NO_PAPER)) SetWindowTextA(button, removed ? "Retern Paper" : "No Paper");
    HWND frame = GetParent(hwnd_);
    if (HMENU menu = frame ? GetSystemMenu(frame, FALSE) : nullptr)
        ModifyMenuA(menu, ID_NO_PAPER, MF_BYCOMMAND | MF_STRING | (removed ? MF_CHECKED : MF_UNCHECKED), ID_NO_PAPER,
                    "壁紙なし");
}

LRESULT CMovani32View::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_TIMER:
        if (GetDocument() && engine_) engine_->Tick(wp);
        return 0;
    case WM_DISPLAYCHANGE:
        if (GetDocument() && engine_) engine_->ScreenChanged();
        return 0;
    case WM_DESTROY:
        if (engine_) engine_->Shutdown();
        SetTrayIcon(IDR_MAINFRAME, NIM_DELETE);
        break;
    case WM_TRAY_NOTIFY:
        if (commands_) commands_->OnTrayNotify(static_cast<UINT>(lp));
        break;
    case WM_COMMAND:
        if (LOWORD(wp) == IDC_GROUP_LIST || LOWORD(wp) == IDC_FILE_LIST) {
            if (HIWORD(wp) == LBN_DBLCLK && commands_) commands_->OnListDoubleClick(LOWORD(wp));
            return 0;
        }
        break;
    default:
        if (msg == TrayIcon::TaskbarCreatedMessage() && msg != 0) {
            // The shell forgot every icon: add ours again if it should be there.
            if (trayReady_) tray_.Restore(CurrentTrayIcon(), GetDocument() ? GetDocument()->settings.IconOn : 0);
            return 0;
        }
        break;
    }
    return fw::CView::WindowProc(msg, wp, lp);
}
