// Every id of the main program: resources, commands, controls and the tray icon. Shared by
// the resource script, the program's code, the remote control and the tests. The
// framework's standard ids come from its own header.
#pragma once
#include "framework/framework_ids.h"

// The program icon, menu, accelerators and document template string.
#define IDR_MAINFRAME 128

// Tray icon images.
#define IDI_TRAY_STOPPED 133
#define IDI_TRAY_REMOVE 134
#define IDI_TRAY_PREV 135
#define IDI_TRAY_NEXT 137
#define IDI_TRAY_INACT 138
#define IDI_TRAY_TILE 139
#define IDI_TRAY_CHANGING 140
#define IDI_TRAY_MAXIMIZED 141

// The tray icon's own id in the notification area.
#define ID_TRAY_ICON 128

// Commands: the program's vocabulary, and the protocol of the remote control.
#define ID_PROPERTIES 32771
#define ID_NO_PAPER 32772
#define ID_STOP_GO 32773
#define ID_NEXT 32774
#define ID_PREV 32775
#define ID_DELETE_GROUP 32776
#define ID_CENTER_TILE 32777
#define ID_RIGHT_CLICK 32778
#define ID_REDISPLAY 32779
#define ID_FIT_SCREEN 32780
#define ID_STOP 32781
#define ID_GO 32782
#define ID_HIDE_FORM 32784
#define ID_REDISPLAY2 32785
#define ID_EXIT 32786
#define ID_MENU_CANCEL 32787
#define ID_LEFT_CLICK 32788

// Not a command: the window message of the tray icon's mouse events.
#define WM_TRAY_NOTIFY 32783

// The view's list boxes, the program's ordered string lists.
#define IDC_GROUP_LIST 57346    // mirror of the group list, never sorted
#define IDC_FILE_LIST 57347     // pictures of the current group
#define IDC_SCRATCH_LIST 57348  // names matched by the last listing pattern
#define IDC_RANDOM_LIST 57349   // staging list of the "Rand2" shuffle
#define IDC_COUNTDOWN 65535     // the seconds left (the resource compiler's "static" id)

// The About dialog.
#define IDD_ABOUTBOX 100
#define IDC_ABOUT_TEXT 1001
#define IDC_ABOUT_NOTE 1002

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
