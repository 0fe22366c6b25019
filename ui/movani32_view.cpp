// Command handling of the view.
#include "ui/movani32_view.h"

bool CMovani32View::OnCmdMsg(UINT id, bool execute) {
    (void)id;
    (void)execute;
    return false;
}
