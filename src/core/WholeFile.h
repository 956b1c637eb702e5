#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kz {

// The bytes of a whole file, held while a reader goes through them once.
//
// A regular file is mapped rather than copied: its pages are the system's
// file cache, so a large data file costs no memory of its own and no time to
// copy. Should another program cut the file short while it is mapped, the
// part that is gone reads as zeros instead of the process being killed, and
// CutShort() turns true: a reader checks it once it is done and treats what it
// read as unreadable. Anything else (a pipe, a file of no bytes) is read into
// memory as ReadWholeFile reads it.
class WholeFile {
public:
    WholeFile() = default;
    // Bytes already in memory (a deciphered text).
    explicit WholeFile(std::string bytes);
    WholeFile(WholeFile&& other) noexcept;
    WholeFile& operator=(WholeFile&& other) noexcept;
    WholeFile(const WholeFile&) = delete;
    WholeFile& operator=(const WholeFile&) = delete;
    ~WholeFile();

    // Opens `path` and holds its bytes. On failure returns false with the
    // error number in `err`, as ReadWholeFile does, and holds nothing.
    bool Read(const std::string& path, int& err);
    std::string_view Bytes() const { return {data_, size_}; }
    // The file shrank while it was mapped: some of Bytes() are zeros that it
    // never held.
    bool CutShort() const;
    void Release();

private:
    std::string copy_;
    const char* data_ = "";
    std::size_t size_ = 0;
    void* map_ = nullptr;
    int fd_ = -1;     // kept open while mapped, to see whether the file shrank
    int watch_ = -1;  // the slot that the bus-error handler watches
};

}  // namespace kz
