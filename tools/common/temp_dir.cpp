#include "common/temp_dir.h"

#include <filesystem>
#include <fstream>
#include <random>

TempDir::TempDir(const std::string& prefix) {
    std::error_code error;
    const std::filesystem::path base = std::filesystem::temp_directory_path(error);
    if (error) {
        error_ = "no temporary folder: " + error.message();
        return;
    }
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::filesystem::path candidate = base / (prefix + std::to_string(random()));
        if (std::filesystem::create_directory(candidate, error)) {
            path_ = candidate.string();
            return;
        }
    }
    error_ = "cannot make a folder in " + base.string();
}

TempDir::~TempDir() {
    if (path_.empty()) return;
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::write(const std::string& name, const std::string& bytes) const {
    const std::filesystem::path file = std::filesystem::path(path_) / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out << bytes;
    return file.string();
}
