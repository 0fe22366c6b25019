// The framework's standard ids: commands its menus and accelerators carry, the strings it
// reads and the view's child id. Plain defines, so resource scripts can include them too.
#pragma once

// Commands.
#define ID_FILE_NEW 57600
#define ID_FILE_OPEN 57601
#define ID_FILE_SAVE 57603
#define ID_EDIT_COPY 57634
#define ID_EDIT_CUT 57635
#define ID_EDIT_PASTE 57637
#define ID_EDIT_UNDO 57643
#define ID_ABOUT 57664
#define ID_APP_EXIT 57665
#define ID_HELP_FILE 57670
#define ID_NEXT_PANE 57680
#define ID_PREV_PANE 57681

// Strings.
#define AFX_IDS_APP_TITLE 57344
#define AFX_IDS_IDLEMESSAGE 57345

// The view's child-window id inside its frame.
#define AFX_IDW_PANE_FIRST 59648
