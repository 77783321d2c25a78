#include "fonts.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <stdexcept>

// fontconfig loses a few bytes while parsing the system's configuration
// (inside FcInit, not through anything we hold). Sanitizer builds tell
// LeakSanitizer so, like the GL and X libraries in tests/support/lsan.supp.
#if defined(__SANITIZE_ADDRESS__)
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}
#endif

namespace {

constexpr int layoutPixels = 1024;  // em size used for measuring (unhinted)

std::string findFontFile(const std::string& family, const std::string& style) {
    if (!FcInit()) throw std::runtime_error("fontconfig could not start");
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddString(pattern, FC_STYLE, reinterpret_cast<const FcChar8*>(style.c_str()));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    std::string file, foundFamily, foundStyle;
    if (match) {
        FcChar8* value = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &value) == FcResultMatch) file = reinterpret_cast<char*>(value);
        if (FcPatternGetString(match, FC_FAMILY, 0, &value) == FcResultMatch) foundFamily = reinterpret_cast<char*>(value);
        if (FcPatternGetString(match, FC_STYLE, 0, &value) == FcResultMatch) foundStyle = reinterpret_cast<char*>(value);
        FcPatternDestroy(match);
    }
    if (file.empty() || foundFamily != family) {
        throw std::runtime_error("font \"" + family + " " + style +
                                 "\" not found (install fonts-dejavu-core)");
    }
    return file;
}

}  // namespace

std::u32string decodeUtf8(const std::string& text) {
    std::u32string out;
    for (size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        int extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
        if (extra < 0 || i + extra >= text.size()) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        char32_t cp = extra == 0 ? b : b & (0x3F >> extra);
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            const auto c = static_cast<unsigned char>(text[i + k]);
            if ((c & 0xC0) != 0x80) ok = false;
            cp = (cp << 6) | (c & 0x3F);
        }
        out.push_back(ok ? cp : 0xFFFD);
        i += ok ? extra + 1 : 1;
    }
    return out;
}

Font::Font(const std::string& family, const std::string& style) {
    file_ = findFontFile(family, style);
    FT_Library library;
    if (FT_Init_FreeType(&library)) throw std::runtime_error("FreeType could not start");
    FT_Face face;
    if (FT_New_Face(library, file_.c_str(), 0, &face)) {
        FT_Done_FreeType(library);
        throw std::runtime_error("FreeType cannot read " + file_);
    }
    library_ = library;
    face_ = face;
    FT_Set_Pixel_Sizes(face, 0, layoutPixels);
    if (FT_Load_Char(face, 'H', FT_LOAD_NO_HINTING) == 0) {
        capHeight_ = face->glyph->metrics.horiBearingY / 64.0 / layoutPixels;
    }
}

Font::~Font() {
    if (face_) FT_Done_Face(static_cast<FT_Face>(face_));
    if (library_) FT_Done_FreeType(static_cast<FT_Library>(library_));
}

double Font::measure(const std::string& text) const {
    auto face = static_cast<FT_Face>(face_);
    FT_Set_Transform(face, nullptr, nullptr);
    FT_Set_Pixel_Sizes(face, 0, layoutPixels);
    double pen = 0;
    FT_UInt previous = 0;
    for (char32_t cp : decodeUtf8(text)) {
        const FT_UInt index = FT_Get_Char_Index(face, cp);
        if (previous && index && FT_HAS_KERNING(face)) {
            FT_Vector kern;
            if (FT_Get_Kerning(face, previous, index, FT_KERNING_UNFITTED, &kern) == 0) pen += kern.x / 64.0;
        }
        if (FT_Load_Glyph(face, index, FT_LOAD_NO_HINTING) == 0) pen += face->glyph->linearHoriAdvance / 65536.0;
        previous = index;
    }
    return pen / layoutPixels;
}

void Font::draw(Mask& mask, const std::string& text, double x, double baselineY, double em,
                Align align) const {
    const Grid& grid = mask.grid;
    const double emPixels = em / grid.unitsPerPixel;
    const double width = measure(text) * em;
    double penX = x - (align == Align::Centre ? width / 2 : align == Align::Right ? width : 0);
    // Pen position in pixels of the mask: x right, y down.
    double px = (penX - grid.left) / grid.unitsPerPixel;
    const double py = (grid.top - baselineY) / grid.unitsPerPixel;

    auto face = static_cast<FT_Face>(face_);
    FT_Set_Char_Size(face, 0, static_cast<FT_F26Dot6>(std::lround(emPixels * 64)), 72, 72);
    FT_UInt previous = 0;
    for (char32_t cp : decodeUtf8(text)) {
        const FT_UInt index = FT_Get_Char_Index(face, cp);
        if (previous && index && FT_HAS_KERNING(face)) {
            FT_Vector kern;
            if (FT_Get_Kerning(face, previous, index, FT_KERNING_UNFITTED, &kern) == 0) px += kern.x / 64.0;
        }
        previous = index;
        // The fractional part of the pen goes into the outline's transform.
        const double wholeX = std::floor(px), wholeY = std::floor(py);
        FT_Vector delta{static_cast<FT_Pos>(std::lround((px - wholeX) * 64)),
                        static_cast<FT_Pos>(-std::lround((py - wholeY) * 64))};
        FT_Set_Transform(face, nullptr, &delta);
        if (FT_Load_Glyph(face, index, FT_LOAD_NO_HINTING | FT_LOAD_RENDER)) continue;
        const FT_GlyphSlot slot = face->glyph;
        const FT_Bitmap& bitmap = slot->bitmap;
        const int left = static_cast<int>(wholeX) + slot->bitmap_left;
        const int top = static_cast<int>(wholeY) - slot->bitmap_top;
        for (unsigned row = 0; row < bitmap.rows; ++row) {
            const int y = top + static_cast<int>(row);
            if (y < 0 || y >= grid.height) continue;
            for (unsigned column = 0; column < bitmap.width; ++column) {
                const int xx = left + static_cast<int>(column);
                if (xx < 0 || xx >= grid.width) continue;
                const float cover = bitmap.buffer[row * bitmap.pitch + column] / 255.0f;
                float& v = mask.at(xx, y);
                v = std::min(1.0f, v + cover);
            }
        }
        px += slot->linearHoriAdvance / 65536.0;
    }
    FT_Set_Transform(face, nullptr, nullptr);
}
