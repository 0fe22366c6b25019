// The busy periods' depth and the messages held while one is open.
#include "framework/busy_period.h"
#include <shellapi.h>
#include <deque>

namespace fw {
namespace {

struct State {
    int depth = 0;
    std::deque<MSG> held;
    bool running = false;    // RunWaiting is under way
    bool replaying = false;  // `replay` is being handed back and passes the gate once
    MSG replay{};
};

State& TheState() {
    static State s;
    return s;
}

bool Same(const MSG& m, HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    return m.hwnd == w && m.message == msg && m.wParam == wp && m.lParam == lp;
}

// A held message that will never run: a drop's memory belongs to its receiver.
void LetGo(const MSG& m) {
    if (m.message == WM_DROPFILES) DragFinish(reinterpret_cast<HDROP>(m.wParam));
}

void LetGoAllOf(HWND w) {
    std::deque<MSG>& held = TheState().held;
    for (auto it = held.begin(); it != held.end();) {
        if (it->hwnd == w) {
            LetGo(*it);
            it = held.erase(it);
        } else {
            ++it;
        }
    }
}

// Asks the window of the first held message to run what waits; a window that cannot take
// the message is gone, and so is what it held.
void PostWake() {
    State& s = TheState();
    while (!s.held.empty()) {
        HWND w = s.held.front().hwnd;
        if (IsWindow(w) && PostMessageA(w, BusyPeriod::WakeMessage(), 0, 0)) return;
        LetGoAllOf(w);
    }
}

}  // namespace

BusyPeriod::BusyPeriod() { ++TheState().depth; }

BusyPeriod::~BusyPeriod() {
    State& s = TheState();
    // Not run from here: the code that opened the period goes on after it.
    if (--s.depth == 0 && !s.held.empty() && !s.running) PostWake();
}

bool BusyPeriod::Active() { return TheState().depth > 0; }

std::size_t BusyPeriod::Waiting() { return TheState().held.size(); }

UINT BusyPeriod::WakeMessage() {
    static const UINT msg = RegisterWindowMessageA("Movani32 busy period over");
    return msg;
}

bool BusyPeriod::Gate(HWND w, UINT msg, WPARAM wp, LPARAM lp, WhileBusy rule) {
    State& s = TheState();
    if (s.replaying && Same(s.replay, w, msg, wp, lp)) {
        s.replaying = false;
        return false;
    }
    switch (rule) {
    case WhileBusy::kRun:
        return false;
    case WhileBusy::kDrop:
        return s.depth > 0;
    case WhileBusy::kWait:
        if (s.depth == 0 && s.held.empty()) return false;
        Hold(w, msg, wp, lp);
        RunWaiting();  // not busy: the earlier ones run now, then this one
        return true;
    }
    return false;
}

void BusyPeriod::Hold(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    MSG m{};
    m.hwnd = w;
    m.message = msg;
    m.wParam = wp;
    m.lParam = lp;
    TheState().held.push_back(m);
}

void BusyPeriod::RunWaiting() {
    State& s = TheState();
    if (s.running || s.depth > 0) return;
    s.running = true;
    while (!s.held.empty() && s.depth == 0) {
        const MSG m = s.held.front();
        s.held.pop_front();
        if (!IsWindow(m.hwnd)) {
            LetGo(m);
            continue;
        }
        s.replay = m;
        s.replaying = true;
        SendMessageA(m.hwnd, m.message, m.wParam, m.lParam);
        s.replaying = false;
    }
    s.running = false;
    if (s.depth == 0 && !s.held.empty()) PostWake();
}

void BusyPeriod::Forget(HWND w) {
    LetGoAllOf(w);
    // The wake may have gone to `w`.
    const State& s = TheState();
    if (s.depth == 0 && !s.running && !s.held.empty()) PostWake();
}

int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT type) {
    BusyPeriod busy;
    return MessageBoxA(owner, text, caption, type);
}

}  // namespace fw
