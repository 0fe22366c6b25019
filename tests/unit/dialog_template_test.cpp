// Dialog template fonts: read from both template forms and put in place of another font
// without disturbing the controls that follow.
#include <gtest/gtest.h>
#include <cstdint>
#include <string>
#include <vector>
#include "framework/dialog_template.h"

namespace {

struct Bytes {
    std::vector<uint8_t> v;
    void W(uint16_t w) { v.push_back(w & 0xFF); v.push_back(w >> 8); }
    void D(uint32_t d) { W(d & 0xFFFF); W(d >> 16); }
    void S(const std::u16string& s) { for (char16_t c : s) W(c); W(0); }
    void Align() { while (v.size() % 4) v.push_back(0); }
};

// A template with one button ("OK", id 1) and a second control with two bytes of creation data.
std::vector<uint8_t> Template(bool ex, const std::u16string& face, uint16_t points) {
    Bytes b;
    if (ex) { b.W(1); b.W(0xFFFF); b.D(0); b.D(0); b.D(0x40 | 0x80000000u); }
    else { b.D(0x40 | 0x80000000u); b.D(0); }
    b.W(2);
    for (int i = 0; i < 4; ++i) b.W(10);
    b.W(0); b.W(0); b.S(u"Sheet");
    b.W(points);
    if (ex) { b.W(400); b.v.push_back(0); b.v.push_back(128); }
    b.S(face);
    for (int item = 0; item < 2; ++item) {
        b.Align();
        if (ex) { b.D(0); b.D(0); b.D(0x50010000); }
        else { b.D(0x50010000); b.D(0); }
        for (int i = 0; i < 4; ++i) b.W(static_cast<uint16_t>(5 + item));
        if (ex) b.D(1 + item); else b.W(static_cast<uint16_t>(1 + item));
        b.W(0xFFFF); b.W(0x0080);
        b.S(item ? u"" : u"OK");
        if (item) { b.W(2); b.W(0xBEEF); } else b.W(0);
    }
    return b.v;
}

std::u16string Face(const fw::DialogFont& f) { return std::u16string(f.face.begin(), f.face.end()); }

TEST(DialogTemplate, FontIsReplacedInBothFormsAndTheControlsFollowIntact) {
    for (bool ex : {false, true}) {
        const std::vector<uint8_t> sheet = Template(ex, u"MS Shell Dlg", 8);
        EXPECT_EQ(fw::DialogTemplateSize(sheet.data(), sheet.size()), sheet.size()) << ex;
        fw::DialogFont f;
        ASSERT_TRUE(fw::ReadDialogFont(sheet.data(), sheet.size(), f)) << ex;
        EXPECT_EQ(f.pointSize, 8);
        EXPECT_EQ(Face(f), u"MS Shell Dlg");

        fw::DialogFont page;
        page.pointSize = 10;
        page.face.assign({0xFF2D, 0xFF33, 0x0020, 0xFF30, 0x30B4, 0x30B7, 0x30C3, 0x30AF});
        const std::vector<uint8_t> changed = fw::WithDialogFont(sheet.data(), sheet.size(), page);
        // The same template as if it had been written with the page's font.
        EXPECT_EQ(changed, Template(ex, std::u16string(page.face.begin(), page.face.end()), 10)) << ex;
        EXPECT_LE(changed.size(), sheet.size());
    }
}

TEST(DialogTemplate, TruncatedOrFontlessTemplatesAreLeftAlone) {
    const std::vector<uint8_t> t = Template(false, u"MS Shell Dlg", 8);
    for (size_t cut : {size_t(0), size_t(3), size_t(20), t.size() - 1}) {
        fw::DialogFont f;
        EXPECT_EQ(fw::DialogTemplateSize(t.data(), cut), 0u) << cut;
        EXPECT_TRUE(fw::WithDialogFont(t.data(), cut, f).empty()) << cut;
    }
    std::vector<uint8_t> noFont = t;
    noFont[0] &= ~0x40;  // no DS_SETFONT: the point size and face are then read as controls
    fw::DialogFont f;
    EXPECT_FALSE(fw::ReadDialogFont(noFont.data(), noFont.size(), f));
    EXPECT_TRUE(fw::WithDialogFont(noFont.data(), noFont.size(), f).empty());
}

}  // namespace
