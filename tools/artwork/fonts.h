// Text for the artwork: faces found through fontconfig, glyphs rasterised
// with FreeType into a Mask (canvas.h).
//
// Sizes are in model units: `em` is the font's em square (for DejaVu Sans the
// digits and capitals are about 0.73 em tall). Text is UTF-8; each character
// is drawn at its advance with the face's kerning and unhinted outlines,
// placed at sub-pixel positions.
#pragma once

#include <string>

#include "canvas.h"

enum class Align { Left, Centre, Right };

class Font {
public:
    // The face fontconfig finds for "family:style=style", e.g. ("DejaVu
    // Sans", "Bold"). Throws std::runtime_error naming the face when
    // fontconfig finds none or only another family (fonts-dejavu-core is
    // what we use).
    Font(const std::string& family, const std::string& style);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // Advance width of the text, in em.
    double measure(const std::string& text) const;
    // Height of the capital H above the baseline, in em.
    double capHeight() const { return capHeight_; }
    // Adds the text's coverage to `mask`: the baseline at `baselineY`, the
    // text's left end, centre or right end at `x`.
    void draw(Mask& mask, const std::string& text, double x, double baselineY, double em,
              Align align = Align::Left) const;
    const std::string& file() const { return file_; }

private:
    void* library_ = nullptr;  // FT_Library
    void* face_ = nullptr;     // FT_Face
    std::string file_;
    double capHeight_ = 0.73;
};

// UTF-8 to code points; malformed bytes come out as U+FFFD.
std::u32string decodeUtf8(const std::string& text);
