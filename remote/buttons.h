// The remote control's buttons as the form was drawn, in tab order: the window makes them
// from this table and the test tool compares the running window with it.
#pragma once
#include <windows.h>
#include "framework/framework_ids.h"
#include "remote/commands.h"

namespace rc {

enum class Act { Start, Send, Show, Close };

struct ButtonSpec {
    const char* caption;
    int x, y, cx, cy;  // client pixels
    const char* hint;
    Act act;
    unsigned arg;  // command id or ShowWindow state
};

// Neighbours overlap by a pixel, as the form was drawn.
inline constexpr ButtonSpec kButtons[] = {
    {"ON", 4, 4, 73, 33, "MovAni32を起動", Act::Start, 0},
    {"OFF", 76, 4, 45, 33, "MovAni32を終了", Act::Send, ID_APP_EXIT},
    {"No Paper", 4, 36, 117, 25, "壁紙無し", Act::Send, ID_NO_PAPER},
    {"GO", 28, 64, 69, 21, "再開", Act::Send, ID_GO},
    {"STOP", 28, 84, 69, 21, "停止", Act::Send, ID_STOP},
    {"<", 4, 64, 25, 41, "前の壁紙", Act::Send, ID_PREV},
    {">", 96, 64, 25, 41, "次の壁紙", Act::Send, ID_NEXT},
    {"Center/Tiled", 4, 108, 117, 21, "中央／並べて", Act::Send, ID_CENTER_TILE},
    {"SHOW", 4, 128, 61, 25, "元のサイズで表示", Act::Show, SW_SHOWNORMAL},
    {"HIDE", 64, 128, 57, 25, "MovAni32を隠す", Act::Show, SW_HIDE},
    {"Property", 4, 152, 61, 29, "プロパティーを設定", Act::Send, ID_PROPERTIES},
    {"MINIMIZE", 64, 152, 57, 29, "最小化する", Act::Show, SW_MINIMIZE},
    {"終了", 4, 184, 117, 21, "リモコンを終了する。", Act::Close, 0},
};
constexpr int kButtonCount = static_cast<int>(sizeof kButtons / sizeof kButtons[0]);

}  // namespace rc
