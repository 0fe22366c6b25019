// The About dialog (resource 100): modal, changes nothing.
#pragma once
#include <windows.h>

void ShowAboutBox(HWND owner);
