// The commands the main program understands, by id: its menus, buttons and tray send them,
// and the remote control sends them from outside, so a number here never changes. Plain
// defines: the main program's resource script reads them through ui/resource.h.
#pragma once

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
