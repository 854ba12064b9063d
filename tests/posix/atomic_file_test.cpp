// Replacing a file: all new or all old, never a temporary file left behind,
// whichever system call fails, whatever the length of the name.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "posix/atomic_file.h"
#include "tests/posix/failing_files.h"
#include "tests/posix/temporary_folder.h"
#include "tests/posix/unprivileged.h"

namespace stenvik::posix::test {
namespace {

const std::string kOld = "the old coupon";
const std::string kNew = " Match 1:   1 \r\n Match 2:   X \r\n\xE5\xE4\xF6";

// Writes at most a few bytes per call and is interrupted once.
class DribblingFiles final : public PosixFiles {
public:
    ssize_t Write(int fd, const void* data, size_t size) override {
        if (!_interrupted) {
            _interrupted = true;
            errno = EINTR;
            return -1;
        }
        return PosixFiles::Write(fd, data, std::min<size_t>(size, 3));
    }

private:
    bool _interrupted = false;
};

// The program is killed while it writes.
class KilledFiles final : public PosixFiles {
public:
    ssize_t Write(int /*fd*/, const void* /*data*/, size_t /*size*/) override { ::_exit(0); }
};

mode_t ModeOf(const std::filesystem::path& path) {
    struct stat status {};
    ::stat(path.c_str(), &status);
    return status.st_mode & 07777;
}

TEST(ReplaceFile, WritesExactlyTheBytes) {
    const TemporaryFolder folder;
    PosixFiles files;
    EXPECT_FALSE(ReplaceFile(folder / "new.txt", kNew, files));
    EXPECT_EQ(ReadFile(folder / "new.txt"), kNew);
    EXPECT_FALSE(ReplaceFile(folder / "empty.txt", "", files));
    EXPECT_EQ(ReadFile(folder / "empty.txt"), "");
}

TEST(ReplaceFile, ShortAndInterruptedWritesStillWriteEverything) {
    const TemporaryFolder folder;
    DribblingFiles files;
    EXPECT_FALSE(ReplaceFile(folder / "rader.txt", kNew, files));
    EXPECT_EQ(ReadFile(folder / "rader.txt"), kNew);
}

TEST(ReplaceFile, AReplacedFileKeepsItsModeButNotSetuidOrSetgid) {
    const TemporaryFolder folder;
    PosixFiles files;
    for (const mode_t mode : {0640, 0604, 06755, 04700, 02750}) {
        const auto target = folder / "rader.txt";
        WriteFile(target, kOld);
        ::chmod(target.c_str(), mode);
        EXPECT_FALSE(ReplaceFile(target, kNew, files));
        EXPECT_EQ(ModeOf(target), mode & 0777) << std::oct << mode;
    }
}

TEST(ReplaceFile, ANewFileGetsTheModeTheUmaskLeaves) {
    const TemporaryFolder folder;
    const mode_t before = ::umask(027);
    PosixFiles files;
    EXPECT_FALSE(ReplaceFile(folder / "rader.txt", kNew, files));
    ::umask(before);
    EXPECT_EQ(ModeOf(folder / "rader.txt"), 0640u);
}

TEST(ReplaceFile, EveryFailingCallLeavesTheOldFileOrTheNewOneAndNoTemporary) {
    enum class Target { Existing, Missing, DanglingLink, OthersFile };
    struct Case {
        const char* what;
        Target target;
        bool unnamedFiles;
        int failingCalls;  // each of them makes the save fail
        std::string old;
    };
    const std::vector<Case> cases = {
        // Open the target and the new file, owner, mode, write, fsync, link, close, rename.
        {"replacing", Target::Existing, true, 9, kOld},
        {"replacing without unnamed files", Target::Existing, false, 8, kOld},  // no link
        // Open the target, the new file, write, fsync, link (or close) and close (or rename).
        {"creating", Target::Missing, true, 6, kOld},
        {"creating without unnamed files", Target::Missing, false, 6, kOld},
        // Open the link, open it creating the file it names, then as when replacing.
        {"creating through a dangling link", Target::DanglingLink, true, 10, kOld},
        // Open the target and the new file (the new file's close does not
        // count), reserve, write, set the length, fsync, close.
        {"rewriting another user's file in place", Target::OthersFile, true, 7, kOld},
        {"rewriting a longer file of another user in place", Target::OthersFile, true, 7, kOld + kOld + kOld},
    };
    for (const auto& [what, target, unnamedFiles, failingCalls, old] : cases) {
        SCOPED_TRACE(what);
        const bool inPlace = target == Target::OthersFile;
        // What a failure after the new text is written, and before the length is set, leaves.
        const auto cut = kNew + old.substr(std::min(old.size(), kNew.size()));
        int failures = 0;
        for (int failAt = 1;; ++failAt) {
            SCOPED_TRACE("failing call " + std::to_string(failAt));
            const TemporaryFolder folder;
            const auto file = folder / "rader.txt";
            if (target == Target::Existing || inPlace) WriteFile(file, old);
            if (target == Target::DanglingLink) std::filesystem::create_symlink("rader.txt", folder / "senaste.txt");
            FailingFiles files(failAt, unnamedFiles, inPlace);
            files.faults.errors = {{"Fallocate", EOPNOTSUPP}, {"Write", ENOSPC}};
            const auto error = ReplaceFile(target == Target::DanglingLink ? folder / "senaste.txt" : file, kNew, files);
            if (!files.Injected()) {
                EXPECT_FALSE(error);
                EXPECT_EQ(ReadFile(file), kNew);
                break;
            }
            failures += error ? 1 : 0;
            const bool hasFile = target == Target::Existing || inPlace || !error;
            std::vector<std::string> names;
            if (hasFile) names.push_back("rader.txt");
            if (target == Target::DanglingLink) names.push_back("senaste.txt");
            auto found = folder.Names();
            std::sort(found.begin(), found.end());
            EXPECT_EQ(found, names);
            const auto text = hasFile ? ReadFile(file) : "";
            if (inPlace) {
                EXPECT_TRUE(text == old || text == kNew || (text == cut && files.faults.failed.contains("Ftruncate 1")))
                    << text;
            } else if (hasFile) {
                EXPECT_EQ(text, error ? old : kNew);
            }
        }
        EXPECT_EQ(failures, failingCalls);
    }
}

TEST(ReplaceFile, AKilledSaveLeavesNothingBehind) {
    for (const bool targetExists : {true, false}) {
        const TemporaryFolder folder;
        const auto target = folder / "rader.txt";
        if (targetExists) WriteFile(target, kOld);
        const pid_t child = ::fork();
        if (child == 0) {
            KilledFiles files;
            ::_exit(ReplaceFile(target, kNew, files) ? 1 : 2);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_EQ(folder.Names(), targetExists ? std::vector<std::string>{"rader.txt"} : std::vector<std::string>{});
        if (targetExists) {
            EXPECT_EQ(ReadFile(target), kOld);
        }
    }
}

// A copy of this process, which starts with its state, finds every name it
// tries for its new file taken: a file, a link or a folder planted under
// each of those names must not block the save here, with or without
// unnamed files.
TEST(ReplaceFile, PlantedFilesCannotBlockTheSave) {
    const TemporaryFolder folder;
    const auto target = folder / "rader.txt";
    WriteFile(target, kOld);
    const std::function<void(const std::filesystem::path&)> plants[] = {
        [](const auto& name) { WriteFile(name, kOld); },
        [&](const auto& name) { std::filesystem::create_symlink(folder / "elsewhere", name); },
        [](const auto& name) { std::filesystem::create_directory(name); },
    };
    std::size_t planted = 0;
    for (const auto& plant : plants) {
        for (const bool unnamedFiles : {true, false}) {
            std::istringstream names(InChild([&] {
                FailingFiles files(0, unnamedFiles);
                files.namesTaken = true;
                std::string tried;
                if (ReplaceFile(target, kNew, files) == std::errc::file_exists) {
                    for (const auto& name : files.tried) tried += name + '\n';
                }
                return tried;
            }));
            const std::size_t before = planted;
            for (std::string name; std::getline(names, name); ++planted) plant(name);
            ASSERT_GT(planted, before);
            FailingFiles files(0, unnamedFiles);
            EXPECT_FALSE(ReplaceFile(target, kNew, files));
            EXPECT_EQ(ReadFile(target), kNew);
            EXPECT_EQ(folder.Names().size(), planted + 1);
        }
    }
}

TEST(ReplaceFile, EveryNameTheFileSystemTakesCanBeSaved) {
    for (const std::size_t length : {1, 242, 243, 255}) {
        for (const bool unnamedFiles : {true, false}) {
            SCOPED_TRACE(std::to_string(length) + (unnamedFiles ? " bytes, unnamed files" : " bytes, named files"));
            const TemporaryFolder folder;
            const auto target = folder / std::string(length, 'r');
            FailingFiles files(0, unnamedFiles);
            EXPECT_FALSE(ReplaceFile(target, kOld, files));  // a new file
            EXPECT_FALSE(ReplaceFile(target, kNew, files));  // replacing it
            EXPECT_EQ(ReadFile(target), kNew);
            EXPECT_EQ(folder.Names().size(), 1u);
        }
    }
    const TemporaryFolder folder;
    PosixFiles files;
    EXPECT_EQ(ReplaceFile(folder / std::string(256, 'r'), kNew, files), std::errc::filename_too_long);
    EXPECT_TRUE(folder.Names().empty());
}

TEST(ReplaceFile, ATargetThatIsAFolderStaysAndNothingIsLeft) {
    const TemporaryFolder folder;
    std::filesystem::create_directory(folder / "rader.txt");
    WriteFile(folder / "rader.txt" / "inside.txt", kOld);
    PosixFiles files;
    EXPECT_EQ(ReplaceFile(folder / "rader.txt", kNew, files), std::errc::is_a_directory);
    EXPECT_EQ(ReplaceFile(folder.path().string() + "/missing/", kNew, files), std::errc::is_a_directory);
    EXPECT_EQ(ReplaceFile(folder.path().string() + "/rader.txt/", kNew, files), std::errc::is_a_directory);
    EXPECT_EQ(ReadFile(folder / "rader.txt" / "inside.txt"), kOld);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"rader.txt"});
}

TEST(ReplaceFile, AFolderNotEvenRootMayWriteIn) {
    PosixFiles files;
    EXPECT_TRUE(ReplaceFile("/proc/stenvik-rader.txt", kNew, files));
    EXPECT_FALSE(std::filesystem::exists("/proc/stenvik-rader.txt"));
}

// Root writes in any folder, so root's run saves as nobody.
TEST(ReplaceFile, AFolderWithoutWritePermission) {
    const TemporaryFolder folder;
    const auto locked = folder / "locked";
    std::filesystem::create_directory(locked);
    WriteFile(locked / "rader.txt", kOld);
    for (const auto& path : {folder.path(), locked, locked / "rader.txt"}) ASSERT_TRUE(GiveToUnprivileged(path));
    ::chmod(locked.c_str(), 0555);
    EXPECT_EQ(Unprivileged([&] {
                  PosixFiles files;
                  return ReplaceFile(locked / "rader.txt", kNew, files).message();
              }),
              std::make_error_code(std::errc::permission_denied).message());
    EXPECT_EQ(ReadFile(locked / "rader.txt"), kOld);
}

}  // namespace
}  // namespace stenvik::posix::test
