// The models of the show's world, each named once: the package and the entry
// it is loaded from. The code that loads them and the snapshot tool's
// heart-only copy (which empties all but the heart) read the names here, so
// a renamed entry changes both.
#pragma once

#include <array>

struct ModelSource {
    const char* package;
    const char* entry;
};

constexpr ModelSource backgroundModel{"main.pak", "fon"};
constexpr ModelSource heartModel{"main.pak", "serdce"};
constexpr ModelSource smallHeartModel{"main.pak", "serdechko"};
constexpr ModelSource emblemModel{"main.pak", "nn"};  // joins the overlay after a minute

// The world's models beside the heart: what the heart-only pictures leave out.
constexpr std::array<ModelSource, 3> modelsBesideTheHeart{backgroundModel, smallHeartModel, emblemModel};
