// Resource and command ids shared by the resource script and the code.
#pragma once

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

// Window message of the tray icon's mouse events.
#define WM_TRAY_NOTIFY 32783

// Framework standard ids.
#define ID_FILE_NEW 57600
#define ID_FILE_OPEN 57601
#define ID_FILE_SAVE 57603
#define ID_EDIT_COPY 57634
#define ID_EDIT_CUT 57635
#define ID_EDIT_PASTE 57637
#define ID_EDIT_UNDO 57643
#define ID_NEXT_PANE 57680
#define ID_PREV_PANE 57681
#define ID_APP_ABOUT 57664
#define ID_APP_EXIT 57665
#define ID_HELP_INDEX 57670
#define AFX_IDS_APP_TITLE 57344
#define AFX_IDS_IDLEMESSAGE 57345

// The program's commands.
#define ID_PROPERTY 32771
