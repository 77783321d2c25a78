#include "common/whole_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

bool readWholeFile(const std::string& path, std::vector<uint8_t>& bytes, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot open " + path + ": " + std::strerror(errno);
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    if (file.bad()) {
        error = "cannot read " + path;
        return false;
    }
    return true;
}

bool writeWholeFile(const std::string& path, const void* data, size_t size, std::string& error) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    file.close();
    if (file) return true;
    error = "cannot write " + path;
    return false;
}
