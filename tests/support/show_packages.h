// Stand-in packages for tests of the show: main.pak, clock.pak, calendar.pak
// and utils.pak holding every entry the show loads, each model a small
// textured square (one solid-colour texture per package), written into a
// TempDir. The texture cache's base path is set to that folder while the
// object lives.
#pragma once

#include <string>

#include "scene/scene_node.h"
#include "common/temp_dir.h"

class ShowPackages {
public:
    ShowPackages();
    ~ShowPackages();  // base path back to "0"
    const std::string& folder() const { return folder_; }

private:
    TempDir dir_;
    std::string folder_;
};

// The entry of the first model a node loaded from these packages ("" for a
// node without one).
std::string modelEntryOf(const SceneNode& node);
