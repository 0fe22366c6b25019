// The command ids the main program understands (its command table), and the names that
// bind the two programs. Nothing else is shared with the main program.
#pragma once

namespace rc {

constexpr char kMainClass[] = "MovaniClass";
constexpr char kMainExe[] = "Movani32.exe";

enum Command : unsigned {
    ID_PROPERTIES = 32771,
    ID_NO_PAPER = 32772,
    ID_NEXT = 32774,
    ID_PREV = 32775,
    ID_CENTER_TILE = 32777,
    ID_STOP = 32781,
    ID_GO = 32782,
    ID_APP_EXIT = 57665,
};

}  // namespace rc
