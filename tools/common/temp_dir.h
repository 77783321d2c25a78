// TempDir: a fresh directory in the system's temporary folder ($TMPDIR or
// /tmp on POSIX, the user's temporary folder on Windows), removed with its
// contents when the object goes away. For the tools, the tests and the
// benchmarks.
#pragma once

#include <string>

class TempDir {
public:
    // The directory is named `prefix` followed by a random number. When it
    // cannot be made, path() is empty and error() says why.
    explicit TempDir(const std::string& prefix = "amber-test-");
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }  // no trailing separator
    const std::string& error() const { return error_; }
    // Writes `bytes` to path()/name, creating folders on the way.
    std::string write(const std::string& name, const std::string& bytes) const;

private:
    std::string path_;
    std::string error_;
};
