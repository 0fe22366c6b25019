// Marks the start and end of one step of a change as debug strings. A debugger, or Wine with
// WINEDEBUG=+timestamp,+debugstr, shows them with times; without a listener each costs a few
// microseconds and nothing is built on the heap.
#pragma once
#include <windows.h>
#include <cstdio>

namespace mov {

class StepMark {
public:
    explicit StepMark(const char* step) : step_(step) { Say("begin"); }
    ~StepMark() { End(); }
    StepMark(const StepMark&) = delete;
    StepMark& operator=(const StepMark&) = delete;

    // The step is over before the scope is.
    void End() {
        if (!step_) return;
        Say("end");
        step_ = nullptr;
    }

private:
    void Say(const char* edge) const {
        char line[96];
        std::snprintf(line, sizeof line, "Movani32 step %s %s\n", step_, edge);
        OutputDebugStringA(line);
    }
    const char* step_;
};

}  // namespace mov
