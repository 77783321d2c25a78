// Procedural texture names: what a sub-mesh's texture name asks to generate.
//
// Syntax, read from the start of the name (it ends at its first zero byte):
//   characters 0 and 1   skipped (character 1 is the '#' that routes here)
//   kind word            everything up to the first decimal digit:
//                        "Plasma" or "Fire", exact case
//   width                decimal digits, starting at that first digit
//   separator            exactly one character, whatever it is
//   height               a formatted int: leading white space and a sign allowed
//   Plasma only, 3 times one separator character, then a formatted int; its
//                        low 8 bits are the base red, green, blue
// Anything after the last number is not read, so "x#Plasma64x64:1:2:3 v2"
// is a valid name (and a different texture from "x#Plasma64x64:1:2:3").
//
// Refused (false, with `why`): another kind word, a missing digit, separator
// or number, a number beyond int32, a size below 1 x 1 (Fire: 1 x 2, its
// spark row is picked within the lower half), or width x height x 4 beyond
// int32 (the pixel buffer's byte count). GL's own size limit is checked where
// the texture is made.
//
// No GL here: the fuzz target parses names directly.
#pragma once

#include <cstdint>
#include <string>

enum class ProceduralKind { Plasma, Fire };

struct ProceduralTextureName {
    ProceduralKind kind = ProceduralKind::Plasma;
    int32_t width = 0;   // pixels
    int32_t height = 0;  // pixels
    uint8_t red = 0;     // Plasma base colour
    uint8_t green = 0;
    uint8_t blue = 0;
};

bool parseProceduralTextureName(const std::string& name, ProceduralTextureName& parsed,
                                std::string& why);
