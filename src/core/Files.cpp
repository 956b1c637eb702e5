#include "core/Files.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

bool WriteAll(int fd, const char* data, std::size_t size, int& err) {
    while (size > 0) {
        ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            err = errno;
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

}  // namespace

std::string FolderOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return "./";
    return path.substr(0, slash + 1);
}

bool ReadWholeFile(const std::string& path, std::string& bytes, int& err) {
    bytes.clear();
    Fd f{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
    if (f.fd < 0) {
        err = errno;
        return false;
    }
    struct stat st {};
    if (::fstat(f.fd, &st) != 0) {
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
    if (S_ISREG(st.st_mode)) bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buf[1 << 16];
    for (;;) {
        ssize_t n = ::read(f.fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            err = errno;
            bytes.clear();
            return false;
        }
        if (n == 0) break;
        if (static_cast<long long>(bytes.size()) + n > kMaxReadSize) {
            err = EFBIG;
            bytes.clear();
            return false;
        }
        bytes.append(buf, static_cast<std::size_t>(n));
    }
    return true;
}

bool AtomicWriteFile(const std::string& path, const std::string& bytes, int& err) {
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
    const std::string folder = FolderOf(target);
    std::string name = target.substr(folder.size());
    std::string tmpl = folder + "." + name + ".XXXXXX";
    std::vector<char> tmpName(tmpl.begin(), tmpl.end());
    tmpName.push_back('\0');

    Fd f{::mkstemp(tmpName.data())};
    if (f.fd < 0) {
        err = errno;
        return false;
    }
    const std::string tmp(tmpName.data());
    auto fail = [&](int e) {
        err = e;
        ::close(f.release());
        ::unlink(tmp.c_str());
        return false;
    };

    mode_t mode;
    if (existed) {
        mode = old.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(f.fd, mode) != 0) return fail(errno);
    if (existed && (old.st_uid != ::geteuid() || old.st_gid != ::getegid())) {
        // Keep the owner where we may (we run as root, or as the owner
        // changing the group among our own); a failure is not an error.
        if (::fchown(f.fd, old.st_uid, old.st_gid) != 0) {
        }
    }
    int e = 0;
    if (!WriteAll(f.fd, bytes.data(), bytes.size(), e)) return fail(e);
    if (::fsync(f.fd) != 0) return fail(errno);
    if (::close(f.release()) != 0) {
        err = errno;
        ::unlink(tmp.c_str());
        return false;
    }
    if (::rename(tmp.c_str(), target.c_str()) != 0) {
        err = errno;
        ::unlink(tmp.c_str());
        return false;
    }
    Fd dir{::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (dir.fd >= 0 && ::fsync(dir.fd) != 0 && errno != EINVAL) {
        // The new content is in place; only its durability is in doubt.
        err = errno;
        return false;
    }
    return true;
}

bool CopyFileBytes(const std::string& from, const std::string& to, int& err) {
    std::string bytes;
    if (!ReadWholeFile(from, bytes, err)) return false;
    return AtomicWriteFile(to, bytes, err);
}

bool RemoveFile(const std::string& path, int& err) {
    if (::unlink(path.c_str()) != 0) {
        err = errno;
        return false;
    }
    return true;
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
