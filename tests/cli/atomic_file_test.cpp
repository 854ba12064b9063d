// Replacing a file: all new or all old, never a temporary file left behind,
// whichever system call fails.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "atomic_file.h"
#include "cli_test_support.h"

namespace stenvik::cli::test {
using posix::PosixFiles;
using posix::ReplaceFile;
namespace {

const std::string kOld = "the old coupon";
const std::string kNew = " Match 1:   1 \r\n Match 2:   X \r\n\xE5\xE4\xF6";

// Fails the n-th system call (counting from 1) with EIO, or none.
class FailingFiles final : public PosixFiles {
public:
    explicit FailingFiles(int failAt) : _failAt(failAt) {}

    int Open(const char* path, int flags, mode_t mode) override {
        return Fails() ? -1 : PosixFiles::Open(path, flags, mode);
    }
    ssize_t Write(int fd, const void* data, size_t size) override {
        return Fails() ? -1 : PosixFiles::Write(fd, data, size);
    }
    int Fchmod(int fd, mode_t mode) override { return Fails() ? -1 : PosixFiles::Fchmod(fd, mode); }
    int Fsync(int fd) override { return Fails() ? -1 : PosixFiles::Fsync(fd); }
    int Close(int fd) override {
        // A failed close still releases the descriptor, as on Linux.
        const bool fails = Fails();
        const int result = PosixFiles::Close(fd);
        if (fails) errno = EIO;
        return fails ? -1 : result;
    }
    int Rename(const char* from, const char* to) override { return Fails() ? -1 : PosixFiles::Rename(from, to); }
    int Unlink(const char* path) override { return PosixFiles::Unlink(path); }  // cleaning up must not fail

    bool Injected() const { return _calls >= _failAt; }

private:
    bool Fails() {
        if (++_calls != _failAt) return false;
        errno = EIO;
        return true;
    }
    int _failAt;
    int _calls = 0;
};

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

TEST(ReplaceFile, WritesExactlyTheBytes) {
    const TemporaryFolder folder;
    PosixFiles files;
    EXPECT_FALSE(ReplaceFile(folder / "new.txt", kNew, files));
    EXPECT_EQ(ReadFile(folder / "new.txt"), kNew);
    EXPECT_FALSE(ReplaceFile(folder / "empty.txt", "", files));
    EXPECT_EQ(ReadFile(folder / "empty.txt"), "");
}

TEST(ReplaceFile, ALinkStaysALinkToTheNewText) {
    const TemporaryFolder folder;
    std::filesystem::create_directory(folder / "kuponger");
    WriteFile(folder / "kuponger" / "rader.txt", kOld);
    std::filesystem::create_symlink("kuponger/rader.txt", folder / "senaste.txt");
    PosixFiles files;
    EXPECT_FALSE(ReplaceFile(folder / "senaste.txt", kNew, files));
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "senaste.txt"));
    EXPECT_EQ(ReadFile(folder / "kuponger" / "rader.txt"), kNew);
}

TEST(ReplaceFile, ShortAndInterruptedWritesStillWriteEverything) {
    const TemporaryFolder folder;
    DribblingFiles files;
    EXPECT_FALSE(ReplaceFile(folder / "rader.txt", kNew, files));
    EXPECT_EQ(ReadFile(folder / "rader.txt"), kNew);
}

TEST(ReplaceFile, AReplacedFileKeepsItsPermissions) {
    const TemporaryFolder folder;
    const auto target = folder / "rader.txt";
    WriteFile(target, kOld);
    ::chmod(target.c_str(), 0640);
    PosixFiles files;
    EXPECT_FALSE(ReplaceFile(target, kNew, files));
    struct stat status {};
    ::stat(target.c_str(), &status);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
}

TEST(ReplaceFile, EveryFailingCallLeavesTheOldFileOrTheNewOneAndNoTemporary) {
    int failures = 0;
    for (int failAt = 1;; ++failAt) {
        SCOPED_TRACE("failing call " + std::to_string(failAt));
        const TemporaryFolder folder;
        const auto target = folder / "rader.txt";
        WriteFile(target, kOld);
        FailingFiles files(failAt);
        const auto error = ReplaceFile(target, kNew, files);
        if (!files.Injected()) {
            EXPECT_FALSE(error);
            EXPECT_EQ(ReadFile(target), kNew);
            break;
        }
        failures += error ? 1 : 0;
        EXPECT_EQ(ReadFile(target), error ? kOld : kNew);
        EXPECT_EQ(folder.Names(), std::vector<std::string>{"rader.txt"});
    }
    // Open, keep the mode, write, fsync, close and rename each fail alone.
    EXPECT_EQ(failures, 6);
}

TEST(ReplaceFile, ATargetThatIsAFolderStaysAndNothingIsLeft) {
    const TemporaryFolder folder;
    std::filesystem::create_directory(folder / "rader.txt");
    WriteFile(folder / "rader.txt" / "inside.txt", kOld);
    PosixFiles files;
    EXPECT_TRUE(ReplaceFile(folder / "rader.txt", kNew, files));
    EXPECT_EQ(ReadFile(folder / "rader.txt" / "inside.txt"), kOld);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"rader.txt"});
}

TEST(ReplaceFile, AFolderNotEvenRootMayWriteIn) {
    PosixFiles files;
    EXPECT_TRUE(ReplaceFile("/proc/stenvik-rader.txt", kNew, files));
    EXPECT_FALSE(std::filesystem::exists("/proc/stenvik-rader.txt"));
}

TEST(ReplaceFile, AFolderWithoutWritePermission) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes in any folder";
    const TemporaryFolder folder;
    std::filesystem::create_directory(folder / "locked");
    WriteFile(folder / "locked" / "rader.txt", kOld);
    ::chmod((folder / "locked").c_str(), 0555);
    PosixFiles files;
    EXPECT_EQ(ReplaceFile(folder / "locked" / "rader.txt", kNew, files), std::errc::permission_denied);
    EXPECT_EQ(ReadFile(folder / "locked" / "rader.txt"), kOld);
}

}  // namespace
}  // namespace stenvik::cli::test
