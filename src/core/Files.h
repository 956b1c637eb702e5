#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>

#include "core/Date.h"

namespace kz {

// The largest file the program reads whole. Real data files are a few
// megabytes (enciphered ones about ten times their text).
inline constexpr long long kMaxReadSize = 512LL * 1024 * 1024;

// The system's description of an error number, in Russian where we have one.
std::string SystemErrorText(int err);

// A regular file (or a link to one) of that name exists.
bool FileExists(const std::string& path);
// A folder of that name exists.
bool FolderExists(const std::string& path);
// Anything at all (file, folder, pipe...) has that name.
bool PathExists(const std::string& path);

// Why a path cannot be read as a data file: 0 when it names a regular file
// of at most kMaxReadSize bytes; otherwise ENOENT (nothing there), EISDIR (a
// folder), ENODEV (a pipe, socket or device), EFBIG (too large) or the error
// met while looking.
int FileReadProblem(const std::string& path);
// The message for the problems above that the user can act on, naming the
// path; empty for any other error number.
std::string UnreadableFileText(const std::string& path, int err);

// Reads a whole file as bytes. On failure returns false with the error
// number in `err` (EFBIG when it exceeds kMaxReadSize, EISDIR for a folder).
bool ReadWholeFile(const std::string& path, std::string& bytes, int& err);

// The mode bits and owner a written file gets.
struct Permissions {
    mode_t mode = 0600;
    uid_t uid = static_cast<uid_t>(-1);  // -1: whoever writes it
    gid_t gid = static_cast<gid_t>(-1);
};
// Those of an existing file (links followed).
std::optional<Permissions> PermissionsOf(const std::string& path);

// Replaces a file's content safely: the new content goes into an unnamed
// file in the same folder, is flushed to disk, gets a hidden name only once
// complete and is renamed over the target; the folder is flushed last (a
// failure there does not undo the save). The new file takes `like`, or, when
// none is given, the target's permissions (the user's default for a new
// file). A target reached through a symbolic link stays a link and the file
// it points to is replaced. A target the user may not write is refused with
// EACCES. On any failure the old file is left as it was, nothing is left
// behind, and the error number is returned in `err`. Leftovers of a writer
// that was killed half-way are removed first.
bool AtomicWriteFile(const std::string& path, std::string_view bytes, int& err,
                     const std::optional<Permissions>& like = std::nullopt);

// False, with the reason in `err`, when an existing file may not be
// replaced by the user (no write permission); a missing file may be.
bool MayReplace(const std::string& path, int& err);

// Removes what killed writers of `path` left behind: hidden files that no
// running writer holds. Harmless when there are none or the folder is not
// writable.
void RemoveWriteLeftovers(const std::string& path);

// Byte copy of one file over another (atomic on the target's side); the copy
// gets the permissions of the original.
bool CopyFileBytes(const std::string& from, const std::string& to, int& err);

bool RemoveFile(const std::string& path, int& err);

// Local calendar date of the file's last modification.
std::optional<Date> FileModificationDateOf(const std::string& path);

// Folder part of a path, with a trailing "/"; "./" when it has none.
std::string FolderOf(const std::string& path);

// An advisory lock on a file, held while the object lives. The system lets
// go of it when the process ends, however it ends, so a lock file left by a
// crash never blocks anyone.
class FileLock {
public:
    enum class Result { Taken, HeldElsewhere, Unavailable };
    FileLock() = default;
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Takes the lock on `path` (created when missing) without waiting.
    // Unavailable: the file cannot be opened, so nobody can hold it either.
    Result Take(const std::string& path);
    bool Held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

// The system calls a save makes, in one place so that tests can make any of
// them fail, or end the process, at a chosen point.
class SaveSystemCalls {
public:
    virtual ~SaveSystemCalls() = default;
    virtual int Open(const char* path, int flags, mode_t mode);
    virtual ssize_t Write(int fd, const void* data, std::size_t size);
    virtual int Fsync(int fd);
    // Gives the open unnamed file `fd` the name `path`.
    virtual int Link(int fd, const char* path);
    virtual int Rename(const char* from, const char* to);
};
// The calls in use; `calls` replaces them (nullptr: the real ones again).
SaveSystemCalls& SaveCalls();
void SetSaveCalls(SaveSystemCalls* calls);

}  // namespace kz
