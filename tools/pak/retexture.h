// Renaming the texture a model entry's sub-meshes use (`pak retexture`):
// another image entry, or a generated texture with other numbers (for
// example another base colour of a plasma).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Copies the model entry of `size` bytes at `data` to `out` with every
// sub-mesh whose texture is `from` using `to` instead; the name field is
// resized to fit (spare bytes after a terminator are dropped with it), the
// rest of each record is kept byte for byte. `renamed` counts the sub-meshes
// changed. False, with `error` set, when the entry is no model or `to` holds
// a zero byte.
bool renameTexture(const uint8_t* data, size_t size, const std::string& from, const std::string& to,
                   std::vector<uint8_t>& out, int& renamed, std::string& error);
