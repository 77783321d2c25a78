#include "common/whole_file.h"

#include <fstream>

bool writeWholeFile(const std::string& path, const void* data, size_t size, std::string& error) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    file.close();
    if (file) return true;
    error = "cannot write " + path;
    return false;
}
