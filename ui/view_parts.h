// What the view's commands act on: its window, the document, the engine and the tray icon.
#pragma once
#include <windows.h>

class CMovani32Doc;
class TrayIcon;
namespace mov {
class Engine;
}

struct ViewParts {
    HWND view = nullptr;  // holds the list boxes and the buttons; its parent is the frame
    CMovani32Doc* doc = nullptr;
    mov::Engine* engine = nullptr;
    TrayIcon* tray = nullptr;
};
