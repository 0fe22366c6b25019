// Whether a line of the LHA program's list names a file inside the work folder, so that
// unpacking, moving and deleting it cannot touch anything else.
#pragma once
#include <string_view>

namespace mov {

// A relative name of one or more parts (separated by '\' or '/', Shift-JIS second bytes
// belong to their character): no drive or stream colon, no leading separator, no "." or
// ".." part, no empty part, no device name (CON, NUL, COM1, LPT1 ...), no control
// character or < > " | ? *, no part ending in a dot or blank.
bool IsSafeMemberName(std::string_view name);

}  // namespace mov
