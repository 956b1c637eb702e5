// What saving promises whatever happens to it: a write that fails or a
// process killed at any byte leaves the data file as it was or as it should
// become, and the next run finds nothing left behind; files beside the data
// file keep its permissions; a file the user may not write is left alone.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <set>

#include "core/DataFile.h"
#include "core/Files.h"
#include "core/Save.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

namespace kz {
namespace {

using test::ReadBytes;
using test::ScriptedPlatform;
using test::TempDir;
using test::WriteBytes;
using Texts = std::vector<std::string>;

// Counts the steps of a save (every byte written, every other call) and
// makes one chosen step fail or end the process.
class Interrupter : public SaveSystemCalls {
public:
    enum class Stop { Never, Fail, Kill };
    Stop stop = Stop::Never;
    long long at = -1;
    int error = EIO;
    bool unnamedFiles = true;  // false: a file system without O_TMPFILE
    long long steps = 0;
    std::vector<long long> creations;  // the step at which each new file was made
    std::vector<mode_t> modes;         // the mode of each file when it was named

    int Open(const char* path, int flags, mode_t mode) override {
        if (!unnamedFiles && (flags & O_TMPFILE) == O_TMPFILE) {
            errno = EOPNOTSUPP;
            return -1;
        }
        creations.push_back(steps);
        return Due() ? -1 : SaveSystemCalls::Open(path, flags, mode);
    }
    ssize_t Write(int fd, const void* data, std::size_t size) override {
        if (stop != Stop::Never && at >= steps && at < steps + static_cast<long long>(size)) {
            size = static_cast<std::size_t>(at - steps);  // the bytes before reach the file
            if (size == 0) {
                Due();
                return -1;
            }
        }
        const ssize_t n = SaveSystemCalls::Write(fd, data, size);
        if (n > 0) steps += n;
        return n;
    }
    // Durability is not what is tried here; skipping it keeps the loops fast.
    int Fsync(int) override { return Due() ? -1 : 0; }
    int Link(int fd, const char* path) override {
        struct stat st {};
        ::fstat(fd, &st);
        modes.push_back(st.st_mode & 07777);
        return Due() ? -1 : SaveSystemCalls::Link(fd, path);
    }
    int Rename(const char* from, const char* to) override {
        struct stat st {};
        if (!unnamedFiles && ::stat(from, &st) == 0) modes.push_back(st.st_mode & 07777);
        return Due() ? -1 : SaveSystemCalls::Rename(from, to);
    }

private:
    bool Due() {
        const bool due = stop != Stop::Never && steps == at;
        ++steps;
        if (!due) return false;
        if (stop == Stop::Kill) ::kill(::getpid(), SIGKILL);
        errno = error;
        return true;
    }
};

struct UseCalls {
    explicit UseCalls(SaveSystemCalls* c) { SetSaveCalls(c); }
    ~UseCalls() { SetSaveCalls(nullptr); }
};

std::set<std::string> Names(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        names.insert(e.path().filename().string());
    return names;
}

// Runs `f` in a child process, as a user without privileges if asked (root
// is made "nobody", whom file permissions bind); its exit code, or 200 + the
// signal that ended it.
int InChild(const std::function<int()>& f, bool ordinaryUser = false) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (ordinaryUser && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(100);
        ::_exit(f());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 200 + WTERMSIG(status);
}

// A data file with a backup copy beside it, and the next version of the
// document to be saved over it (small, so that every byte can be tried).
struct Scenario {
    TempDir dir{test::MemoryFolder()};
    std::string path = dir / "home.kv7", backup = dir / "home.bak.kv7";
    std::string oldBytes, newBytes;
    const std::string oldBackup = "the backup copy before this save";
    BudgetFile next;
    AppSettings settings;
    const std::set<std::string> expectedNames{"home.kv7", "home.bak.kv7"};
    long long steps = 0;               // of the whole save
    std::vector<long long> creations;  // where each file starts

    Scenario(bool isProtected, bool unnamedFiles, bool backups) {
        settings.BackUp = backups;
        FillNewDocumentDefaults(next);
        next.sostkol = 0;  // as short as a document can be
        next.Units = {};
        next.FilePath = path;
        next.IsProtected = isProtected;
        next.pass = isProtected ? "пароль" : "";
        BudgetFile old = next;
        next.name = "Анна";
        AppSettings noBackup;
        noBackup.BackUp = false;
        oldBytes = Saved(old, noBackup, nullptr);
        Interrupter counter;
        counter.unnamedFiles = unnamedFiles;
        Reset();
        newBytes = Saved(next, settings, &counter);
        steps = counter.steps;
        creations = counter.creations;
        if (creations.size() != (backups ? 2u : 1u) || newBytes == oldBytes)
            throw std::runtime_error("counting");
    }
    std::string Saved(BudgetFile doc, const AppSettings& s, Interrupter* calls) {
        UseCalls use(calls);
        ScriptedPlatform ui;
        if (!WriteDataFile(doc, ui, s) || !ui.messages.empty()) throw std::runtime_error("setup");
        return ReadBytes(path);
    }
    void Reset() {
        for (const std::string& name : Names(dir.Path())) std::filesystem::remove(dir / name);
        WriteBytes(path, oldBytes);
        WriteBytes(backup, oldBackup);
    }
    // All steps in the normal build; under the address sanitizer, where each
    // save is many times slower, every seventh byte and every step near the
    // start and the end of each file.
    bool Tried(long long at) const {
#if defined(__SANITIZE_ADDRESS__)
        if (at % 7 == 0 || at >= steps - 8) return true;
        for (const long long c : creations)
            if (at >= c - 8 && at < c + 8) return true;
        return false;
#else
        return at >= 0;
#endif
    }
    std::string Trace(long long at) const {
        return std::string(next.IsProtected ? "protected" : "plain") + ", step " +
               std::to_string(at) + " of " + std::to_string(steps);
    }
};

TEST(InterruptedSave, AFailureAtEveryStepKeepsTheOldFileAndLeavesNothing) {
    const std::pair<int, const char*> errors[] = {{EIO, "Ошибка ввода-вывода."},
                                                  {ENOSPC, "Недостаточно места на диске."},
                                                  {EDQUOT, "Превышена дисковая квота."},
                                                  {EACCES, "Отказано в доступе."}};
    for (const bool isProtected : {false, true}) {
        for (const bool unnamed : {true, false}) {
            Scenario s(isProtected, unnamed, true);
            const long long dataStart = s.creations[1];
            for (long long at = 0; at < s.steps && !::testing::Test::HasFailure(); ++at) {
                if (!s.Tried(at)) continue;
                SCOPED_TRACE(s.Trace(at) + (unnamed ? "" : ", named files"));
                s.Reset();
                Interrupter calls;
                calls.unnamedFiles = unnamed;
                calls.stop = Interrupter::Stop::Fail;
                calls.at = at;
                const auto& [error, why] = errors[at % std::size(errors)];
                calls.error = error;
                ScriptedPlatform ui;
                BudgetFile doc = s.next;
                doc.Dirty = true;
                bool saved;
                {
                    UseCalls use(&calls);
                    saved = WriteDataFile(doc, ui, s.settings);
                }
                // The last step of each file flushes the folder after the
                // rename: the file is in place, and no failure is reported.
                const bool inBackup = at < dataStart;
                const bool flush = at == dataStart - 1 || at == s.steps - 1;
                EXPECT_EQ(saved, inBackup || flush);
                EXPECT_EQ(doc.Dirty, !saved);
                EXPECT_EQ(ReadBytes(s.path), saved ? s.newBytes : s.oldBytes);
                EXPECT_EQ(ReadBytes(s.backup), inBackup && !flush ? s.oldBackup : s.oldBytes);
                EXPECT_EQ(Names(s.dir.Path()), s.expectedNames);
                const std::string w = std::string("\r\n\r\n") + why;
                Texts expected;
                if (flush) {
                } else if (inBackup) {
                    expected = {"Ошибка при создании резервной копии файла!" + w};
                } else if (isProtected) {
                    expected = {"Ошибка при шифровании файла!" + w,
                                "Возникла ошибка при шифровании файла. Файл не сохранен!"};
                } else {
                    expected = {"Ошибка при сохранении файла!" + w};
                }
                EXPECT_EQ(ui.Texts(), expected);
            }
        }
    }
}

TEST(InterruptedSave, AKillAtEveryStepLeavesTheOldOrTheNewFileAndTheNextRunCleansUp) {
    // The enciphered file, ten times longer, is tried on the usual path only
    // and without a backup copy (written as the plain runs write theirs).
    const struct {
        bool isProtected, unnamed, backups;
    } runs[] = {{false, true, true}, {false, false, true}, {true, true, false}};
    for (const auto& run : runs) {
        Scenario s(run.isProtected, run.unnamed, run.backups);
        const std::string backupBefore = run.backups ? s.oldBytes : s.oldBackup;
        for (long long at = 0; at < s.steps && !::testing::Test::HasFailure(); ++at) {
            if (!s.Tried(at)) continue;
            SCOPED_TRACE(s.Trace(at) + (run.unnamed ? "" : ", named files"));
            s.Reset();
            ASSERT_EQ(InChild([&] {
                          Interrupter calls;
                          calls.unnamedFiles = run.unnamed;
                          calls.stop = Interrupter::Stop::Kill;
                          calls.at = at;
                          SetSaveCalls(&calls);
                          ScriptedPlatform ui;
                          BudgetFile doc = s.next;
                          WriteDataFile(doc, ui, s.settings);
                          return 3;  // the kill never came
                      }),
                      200 + SIGKILL);
            const std::string data = ReadBytes(s.path), backup = ReadBytes(s.backup);
            EXPECT_TRUE(data == s.oldBytes || data == s.newBytes);
            EXPECT_TRUE(backup == s.oldBackup || backup == backupBefore);

            // The program runs again: opening or saving the file.
            ScriptedPlatform ui;
            BudgetFile doc;
            if (at % 2 == 0) {
                EXPECT_TRUE(OpenDocument(doc, ui, s.path, s.next.pass, nullptr));
                EXPECT_EQ(ReadBytes(s.path), data);
            } else {
                doc = s.next;
                EXPECT_TRUE(WriteDataFile(doc, ui, s.settings));
                EXPECT_EQ(ReadBytes(s.path), s.newBytes);
                EXPECT_EQ(ReadBytes(s.backup), run.backups ? data : s.oldBackup);
            }
            EXPECT_EQ(ui.Texts(), Texts{});
            EXPECT_EQ(Names(s.dir.Path()), s.expectedNames);
        }
    }
}

TEST(SavePermissions, BackupsTakeTheDataFilesModeAndAFileTheUserMayNotWriteStays) {
    TempDir dir;
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0777), 0);  // a folder the user may write
    const std::string path = dir / "home.kv7", backup = dir / "home.bak.kv7";
    const bool root = ::geteuid() == 0;
    const struct {
        const char* what;
        mode_t mode;
        bool usersOwn, saved;
    } cases[] = {{"private", 0600, true, true},
                 {"group-readable", 0640, true, true},
                 {"read-only", 0444, true, false},
                 {"someone else's", 0644, false, false}};
    for (const auto& c : cases) {
        if (!c.usersOwn && !root) continue;  // only root can give a file away
        for (const bool isProtected : {false, true}) {
            SCOPED_TRACE(std::string(c.what) + (isProtected ? ", protected" : ""));
            WriteBytes(path, "the old file");
            WriteBytes(backup, "a backup that every user could read");
            const uid_t owner = !root ? ::geteuid() : c.usersOwn ? 65534 : 0;
            for (const std::string& f : {path, backup})
                ASSERT_EQ(::chown(f.c_str(), owner, root ? owner : ::getegid()), 0);
            ASSERT_EQ(::chmod(path.c_str(), c.mode), 0);
            ASSERT_EQ(::chmod(backup.c_str(), 0644), 0);
            const int code = InChild(
                [&] {
                    ::umask(077);  // it would narrow 0640: the data file's mode is what counts
                    BudgetFile doc;
                    FillNewDocumentDefaults(doc);
                    doc.FilePath = path;
                    doc.IsProtected = isProtected;
                    doc.pass = isProtected ? "pw" : "";
                    doc.Dirty = true;
                    ScriptedPlatform ui;
                    Interrupter watch;
                    UseCalls use(&watch);
                    if (WriteDataFile(doc, ui, AppSettings{}) != c.saved) return 1;
                    if (c.saved) return watch.modes == std::vector{c.mode, c.mode} ? 0 : 2;
                    const std::string denied = "\r\n\r\nОтказано в доступе.";
                    return ui.Texts() == (isProtected
                                              ? Texts{"Ошибка при шифровании файла!" + denied,
                                                      "Возникла ошибка при шифровании файла. "
                                                      "Файл не сохранен!"}
                                              : Texts{"Ошибка при сохранении файла!" + denied}) &&
                                   doc.Dirty
                               ? 0
                               : 3;
                },
                true);
            EXPECT_EQ(code, 0);
            EXPECT_EQ(ReadBytes(backup),
                      c.saved ? "the old file" : "a backup that every user could read");
            EXPECT_EQ(ReadBytes(path) == "the old file", !c.saved);
            for (const std::string& f : {path, backup}) {
                struct stat st {};
                ASSERT_EQ(::stat(f.c_str(), &st), 0);
                EXPECT_EQ(st.st_mode & 07777, f == path || c.saved ? c.mode : mode_t{0644}) << f;
            }
            EXPECT_EQ(Names(dir.Path()), (std::set<std::string>{"home.kv7", "home.bak.kv7"}));
        }
    }
}

TEST(InstanceLock, OneHolderAtATimeAndNothingLeftInTheFileCounts) {
    TempDir dir;
    const std::string lock = dir / "kervazyl.lock";
    // What a crashed holder may have left: the number of a process that runs, garbage.
    WriteBytes(lock, std::to_string(::getppid()) + "\n\x01\xff garbage");
    {
        FileLock first, second;
        EXPECT_EQ(first.Take(lock), FileLock::Result::Taken);
        EXPECT_EQ(second.Take(lock), FileLock::Result::HeldElsewhere);
    }
    FileLock after;
    EXPECT_EQ(after.Take(lock), FileLock::Result::Taken);
    FileLock nowhere;
    EXPECT_EQ(nowhere.Take(dir / "missing/kervazyl.lock"), FileLock::Result::Unavailable);
}

}  // namespace
}  // namespace kz
