#include "core/Files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <vector>

namespace kz {

std::string SystemErrorText(int err) {
    switch (err) {
        case ENOENT: return "Файл или папка не найдены.";
        case EACCES:
        case EPERM: return "Отказано в доступе.";
        case ENOSPC: return "Недостаточно места на диске.";
        case EDQUOT: return "Превышена дисковая квота.";
        case EROFS: return "Диск доступен только для чтения.";
        case EISDIR: return "Указанный путь является папкой.";
        case ENOTDIR: return "Часть пути не является папкой.";
        case EEXIST: return "Файл уже существует.";
        case ENAMETOOLONG: return "Слишком длинное имя файла.";
        case EIO: return "Ошибка ввода-вывода.";
        case EFBIG: return "Файл слишком большой.";
        case EMFILE:
        case ENFILE: return "Слишком много открытых файлов.";
        case ELOOP: return "Слишком много символических ссылок в пути.";
        case EBUSY: return "Файл занят другой программой.";
        case EILSEQ: return "Текст содержит символы, которые нельзя записать в файл.";
        default: break;
    }
    return std::string("Системная ошибка ") + std::to_string(err) + ": " + std::strerror(err);
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool FolderExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

namespace {

// Closes a descriptor when it goes out of scope.
struct Fd {
    int fd = -1;
    ~Fd() {
        if (fd >= 0) ::close(fd);
    }
    int release() {
        int f = fd;
        fd = -1;
        return f;
    }
};

SaveSystemCalls g_realCalls;
SaveSystemCalls* g_calls = &g_realCalls;

bool WriteAll(int fd, const char* data, std::size_t size, int& err) {
    while (size > 0) {
        ssize_t n = SaveCalls().Write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            err = errno;
            return false;
        }
        if (n == 0) {
            err = EIO;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Follows a chain of symbolic links to the file the last one names, so that
// saving replaces the file and keeps the link. A dangling link gives the
// path it points to.
std::string ResolveLinks(const std::string& path) {
    std::string current = path;
    for (int depth = 0; depth < 40; ++depth) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
        std::vector<char> buf(PATH_MAX + 1);
        ssize_t n = ::readlink(current.c_str(), buf.data(), PATH_MAX);
        if (n <= 0) return current;
        std::string target(buf.data(), static_cast<std::size_t>(n));
        if (target[0] != '/') target = FolderOf(current) + target;
        current = target;
    }
    return current;
}

// A file being written gets a hidden name beside its target only once it is
// complete: ".NAME" + kWriteMark + six random characters. The mark makes the
// program's own files recognisable, so that leftovers of a killed writer can
// be removed without touching anything of the user's.
constexpr std::string_view kWriteMark = ".kvsave-";
constexpr std::size_t kWriteRandom = 6;

std::string WritePrefix(const std::string& name) {
    return "." + name + std::string(kWriteMark);
}

std::string RandomSuffix() {
    static const char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    unsigned char raw[kWriteRandom];
    if (::getrandom(raw, sizeof raw, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof raw)) {
        // No entropy yet (early boot): the clock and the process differ enough,
        // and a name that exists already is simply tried again.
        const auto seed =
            static_cast<unsigned long long>(::time(nullptr)) * 6364136223846793005ULL ^
            static_cast<unsigned long long>(::getpid()) ^
            static_cast<unsigned long long>(::clock());
        for (std::size_t i = 0; i < sizeof raw; ++i)
            raw[i] = static_cast<unsigned char>(seed >> (8 * i));
    }
    std::string s;
    for (unsigned char c : raw) s += kChars[c % (sizeof kChars - 1)];
    return s;
}

// The new content of a target while it is written: unnamed where the file
// system allows it (nothing remains if the writer dies), locked from the
// start so that no clean-up takes it for a leftover while it lives.
class PendingFile {
public:
    ~PendingFile() {
        if (!name_.empty() && !renamed_) ::unlink(name_.c_str());
    }

    bool Create(const std::string& folder, const std::string& name, mode_t mode, int& err) {
        prefix_ = folder + WritePrefix(name);
        // An unnamed file needs /proc to be named later.
        static const bool procFs = ::access("/proc/self/fd", X_OK) == 0;
        if (procFs) {
            fd_.fd = SaveCalls().Open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
            if (fd_.fd >= 0) return Prepare(mode, err);
            // Only a file system without unnamed files makes us use a name
            // from the start.
            if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
                err = errno;
                return false;
            }
        }
        // The lock follows at once; a clean-up that came in between would
        // only make this save fail, never touch the target.
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::string candidate = prefix_ + RandomSuffix();
            fd_.fd = SaveCalls().Open(candidate.c_str(),
                                      O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
            if (fd_.fd >= 0) {
                name_ = candidate;
                return Prepare(mode, err);
            }
            if (errno != EEXIST) break;
        }
        err = errno;
        return false;
    }

    int fd() const { return fd_.fd; }

    // Gives the finished file its hidden name (when it has none yet) and
    // puts it in the target's place.
    bool Replace(const std::string& target, int& err) {
        if (name_.empty()) {
            for (int attempt = 0; attempt < 100 && name_.empty(); ++attempt) {
                const std::string candidate = prefix_ + RandomSuffix();
                if (SaveCalls().Link(fd_.fd, candidate.c_str()) == 0)
                    name_ = candidate;
                else if (errno != EEXIST)
                    break;
            }
            if (name_.empty()) {
                err = errno;
                return false;
            }
        }
        if (SaveCalls().Rename(name_.c_str(), target.c_str()) != 0) {
            err = errno;
            return false;
        }
        renamed_ = true;
        return true;
    }

private:
    bool Prepare(mode_t mode, int& err) {
        // The mode the file is created with is cut by the umask; it must be
        // exactly the target's.
        if (::flock(fd_.fd, LOCK_EX | LOCK_NB) != 0 || ::fchmod(fd_.fd, mode) != 0) {
            err = errno;
            return false;
        }
        return true;
    }

    Fd fd_;
    std::string prefix_, name_;
    bool renamed_ = false;
};

mode_t DefaultFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

int SaveSystemCalls::Open(const char* path, int flags, mode_t mode) {
    return ::open(path, flags, mode);
}

ssize_t SaveSystemCalls::Write(int fd, const void* data, std::size_t size) {
    return ::write(fd, data, size);
}

int SaveSystemCalls::Fsync(int fd) {
    return ::fsync(fd);
}

int SaveSystemCalls::Link(int fd, const char* path) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path, AT_SYMLINK_FOLLOW);
}

int SaveSystemCalls::Rename(const char* from, const char* to) {
    return ::rename(from, to);
}

SaveSystemCalls& SaveCalls() {
    return *g_calls;
}

void SetSaveCalls(SaveSystemCalls* calls) {
    g_calls = calls ? calls : &g_realCalls;
}

std::string FolderOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return "./";
    return path.substr(0, slash + 1);
}

bool PathExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0;
}

int FileReadProblem(const std::string& path) {
    struct stat st {};
    if (path.empty()) return ENOENT;
    if (::stat(path.c_str(), &st) != 0) return errno;
    if (S_ISDIR(st.st_mode)) return EISDIR;
    if (!S_ISREG(st.st_mode)) return ENODEV;
    if (st.st_size > kMaxReadSize) return EFBIG;
    return 0;
}

std::string UnreadableFileText(const std::string& path, int err) {
    switch (err) {
        case ENOENT:
        case ENOTDIR:
            return "Указанный файл\r\n\r\n" + path + "\r\n\r\nне найден.";
        case EISDIR:
            return "Указанный путь\r\n\r\n" + path + "\r\n\r\nявляется папкой, а не файлом.";
        case ENODEV:
            return "Указанный путь\r\n\r\n" + path +
                   "\r\n\r\nне является обычным файлом (это канал, сокет или устройство).";
        case EFBIG:
            return "Файл\r\n\r\n" + path + "\r\n\r\nслишком большой: программа открывает файлы " +
                   "размером не более " + std::to_string(kMaxReadSize / (1024 * 1024)) + " МБ.";
        case ESTALE:
            return "Файл\r\n\r\n" + path +
                   "\r\n\r\nизменила другая программа, пока он читался. Откройте его еще раз.";
        default:
            return {};
    }
}

namespace {

// Opens a file for reading whole: not a folder, not larger than the program
// reads.
bool OpenToRead(const std::string& path, Fd& f, struct stat& st, int& err) {
    f.fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (f.fd < 0 || ::fstat(f.fd, &st) != 0) {
        err = errno;
        return false;
    }
    if (S_ISDIR(st.st_mode)) {
        err = EISDIR;
        return false;
    }
    if (st.st_size > kMaxReadSize) {
        err = EFBIG;
        return false;
    }
    return true;
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::string& bytes, int& err) {
    bytes.clear();
    Fd f;
    struct stat st {};
    if (!OpenToRead(path, f, st, err)) return false;
    // Straight into the result: a file that grows meanwhile is read on.
    std::size_t used = 0;
    bytes.resize(S_ISREG(st.st_mode) && st.st_size > 0 ? static_cast<std::size_t>(st.st_size) + 1
                                                       : std::size_t{1} << 16);
    for (;;) {
        if (used == bytes.size()) {
            if (static_cast<long long>(used) > kMaxReadSize) {
                err = EFBIG;
                bytes.clear();
                return false;
            }
            bytes.resize(used * 2);
        }
        ssize_t n = ::read(f.fd, bytes.data() + used, bytes.size() - used);
        if (n < 0) {
            if (errno == EINTR) continue;
            err = errno;
            bytes.clear();
            return false;
        }
        if (n == 0) break;
        used += static_cast<std::size_t>(n);
    }
    if (static_cast<long long>(used) > kMaxReadSize) {
        err = EFBIG;
        bytes.clear();
        return false;
    }
    bytes.resize(used);
    return true;
}

std::optional<Permissions> PermissionsOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    return Permissions{static_cast<mode_t>(st.st_mode & 07777), st.st_uid, st.st_gid};
}

bool MayReplace(const std::string& path, int& err) {
    const std::string target = ResolveLinks(path);
    if (::faccessat(AT_FDCWD, target.c_str(), F_OK, AT_EACCESS) != 0) return true;
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
        err = errno;
        return false;
    }
    return true;
}

void RemoveWriteLeftovers(const std::string& path) {
    const std::string target = ResolveLinks(path);
    const std::string folder = FolderOf(target);
    const std::string prefix = WritePrefix(target.substr(folder.size()));
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    std::vector<std::string> found;
    while (const dirent* e = ::readdir(dir)) {
        const std::string_view name(e->d_name);
        if (name.size() == prefix.size() + kWriteRandom && name.substr(0, prefix.size()) == prefix)
            found.emplace_back(name);
    }
    ::closedir(dir);
    for (const std::string& name : found) {
        const std::string leftover = folder + name;
        Fd f{::open(leftover.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC)};
        struct stat held {
        }, now{};
        if (f.fd < 0 || ::fstat(f.fd, &held) != 0 || !S_ISREG(held.st_mode)) continue;
        // A writer that lives holds its file locked until the file has its
        // final name; one that died has let go.
        if (::flock(f.fd, LOCK_EX | LOCK_NB) != 0) continue;
        // Between our opening and locking, a writer may have finished and
        // moved the file into place: only the file we hold goes.
        if (::lstat(leftover.c_str(), &now) == 0 && now.st_ino == held.st_ino &&
            now.st_dev == held.st_dev)
            ::unlink(leftover.c_str());
    }
}

bool AtomicWriteFile(const std::string& path, std::string_view bytes, int& err,
                     const std::optional<Permissions>& like) {
    if (path.empty()) {
        err = ENOENT;
        return false;
    }
    const std::string target = ResolveLinks(path);
    struct stat old {};
    const bool existed = ::stat(target.c_str(), &old) == 0;
    if (existed && S_ISDIR(old.st_mode)) {
        err = EISDIR;
        return false;
    }
    if (!MayReplace(target, err)) return false;
    RemoveWriteLeftovers(target);

    Permissions perms;
    if (like)
        perms = *like;
    else if (existed)
        perms = {static_cast<mode_t>(old.st_mode & 07777), old.st_uid, old.st_gid};
    else
        perms.mode = DefaultFileMode();

    const std::string folder = FolderOf(target);
    PendingFile file;
    if (!file.Create(folder, target.substr(folder.size()), perms.mode, err)) return false;
    if (perms.uid != static_cast<uid_t>(-1) &&
        (perms.uid != ::geteuid() || perms.gid != ::getegid())) {
        // Keep the owner where we may (we run as root, or as the owner
        // changing the group among our own); a failure is not an error.
        if (::fchown(file.fd(), perms.uid, perms.gid) != 0) {
        }
    }
    if (!WriteAll(file.fd(), bytes.data(), bytes.size(), err)) return false;
    if (SaveCalls().Fsync(file.fd()) != 0) {
        err = errno;
        return false;
    }
    if (!file.Replace(target, err)) return false;
    // The new content is in place: flushing the folder only makes the
    // rename durable sooner, and its failure undoes nothing.
    Fd dir{::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (dir.fd >= 0) SaveCalls().Fsync(dir.fd);
    return true;
}

bool CopyFileBytes(const std::string& from, const std::string& to, int& err) {
    std::string bytes;
    if (!ReadWholeFile(from, bytes, err)) return false;
    return AtomicWriteFile(to, bytes, err, PermissionsOf(from));
}

bool RemoveFile(const std::string& path, int& err) {
    if (::unlink(path.c_str()) != 0) {
        err = errno;
        return false;
    }
    return true;
}

FileLock::~FileLock() {
    if (fd_ >= 0) ::close(fd_);
}

FileLock::Result FileLock::Take(const std::string& path) {
    if (fd_ >= 0) return Result::Taken;
    // Nothing of the file's content counts: only the lock does.
    Fd f{::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600)};
    if (f.fd < 0) return Result::Unavailable;
    if (::flock(f.fd, LOCK_EX | LOCK_NB) != 0)
        return errno == EWOULDBLOCK ? Result::HeldElsewhere : Result::Unavailable;
    fd_ = f.release();
    return Result::Taken;
}

std::optional<Date> FileModificationDateOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    std::tm tm {};
    time_t t = st.st_mtime;
    if (!::localtime_r(&t, &tm)) return std::nullopt;
    return Date{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday};
}

}  // namespace kz
