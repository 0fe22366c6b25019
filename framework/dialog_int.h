// Integer fields of dialogs: what text counts as an integer, and the texts that refuse one.
#pragma once
#include <string>

namespace fw {

// Blanks around an optional sign and at least one digit; nothing else. The value must
// fit a 32-bit int. On failure `out` is left alone.
bool ParseDialogInt(const std::string& text, int& out);

// The refusal texts, in the program's code page.
std::string NotAnIntegerText();
std::string IntRangeText(int low, int high);

}  // namespace fw
