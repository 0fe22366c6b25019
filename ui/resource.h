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
#define ID_HELP_FILE ID_HELP_INDEX
#define ID_ABOUT ID_APP_ABOUT
#define AFX_IDS_APP_TITLE 57344
#define AFX_IDS_IDLEMESSAGE 57345

// The program's commands: the protocol with the remote control as well.
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

// The view's controls.
#define IDC_GROUP_LIST 57346
#define IDC_FILE_LIST 57347
#define IDC_SCRATCH_LIST 57348
#define IDC_RANDOM_LIST 57349
#define IDC_COUNTDOWN 65535

// The About dialog.
#define IDD_ABOUTBOX 100
#define IDC_ABOUT_TEXT 1001
#define IDC_ABOUT_NOTE 1002

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
