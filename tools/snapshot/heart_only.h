// The heart alone: a temporary copy of a saver folder's packages in which the
// background, the small hearts and the emblem (content/show_models.h:
// modelsBesideTheHeart) are models without sub-meshes. The show then draws only the heart, turning on
// the clear colour (black), which is how its shape is looked at and measured.
#pragma once

#include <string>

#include "common/temp_dir.h"

class HeartOnlyFolder {
public:
    // Copies the show's packages of `saverDir` (ending with '/') into a fresh
    // folder in the system's temporary folder. path() is empty and error()
    // says why when that fails.
    explicit HeartOnlyFolder(const std::string& saverDir);
    HeartOnlyFolder(const HeartOnlyFolder&) = delete;
    HeartOnlyFolder& operator=(const HeartOnlyFolder&) = delete;

    const std::string& path() const { return path_; }  // ends with '/'
    const std::string& error() const { return error_; }

private:
    bool copyPackage(const std::string& from, const std::string& name);

    TempDir folder_;  // removed with its contents when the object goes
    std::string path_;
    std::string error_;
};
