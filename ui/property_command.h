// Command 32771: the property sheet over the settings record, and what its closing changes.
#pragma once
#include "ui/view_parts.h"

class CPropP1;
class CPropP2;
class PropP3b;

// Stops the timer, runs the sheet, takes what the user confirmed, restarts the timer.
void RunPropertySheet(const ViewParts& view);

// The pages as the settings record fills them when the sheet opens.
void FillPropertyPages(const ViewParts& view, CPropP1& p1, CPropP2& p2, PropP3b& p3);
// After the sheet closed with OK (`ok`) or Cancel: the confirmed pages' values go into the
// record and the running program follows them (list box, countdown, desktop values, tray,
// settings saved, rescan and redisplay). The timer is left to the caller.
void TakePropertyPages(const ViewParts& view, const CPropP1& p1, const CPropP2& p2, const PropP3b& p3, bool ok);
