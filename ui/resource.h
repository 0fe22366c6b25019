// Every id of the main program: resources, commands, controls and the tray icon. Shared by
// the resource script, the program's code and the tests. The framework's standard ids come
// from its own header, the commands from the remote control's, which sends them.
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
#include "remote/commands.h"

// Not a command: the window message of the tray icon's mouse events.
#define WM_TRAY_NOTIFY 32783

// The view's list boxes, the program's ordered string lists.
#include "collection/list_box_ids.h"
#define IDC_COUNTDOWN 65535     // the seconds left (the resource compiler's "static" id)

// The About dialog.
#define IDD_ABOUTBOX 100
#define IDC_ABOUT_TEXT 1001
#define IDC_ABOUT_NOTE 1002

// The property sheet's pages and their controls (ids are per page).
#define IDD_PROP_P1 131
#define IDD_PROP_P2 132
#define IDD_PROP_P3 133
#define IDC_P1_AUTO 1000
#define IDC_P1_RAND 1001
#define IDC_P1_MANUAL 1002
#define IDC_P1_INTERVAL 1003
#define IDC_P1_CENTER 1004
#define IDC_P1_TILE 1005
#define IDC_P1_AUTO_TILE 1006
#define IDC_P1_MODIFY 1007
#define IDC_P1_TILE_LENGTH 1008
#define IDC_P1_TILE_HEIGHT 1009
#define IDC_P1_FIT_NO 1010
#define IDC_P1_FIT_YES 1011
#define IDC_P1_FIT_RANGE 1012
#define IDC_P1_AD_BEGIN 1013
#define IDC_P1_AD_END 1014
#define IDC_P1_FIT_SMART 1015
#define IDC_P1_FIT_SMART2 1016
#define IDC_P1_RAND2 1017
#define IDC_P1_SMART_CENTER 1018
#define IDC_P1_SMART_RIGHT 1019
#define IDC_P1_SMART_LEFT 1020
#define IDC_P2_BUTTONS_NO 1000
#define IDC_P2_BUTTONS_NEXT 1001
#define IDC_P2_BUTTONS_PREV 1002
#define IDC_P2_BUTTONS_INACT 1004
#define IDC_P2_BUTTONS_TILE 1005
#define IDC_P2_LIST_BOTH 1006
#define IDC_P2_INACTIVE 1007
#define IDC_P2_BMP_SORT 1008
#define IDC_P2_DELAYED 1009
#define IDC_P2_LIST_SHORTCUTS 1010
#define IDC_P2_LIST_BITMAPS 1011
#define IDC_P2_JPEG_READ 1012
#define IDC_P2_TILE_RIGHT 1013
#define IDC_P2_BUTTONS_HIDE 1014
#define IDC_P2_FRONT_MAX 1015
#define IDC_P2_ICON_ON 1016
#define IDC_P3_BOTH 1000
#define IDC_P3_ACTIVE 1001
#define IDC_P3_STANDARD 1002
#define IDC_P3_NT35 1004
#define IDC_P3_WIN9X 1005
#define IDC_P3_WIN2000 1006
#define IDC_P3_NT40 1007
#define IDC_P3_JPEG 1008
#define IDC_P3_SUSIE 1009
#define IDC_P3_IE3 1010
#define IDC_P3_IE4 1011
#define IDC_P3_LHA 1012
#define IDC_P3_IE5 1013
#define IDC_P3_IE55 1014
#define IDC_P3_IE6 1015
#define IDC_P3_INTEGRATED 1021

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
