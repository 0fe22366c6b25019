// Tray buttons and the deletion question.
#include "ui/command_rules.h"
#include "settings/settings_codes.h"
#include "ui/resource.h"

namespace mov {

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

std::string DeleteGroupQuestion(const std::string& path) {
    return "ディレクトリ" + path + "を削除します。\n\nよろしいですか？";
}
const char kDeleteGroupCaption[] = "ディレクトリの削除";

}  // namespace mov
