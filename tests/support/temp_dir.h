// TempDir: a fresh directory in the system's temporary folder ($TMPDIR or
// /tmp on POSIX), removed with its contents when the object goes away.
#pragma once

#include <string>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    // Writes `bytes` to path()/name, creating folders on the way.
    std::string write(const std::string& name, const std::string& bytes) const;

private:
    std::string path_;
};
