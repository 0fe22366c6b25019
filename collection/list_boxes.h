// The view's four list boxes, used as the program's ordered string lists, by control id.
#pragma once
#include <windows.h>
#include <string>
#include "settings/settings_record.h"
#include "collection/list_box_ids.h"

namespace mov {

// The file list sorts by name only when BMPSort is 1 and the mode is not "Rand2".
bool FileListSorted(const SettingsRecord& s);

// Creates the four list boxes in `parent` at their places, file list last but one as the
// view does (scratch and random lists lie below the visible area). Returns false if any
// could not be made.
bool CreateCollectionListBoxes(HWND parent, const SettingsRecord& s);
// The file list alone, as the property sheet makes it again when the sorting rule changes.
HWND CreateFileListBox(HWND parent, const SettingsRecord& s);

// Thin list box access by id.
int LbCount(HWND parent, int id);
int LbSelection(HWND parent, int id);      // -1 when nothing is selected
void LbSelect(HWND parent, int id, int index);
std::string LbText(HWND parent, int id, int index);  // empty when the index is out of range
void LbAdd(HWND parent, int id, const std::string& text);
void LbDelete(HWND parent, int id, int index);
void LbClear(HWND parent, int id);

}  // namespace mov
