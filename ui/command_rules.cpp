// Stop/go, tray buttons and deletion positions.
#include "ui/command_rules.h"
#include "settings/settings_codes.h"
#include "ui/resource.h"

namespace mov {

bool IsRunning(int change) { return change >= kChangeAuto && change <= kChangeRand2; }

RunModes StopGo(RunModes m) {
    if (IsRunning(m.change)) return Stop(m);
    return Go(m);
}

RunModes Stop(RunModes m) { return {kChangeNo, m.change}; }

RunModes Go(RunModes m) {
    const int mode = m.remembered == kChangeNo ? kChangeAuto : m.remembered;
    return {mode, mode};
}

unsigned TrayButtonCommand(int wrightButton, bool left) {
    switch (wrightButton) {
    case kButtonNo: return ID_NO_PAPER;
    case kButtonNext: return left ? ID_PREV : ID_NEXT;
    case kButtonPrev: return left ? ID_NEXT : ID_PREV;
    case kButtonInact: return left ? ID_GO : ID_STOP;
    case kButtonTile: return ID_CENTER_TILE;
    case kButtonHide: return left ? kTrayMenu : ID_HIDE_FORM;
    default: return 0;
    }
}

GroupPositions PositionsAfterDelete(int deleted, GroupPositions now) {
    if (deleted < now.dirPos) return {now.dirPos - 1, now.bmpPos};
    if (deleted == now.dirPos) return {0, 0};
    return now;
}

std::string DeleteGroupQuestion(const std::string& path) {
    return "ディレクトリ" + path + "を削除します。\n\nよろしいですか？";
}
const char kDeleteGroupCaption[] = "ディレクトリの削除";

}  // namespace mov
