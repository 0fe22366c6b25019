// Reading and rewriting the font of an in-memory dialog template (DLGTEMPLATE or
// DLGTEMPLATEEX, little-endian words), so a property sheet can take its pages' font.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace fw {

struct DialogFont {
    uint16_t pointSize = 0;
    std::vector<uint16_t> face;  // UTF-16, without the terminating zero
};

// The font of a template that has one (DS_SETFONT); false for none or a malformed template.
bool ReadDialogFont(const uint8_t* t, size_t size, DialogFont& out);
// Bytes from the template's start to the end of its last control; 0 when malformed.
size_t DialogTemplateSize(const uint8_t* t, size_t size);
// The template with `font` in place of its own (weight, italic and character set kept);
// empty when it has no font or is malformed.
std::vector<uint8_t> WithDialogFont(const uint8_t* t, size_t size, const DialogFont& font);

}  // namespace fw
