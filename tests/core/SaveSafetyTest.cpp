// What saving promises whatever happens to it: a write that fails, a disk
// that fills up or a process that is killed at any byte leaves the data file
// as it was or as it should become, byte for byte, and the next run finds
// nothing left behind; files beside the data file keep its permissions; a
// file the user may not write is left alone.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <set>

#include "core/Cipher.h"
#include "core/Cp1251.h"
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
            // The bytes before the chosen one reach the file.
            size = static_cast<std::size_t>(at - steps);
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
        if (!unnamedFiles) {
            struct stat st {};
            ::stat(from, &st);
            modes.push_back(st.st_mode & 07777);
        }
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

// A data file with a backup copy beside it, and the next version of the
// document to be saved over it (small, so that every byte can be tried).
// Without backups, the backup copy is left as it was.
struct Scenario {
    TempDir dir{test::MemoryFolder()};
    std::string path = dir / "home.kv7", backup = dir / "home.bak.kv7";
    std::string oldBytes, newBytes;
    const std::string oldBackup = "the backup copy before this save";
    BudgetFile next;
    AppSettings settings;  // backups on
    const std::set<std::string> expectedNames{"home.kv7", "home.bak.kv7"};
    // The whole save as counted: its steps and where each file starts.
    long long steps = 0;
    std::vector<long long> creations;

    Scenario(bool isProtected, bool unnamedFiles, bool backups = true) {
        settings.BackUp = backups;
        BudgetFile old;
        FillNewDocumentDefaults(old);
        old.sostkol = 0;  // as short as a document can be
        old.Units = {};
        old.FilePath = path;
        old.IsProtected = isProtected;
        old.pass = isProtected ? "пароль" : "";
        next = old;
        next.name = "Анна";
        AppSettings noBackup;
        noBackup.BackUp = false;
        ScriptedPlatform ui;
        if (!WriteDataFile(old, ui, noBackup)) throw std::runtime_error("setup");
        oldBytes = ReadBytes(path);

        Interrupter counter;
        counter.unnamedFiles = unnamedFiles;
        UseCalls use(&counter);
        Reset();
        BudgetFile doc = next;
        if (!WriteDataFile(doc, ui, settings) || !ui.messages.empty())
            throw std::runtime_error("counting");
        newBytes = ReadBytes(path);
        steps = counter.steps;
        creations = counter.creations;
        if (creations.size() != (backups ? 2u : 1u) || newBytes == oldBytes)
            throw std::runtime_error("counting");
    }

    void Reset() {
        for (const std::string& name : Names(dir.Path())) std::filesystem::remove(dir / name);
        WriteBytes(path, oldBytes);
        WriteBytes(backup, oldBackup);
    }
};

// Whether step `at` is tried: all of them in the normal build; under the
// address sanitizer, where each save is many times slower, every seventh byte
// and every step near the start and the end of each file.
bool Tried(const Scenario& s, long long at) {
#if defined(__SANITIZE_ADDRESS__)
    if (at % 7 == 0 || at >= s.steps - 8) return true;
    for (const long long c : s.creations)
        if (at >= c - 8 && at < c + 8) return true;
    return false;
#else
    (void)s;
    (void)at;
    return true;
#endif
}

std::string Mode(bool isProtected, bool unnamed) {
    return std::string(isProtected ? "protected" : "plain") + (unnamed ? "" : ", named files");
}

TEST(InterruptedSave, AFailureAtEveryStepKeepsTheOldFileAndLeavesNothing) {
    const int errors[] = {EIO, ENOSPC, EDQUOT};  // a broken disk, a full one, a quota
    for (const bool isProtected : {false, true}) {
        for (const bool unnamed : {true, false}) {
            Scenario s(isProtected, unnamed);
            const long long dataStart = s.creations[1];
            for (long long at = 0; at < s.steps && !::testing::Test::HasFailure(); ++at) {
                if (!Tried(s, at)) continue;
                SCOPED_TRACE(Mode(isProtected, unnamed) + ", step " + std::to_string(at) + " of " +
                             std::to_string(s.steps));
                s.Reset();
                Interrupter calls;
                calls.unnamedFiles = unnamed;
                calls.stop = Interrupter::Stop::Fail;
                calls.at = at;
                calls.error = errors[at % 3];
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
                const std::string why = SystemErrorText(calls.error);
                EXPECT_EQ(saved, inBackup || flush);
                EXPECT_EQ(doc.Dirty, !saved);
                EXPECT_EQ(ReadBytes(s.path), saved ? s.newBytes : s.oldBytes);
                EXPECT_EQ(ReadBytes(s.backup), inBackup && !flush ? s.oldBackup : s.oldBytes);
                EXPECT_EQ(Names(s.dir.Path()), s.expectedNames);
                std::vector<std::string> expected;
                if (flush) {
                } else if (inBackup) {
                    expected = {"Ошибка при создании резервной копии файла!\r\n\r\n" + why};
                } else if (isProtected) {
                    expected = {"Ошибка при шифровании файла!\r\n\r\n" + why,
                                "Возникла ошибка при шифровании файла. Файл не сохранен!"};
                } else {
                    expected = {"Ошибка при сохранении файла!\r\n\r\n" + why};
                }
                EXPECT_EQ(ui.Texts(), expected);
            }
        }
    }
}

TEST(InterruptedSave, AKillAtEveryStepLeavesTheOldOrTheNewFileAndTheNextRunCleansUp) {
    // Each kill is a process of its own, so the enciphered file, ten times
    // longer, is tried on the usual path only and without a backup copy (the
    // copy is written as the plain runs write theirs).
    const struct {
        bool isProtected, unnamed, backups;
    } runs[] = {{false, true, true}, {false, false, true}, {true, true, false}};
    for (const auto& run : runs) {
        Scenario s(run.isProtected, run.unnamed, run.backups);
        const std::string backupBefore = run.backups ? s.oldBytes : s.oldBackup;
        int leftovers = 0;
        for (long long at = 0; at < s.steps && !::testing::Test::HasFailure(); ++at) {
            if (!Tried(s, at)) continue;
            SCOPED_TRACE(Mode(run.isProtected, run.unnamed) + ", step " + std::to_string(at) +
                         " of " + std::to_string(s.steps));
            s.Reset();
            const pid_t child = ::fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                Interrupter calls;
                calls.unnamedFiles = run.unnamed;
                calls.stop = Interrupter::Stop::Kill;
                calls.at = at;
                SetSaveCalls(&calls);
                ScriptedPlatform ui;
                BudgetFile doc = s.next;
                WriteDataFile(doc, ui, s.settings);
                ::_exit(3);  // the kill never came
            }
            int status = 0;
            ASSERT_EQ(::waitpid(child, &status, 0), child);
            ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

            const std::string data = ReadBytes(s.path), backup = ReadBytes(s.backup);
            EXPECT_TRUE(data == s.oldBytes || data == s.newBytes);
            EXPECT_TRUE(backup == s.oldBackup || backup == backupBefore);
            if (Names(s.dir.Path()) != s.expectedNames) ++leftovers;

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
                if (run.backups) {
                    EXPECT_EQ(ReadBytes(s.backup), data);
                }
            }
            EXPECT_EQ(ui.Texts(), std::vector<std::string>{});
            EXPECT_EQ(Names(s.dir.Path()), s.expectedNames);
        }
        // A named file lives from its first byte to its rename; an unnamed
        // one only from being named, when complete, to its rename.
        long long expected = 0;
        for (std::size_t k = 0; k < s.creations.size(); ++k) {
            const long long first = s.creations[k];
            const long long end = k + 1 < s.creations.size() ? s.creations[k + 1] : s.steps;
            for (long long at = first; at < end; ++at)
                if (Tried(s, at) && (run.unnamed ? at == end - 2 : at > first && at <= end - 2))
                    ++expected;
        }
        EXPECT_EQ(leftovers, expected) << Mode(run.isProtected, run.unnamed);
    }
}

// Runs `f` in a child process as a user without privileges (root is made
// "nobody", whom file permissions bind) and returns its exit code.
int AsOrdinaryUser(const std::function<int()>& f) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(100);
        ::_exit(f());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 200;
}

TEST(SavePermissions, BackupAndTemporaryFilesTakeTheDataFilesPermissions) {
    TempDir dir;
    const std::string path = dir / "home.kv7", backup = dir / "home.bak.kv7";
    // The user's mask would narrow 0640: the data file's mode is what counts.
    const mode_t mask = ::umask(077);
    for (const mode_t mode : {0600, 0640}) {
        BudgetFile doc;
        FillNewDocumentDefaults(doc);
        doc.FilePath = path;
        ScriptedPlatform ui;
        WriteBytes(path, "old");
        WriteBytes(backup, "a backup that every user could read");
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        ASSERT_EQ(::chmod(backup.c_str(), 0644), 0);
        Interrupter watch;
        {
            UseCalls use(&watch);
            ASSERT_TRUE(WriteDataFile(doc, ui, AppSettings{}));
        }
        EXPECT_EQ(watch.modes, (std::vector<mode_t>{mode, mode}));  // before they had names
        for (const std::string& file : {path, backup}) {
            struct stat st {};
            ASSERT_EQ(::stat(file.c_str(), &st), 0);
            EXPECT_EQ(st.st_mode & 07777, mode) << file;
        }
        EXPECT_EQ(ReadBytes(backup), "old");
    }
    ::umask(mask);
}

TEST(SavePermissions, AFileTheUserMayNotWriteIsNotReplaced) {
    TempDir dir;
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0777), 0);  // a folder the user may write
    const std::string path = dir / "home.kv7", backup = dir / "home.bak.kv7";
    struct Case {
        const char* what;
        mode_t mode;
        bool othersFile;
    };
    std::vector<Case> cases = {{"read-only", 0444, false}};
    if (::geteuid() == 0) cases.push_back({"someone else's", 0644, true});
    for (const Case& c : cases) {
        WriteBytes(path, "the old file");
        WriteBytes(backup, "the old backup");
        const uid_t owner = c.othersFile || ::geteuid() != 0 ? ::geteuid() : 65534;
        ASSERT_EQ(::chown(path.c_str(), owner, owner == 65534 ? 65534 : ::getegid()), 0);
        ASSERT_EQ(::chown(backup.c_str(), owner, owner == 65534 ? 65534 : ::getegid()), 0);
        ASSERT_EQ(::chmod(path.c_str(), c.mode), 0);
        for (const bool isProtected : {false, true}) {
            const int code = AsOrdinaryUser([&] {
                BudgetFile doc;
                FillNewDocumentDefaults(doc);
                doc.FilePath = path;
                doc.IsProtected = isProtected;
                doc.pass = isProtected ? "pw" : "";
                doc.Dirty = true;
                ScriptedPlatform ui;
                const std::string denied = "\r\n\r\nОтказано в доступе.";
                const std::vector<std::string> expected =
                    isProtected ? std::vector<std::string>{"Ошибка при шифровании файла!" + denied,
                                                           "Возникла ошибка при шифровании файла. "
                                                           "Файл не сохранен!"}
                                : std::vector<std::string>{"Ошибка при сохранении файла!" + denied};
                if (WriteDataFile(doc, ui, AppSettings{})) return 1;
                return ui.Texts() == expected && doc.Dirty ? 0 : 2;
            });
            EXPECT_EQ(code, 0) << c.what << (isProtected ? ", protected" : "");
            EXPECT_EQ(ReadBytes(path), "the old file") << c.what;
            EXPECT_EQ(ReadBytes(backup), "the old backup") << c.what;
            EXPECT_EQ(Names(dir.Path()), (std::set<std::string>{"home.kv7", "home.bak.kv7"}));
        }
    }
}

TEST(InstanceLock, OnlyAHolderThatLivesBlocks) {
    TempDir dir;
    const std::string lock = dir / "kervazyl.lock";
    // Whatever a crashed holder left in the file does not count: nothing,
    // garbage, or the number of a process that runs.
    for (const std::string& left :
         {std::string(), std::string("\x01\xff garbage"), std::to_string(::getppid()) + "\n"}) {
        WriteBytes(lock, left);
        FileLock l;
        EXPECT_EQ(l.Take(lock), FileLock::Result::Taken);
    }
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    if (holder == 0) {
        FileLock l;
        const char ok = l.Take(lock) == FileLock::Result::Taken ? 'y' : 'n';
        if (::write(ready[1], &ok, 1) != 1) ::_exit(1);
        for (;;) ::pause();
    }
    char ok = 0;
    ASSERT_EQ(::read(ready[0], &ok, 1), 1);
    ASSERT_EQ(ok, 'y');
    FileLock second;
    EXPECT_EQ(second.Take(lock), FileLock::Result::HeldElsewhere);
    ::kill(holder, SIGKILL);  // dies without letting go itself
    ::waitpid(holder, nullptr, 0);
    EXPECT_EQ(second.Take(lock), FileLock::Result::Taken);
    FileLock third;  // in the same process, too, one holder at a time
    EXPECT_EQ(third.Take(lock), FileLock::Result::HeldElsewhere);
    ::close(ready[0]);
    ::close(ready[1]);

    FileLock nowhere;
    EXPECT_EQ(nowhere.Take(dir / "missing/kervazyl.lock"), FileLock::Result::Unavailable);
}

}  // namespace
}  // namespace kz
