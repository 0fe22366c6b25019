// The control ids of the view's list boxes, the program's ordered string lists. Plain
// defines: the resource script reads them too.
#pragma once

#define IDC_GROUP_LIST 57346    // mirror of the group list, never sorted
#define IDC_FILE_LIST 57347     // pictures of the current group
#define IDC_SCRATCH_LIST 57348  // names matched by the last listing pattern
#define IDC_RANDOM_LIST 57349   // staging list of the "Rand2" shuffle
