// Walks dialog templates field by field; every read is checked against the given size.
#include "framework/dialog_template.h"

namespace fw {
namespace {

constexpr uint32_t kSetFont = 0x40;  // DS_SETFONT

struct Reader {
    const uint8_t* t;
    size_t size;
    size_t pos = 0;
    bool ok = true;

    uint16_t Word() {
        if (pos + 2 > size) { ok = false; return 0; }
        uint16_t w = static_cast<uint16_t>(t[pos] | (t[pos + 1] << 8));
        pos += 2;
        return w;
    }
    uint32_t Dword() {
        uint32_t lo = Word();
        return lo | (static_cast<uint32_t>(Word()) << 16);
    }
    void Skip(size_t n) {
        if (pos + n > size) ok = false;
        else pos += n;
    }
    // A zero-terminated UTF-16 string.
    void String(std::vector<uint16_t>* out = nullptr) {
        for (uint16_t c = Word(); ok && c != 0; c = Word())
            if (out) out->push_back(c);
    }
    // A name or an ordinal: 0 none, 0xFFFF followed by a number, else a string.
    void NameOrOrdinal() {
        uint16_t first = Word();
        if (!ok || first == 0) return;
        if (first == 0xFFFF) { Word(); return; }
        String();
    }
    void AlignDword() { Skip((4 - pos % 4) % 4); }
};

struct Layout {
    bool ex = false;
    uint32_t style = 0;
    uint16_t items = 0;
    size_t fontAt = 0;   // the point size
    size_t faceAt = 0;   // the face name
    size_t faceEnd = 0;  // after its terminating zero
    size_t itemsAt = 0;  // the first control (aligned)
    size_t end = 0;
};

bool Walk(const uint8_t* t, size_t size, Layout& l, DialogFont* font) {
    Reader r{t, size};
    r.Word();
    l.ex = r.Word() == 0xFFFF && size >= 4 && t[0] == 1 && t[1] == 0;
    r.pos = 0;
    if (l.ex) {
        r.Skip(8);  // version, signature, help id
        r.Dword();  // extended style
        l.style = r.Dword();
    } else {
        l.style = r.Dword();
        r.Dword();
    }
    l.items = r.Word();
    r.Skip(8);  // x, y, cx, cy
    r.NameOrOrdinal();  // menu
    r.NameOrOrdinal();  // class
    r.String();         // title
    if (l.style & kSetFont) {
        l.fontAt = r.pos;
        uint16_t points = r.Word();
        if (l.ex) r.Skip(4);  // weight, italic, character set
        l.faceAt = r.pos;
        std::vector<uint16_t> face;
        r.String(&face);
        l.faceEnd = r.pos;
        if (font) {
            font->pointSize = points;
            font->face = face;
        }
    }
    r.AlignDword();
    l.itemsAt = r.pos;
    for (uint16_t i = 0; i < l.items && r.ok; ++i) {
        r.AlignDword();
        r.Skip(l.ex ? 24 : 18);
        r.NameOrOrdinal();  // class
        r.NameOrOrdinal();  // text
        uint16_t extra = r.Word();
        r.Skip(extra);
    }
    l.end = r.pos;
    return r.ok;
}

void PutWord(std::vector<uint8_t>& v, uint16_t w) {
    v.push_back(static_cast<uint8_t>(w & 0xFF));
    v.push_back(static_cast<uint8_t>(w >> 8));
}

}  // namespace

bool ReadDialogFont(const uint8_t* t, size_t size, DialogFont& out) {
    Layout l;
    DialogFont f;
    if (!Walk(t, size, l, &f) || !(l.style & kSetFont)) return false;
    out = f;
    return true;
}

size_t DialogTemplateSize(const uint8_t* t, size_t size) {
    Layout l;
    return Walk(t, size, l, nullptr) ? l.end : 0;
}

std::vector<uint8_t> WithDialogFont(const uint8_t* t, size_t size, const DialogFont& font) {
    Layout l;
    if (!Walk(t, size, l, nullptr) || !(l.style & kSetFont)) return {};
    std::vector<uint8_t> out(t, t + l.fontAt);
    PutWord(out, font.pointSize);
    out.insert(out.end(), t + l.fontAt + 2, t + l.faceAt);  // weight, italic, character set
    for (uint16_t c : font.face) PutWord(out, c);
    PutWord(out, 0);
    while (out.size() % 4) out.push_back(0);
    out.insert(out.end(), t + l.itemsAt, t + l.end);
    return out;
}

}  // namespace fw
