#pragma once

#include <optional>
#include <string>

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

// Reads a whole file as bytes. On failure returns false with the error
// number in `err` (EFBIG when it exceeds kMaxReadSize, EISDIR for a folder).
bool ReadWholeFile(const std::string& path, std::string& bytes, int& err);

// Replaces a file's content safely: a temporary file in the same folder is
// written, flushed to disk and renamed over the target, then the folder is
// flushed. The target keeps its permissions; a target reached through a
// symbolic link stays a link and the file it points to is replaced. On any
// failure the old file is left as it was, the temporary file is removed and
// the error number is returned in `err`.
bool AtomicWriteFile(const std::string& path, const std::string& bytes, int& err);

// Byte copy of one file over another (atomic on the target's side).
bool CopyFileBytes(const std::string& from, const std::string& to, int& err);

bool RemoveFile(const std::string& path, int& err);

// Local calendar date of the file's last modification.
std::optional<Date> FileModificationDateOf(const std::string& path);

// Folder part of a path, with a trailing "/"; "./" when it has none.
std::string FolderOf(const std::string& path);

}  // namespace kz
