#pragma once

#include <string>

namespace kz::test {

// A fresh folder under `base`, removed with everything in it at the end of
// the test. Path() ends with "/".
class TempDir {
public:
    explicit TempDir(const std::string& base = "/tmp");
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + name; }

private:
    std::string path_;
};

// A folder kept in memory where the system has one (/dev/shm), for tests
// that write many files; /tmp otherwise.
std::string MemoryFolder();

// Whole-file helpers for tests (bytes as they are on disk).
std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

}  // namespace kz::test
