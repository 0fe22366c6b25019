// The view: owns the lists, the countdown display and the buttons, and receives all commands.
#pragma once
#include "framework/view.h"

class CMovani32View : public fw::CView {
public:
    bool OnCmdMsg(UINT id, bool execute) override;
};
