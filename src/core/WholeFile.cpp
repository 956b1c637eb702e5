#include "core/WholeFile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <utility>

#include "core/Files.h"

namespace kz {

namespace {

// The mappings being read. A bus error inside one of them means the file
// was cut short under it: the rest of the mapping becomes zero pages, the
// read that faulted is retried, and the mapping is marked.
struct Watch {
    std::atomic<bool> taken{false};
    std::atomic<std::uintptr_t> begin{0}, end{0};
    std::atomic<bool> cut{false};
};
constexpr int kWatches = 8;
Watch g_watches[kWatches];
struct sigaction g_previous {};
std::uintptr_t g_pageMask = 0;

void OnBusError(int sig, siginfo_t* info, void* context) {
    const auto at = reinterpret_cast<std::uintptr_t>(info->si_addr);
    for (Watch& w : g_watches) {
        const std::uintptr_t end = w.end.load();
        if (at < w.begin.load() || at >= end) continue;
        const std::uintptr_t page = at & g_pageMask;
        if (::mmap(reinterpret_cast<void*>(page), end - page, PROT_READ,
                   MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0) != MAP_FAILED) {
            w.cut.store(true);
            return;
        }
    }
    // Not a mapping of ours: whoever handled the signal before does.
    if ((g_previous.sa_flags & SA_SIGINFO) != 0 && g_previous.sa_sigaction != nullptr) {
        g_previous.sa_sigaction(sig, info, context);
    } else if (g_previous.sa_handler != SIG_DFL && g_previous.sa_handler != SIG_IGN) {
        g_previous.sa_handler(sig);
    } else {
        // The fault happens again on return and takes its default course.
        ::signal(SIGBUS, SIG_DFL);
    }
}

bool InstallHandler() {
    static const bool installed = [] {
        g_pageMask = ~(static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE)) - 1);
        struct sigaction action {};
        action.sa_sigaction = OnBusError;
        action.sa_flags = SA_SIGINFO | SA_RESTART;
        sigemptyset(&action.sa_mask);
        return ::sigaction(SIGBUS, &action, &g_previous) == 0;
    }();
    return installed;
}

int TakeWatch() {
    for (int i = 0; i < kWatches; ++i) {
        bool expected = false;
        if (g_watches[i].taken.compare_exchange_strong(expected, true)) return i;
    }
    return -1;
}

}  // namespace

WholeFile::WholeFile(std::string bytes) : copy_(std::move(bytes)) {
    data_ = copy_.data();
    size_ = copy_.size();
}

WholeFile::WholeFile(WholeFile&& other) noexcept {
    *this = std::move(other);
}

WholeFile& WholeFile::operator=(WholeFile&& other) noexcept {
    if (this == &other) return *this;
    Release();
    const bool owned = other.data_ == other.copy_.data();
    copy_ = std::move(other.copy_);
    data_ = owned ? copy_.data() : other.data_;
    size_ = other.size_;
    map_ = std::exchange(other.map_, nullptr);
    fd_ = std::exchange(other.fd_, -1);
    watch_ = std::exchange(other.watch_, -1);
    other.data_ = "";
    other.size_ = 0;
    return *this;
}

WholeFile::~WholeFile() {
    Release();
}

bool WholeFile::Read(const std::string& path, int& err) {
    Release();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat st {};
    if (fd >= 0 && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0 &&
        st.st_size <= kMaxReadSize && InstallHandler()) {
        const int watch = TakeWatch();
        const auto size = static_cast<std::size_t>(st.st_size);
        void* map = watch < 0 ? MAP_FAILED : ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
        if (map != MAP_FAILED) {
            Watch& w = g_watches[watch];
            w.cut.store(false);
            w.begin.store(reinterpret_cast<std::uintptr_t>(map));
            w.end.store((reinterpret_cast<std::uintptr_t>(map) + size + ~g_pageMask) & g_pageMask);
            map_ = map;
            data_ = static_cast<const char*>(map);
            size_ = size;
            fd_ = fd;
            watch_ = watch;
            return true;
        }
        if (watch >= 0) g_watches[watch].taken.store(false);
    }
    if (fd >= 0) ::close(fd);
    // Whatever cannot be mapped is read, and a file that cannot be opened
    // gets its error from the reading.
    if (!ReadWholeFile(path, copy_, err)) return false;
    data_ = copy_.data();
    size_ = copy_.size();
    return true;
}

bool WholeFile::CutShort() const {
    if (watch_ < 0) return false;
    if (g_watches[watch_].cut.load()) return true;
    // A cut that falls inside the last page read gives zeros without a fault.
    struct stat st {};
    return ::fstat(fd_, &st) != 0 || st.st_size < static_cast<off_t>(size_);
}

void WholeFile::Release() {
    if (map_ != nullptr) {
        Watch& w = g_watches[watch_];
        w.begin.store(0);
        w.end.store(0);
        ::munmap(map_, size_);
        w.taken.store(false);
        ::close(fd_);
    }
    copy_.clear();
    data_ = "";
    size_ = 0;
    map_ = nullptr;
    fd_ = -1;
    watch_ = -1;
}

}  // namespace kz
