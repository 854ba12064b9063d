// What a saved name can be besides a plain file, and whose file it is: links,
// devices, pipes, the descriptors a shell hands over, and other users' files.
// Each ends as a shell's > would leave it, with the old file never lost.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <functional>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#include "posix/atomic_file.h"
#include "tests/posix/temporary_folder.h"
#include "tests/posix/unprivileged.h"

namespace stenvik::posix::test {
namespace {

namespace fs = std::filesystem;

const std::string kOld = "the old coupon";
const std::string kNew = " Match 1:   1 \r\n Match 2:   X \r\n";

struct stat StatusOf(const fs::path& path) {
    struct stat status {};
    ::lstat(path.c_str(), &status);
    return status;
}

TEST(ReplaceFile, LinksAreFollowedAsAShellFollowsThem) {
    struct Case {
        const char* what;
        std::function<void(const TemporaryFolder&)> make;
        const char* saved;         // the name given, a link
        int error;                 // errno, or 0
        std::string fileWithText;  // the file that then holds the new text, if any
    };
    const auto link = [](const char* to, const char* name) {
        return [=](const TemporaryFolder& folder) { fs::create_symlink(to, folder / name); };
    };
    const std::vector<Case> cases = {
        {"a link to a file", link("kuponger/rader.txt", "senaste.txt"), "senaste.txt", 0, "kuponger/rader.txt"},
        {"a chain of links",
         [&](const TemporaryFolder& folder) {
             link("kuponger/rader.txt", "mitten.txt")(folder);
             link("mitten.txt", "senaste.txt")(folder);
         },
         "senaste.txt", 0, "kuponger/rader.txt"},
        {"a link relative to its own folder",
         [&](const TemporaryFolder& folder) {
             fs::create_directory(folder / "andra");
             link("../kuponger/rader.txt", "andra/senaste.txt")(folder);
         },
         "andra/senaste.txt", 0, "kuponger/rader.txt"},
        {"a dangling link makes its target", link("kuponger/ny.txt", "senaste.txt"), "senaste.txt", 0,
         "kuponger/ny.txt"},
        {"a dangling link into no folder", link("saknas/ny.txt", "senaste.txt"), "senaste.txt", ENOENT, ""},
        {"a loop",
         [&](const TemporaryFolder& folder) {
             link("b", "a")(folder);
             link("a", "b")(folder);
         },
         "a", ELOOP, ""},
        {"a link to itself", link("själv", "själv"), "själv", ELOOP, ""},
    };
    for (const auto& [what, make, saved, error, fileWithText] : cases) {
        SCOPED_TRACE(what);
        const TemporaryFolder folder;
        fs::create_directory(folder / "kuponger");
        WriteFile(folder / "kuponger" / "rader.txt", kOld);
        make(folder);
        PosixFiles files;
        EXPECT_EQ(ReplaceFile(folder / saved, kNew, files).value(), error);
        EXPECT_TRUE(fs::is_symlink(folder / saved));
        if (!fileWithText.empty()) {
            EXPECT_EQ(ReadFile(folder / fileWithText), kNew);
        }
        if (fileWithText != "kuponger/rader.txt") {
            EXPECT_EQ(ReadFile(folder / "kuponger" / "rader.txt"), kOld);
        }
        const auto made = std::distance(fs::directory_iterator(folder / "kuponger"), {});
        EXPECT_EQ(made, fileWithText == "kuponger/ny.txt" ? 2 : 1);
    }
}

TEST(ReplaceFile, APipeIsWrittenIntoAndStaysAPipe) {
    const TemporaryFolder folder;
    const auto fifo = folder / "rader.fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // The reader is there first, so the save neither waits for one nor
    // leaves this test waiting for a writer that never comes.
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(reader, 0);
    PosixFiles files;
    EXPECT_FALSE(ReplaceFile(fifo, kNew, files));
    std::string received(kNew.size() + 1, '\0');
    const auto length = ::read(reader, received.data(), received.size());
    ::close(reader);
    EXPECT_EQ(received.substr(0, static_cast<std::size_t>(std::max<ssize_t>(length, 0))), kNew);
    EXPECT_TRUE(S_ISFIFO(StatusOf(fifo).st_mode));
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"rader.fifo"});
}

TEST(ReplaceFile, ADeviceIsWrittenIntoAndStaysADevice) {
    const TemporaryFolder folder;
    const auto device = folder / "null";
    struct stat null {};
    ASSERT_EQ(::stat("/dev/null", &null), 0);
    if (::mknod(device.c_str(), S_IFCHR | 0666, null.st_rdev) != 0) {
        GTEST_SKIP() << "a copy of /dev/null cannot be made here (that needs root): " << std::strerror(errno);
    }
    PosixFiles files;
    const auto error = ReplaceFile(device, kNew, files);
    if (error == std::errc::permission_denied) GTEST_SKIP() << "the file system does not open devices (nodev)";
    EXPECT_FALSE(error) << error.message();
    EXPECT_TRUE(S_ISCHR(StatusOf(device).st_mode));
    EXPECT_EQ(StatusOf(device).st_rdev, null.st_rdev);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"null"});
}

// A shell's >> hands over a descriptor that appends; /dev/stdout and its
// like must write through it, not replace the file behind the shell's back.
TEST(ReplaceFile, TheDescriptorsAShellHandsOverAreWrittenThrough) {
    for (const std::string folderOfDescriptors : {"/dev/fd/", "/proc/self/fd/", "/dev/fd/../fd/"}) {
        SCOPED_TRACE(folderOfDescriptors);
        const TemporaryFolder folder;
        const auto log = folder / "logg.txt";
        WriteFile(log, kOld);
        const auto inode = StatusOf(log).st_ino;
        const int fd = ::open(log.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
        ASSERT_GE(fd, 0);
        PosixFiles files;
        EXPECT_FALSE(ReplaceFile(folderOfDescriptors + std::to_string(fd), kNew, files));
        ::close(fd);
        EXPECT_EQ(ReadFile(log), kOld + kNew);
        EXPECT_EQ(StatusOf(log).st_ino, inode);
    }
}

// A name that leads, by any way, to the file standard output or error holds
// is written through them; the file standard input holds is replaced once
// read, as `expand - --output f < f` asks.
TEST(ReplaceFile, TheFilesOfStandardOutputAndErrorAreWrittenThroughThemByAnyName) {
    struct Case {
        const char* what;
        int held;   // the descriptor that holds the log
        int flags;  // as the shell opened it
        std::function<fs::path(const fs::path& log)> name;
        bool appended;  // or else replaced
    };
    const auto linkTo = [](const char* file) {
        return [=](const fs::path& log) {
            fs::create_symlink(file, log.parent_path() / "senaste.txt");
            return log.parent_path() / "senaste.txt";
        };
    };
    const auto itself = [](const fs::path& log) { return log; };
    const std::vector<Case> cases = {
        {"a link to /dev/stdout", STDOUT_FILENO, O_WRONLY | O_APPEND, linkTo("/dev/stdout"), true},
        {"a link to /dev/stderr", STDERR_FILENO, O_WRONLY | O_APPEND, linkTo("/dev/stderr"), true},
        {"a relative way to /dev/stdout", STDOUT_FILENO, O_WRONLY | O_APPEND,
         [](const fs::path&) { return fs::path("/dev/stdout").lexically_relative(fs::current_path()); }, true},
        {"the file's own name", STDOUT_FILENO, O_WRONLY | O_APPEND, itself, true},
        {"a link to the file", STDERR_FILENO, O_WRONLY | O_APPEND, linkTo("logg.txt"), true},
        {"standard input's file", STDIN_FILENO, O_RDONLY, itself, false},
    };
    for (const auto& [what, held, flags, name, appended] : cases) {
        SCOPED_TRACE(what);
        const TemporaryFolder folder;
        const auto log = folder / "logg.txt";
        WriteFile(log, kOld);
        const auto inode = StatusOf(log).st_ino;
        const auto saved = InChild([&, held = held, flags = flags, &name = name] {
            const int fd = ::open(log.c_str(), flags | O_CLOEXEC);
            if (fd < 0 || ::dup2(fd, held) != held) return std::string("cannot hand the log over");
            PosixFiles files;
            return ReplaceFile(name(log), kNew, files).message();
        });
        EXPECT_EQ(saved, std::error_code().message());
        EXPECT_EQ(ReadFile(log), appended ? kOld + kNew : kNew);
        EXPECT_EQ(StatusOf(log).st_ino == inode, appended);
    }
}

TEST(ReplaceFile, APipeWithoutReaderIsAnErrorNotTheEnd) {
    std::array<int, 2> ends{};
    ASSERT_EQ(::pipe(ends.data()), 0);
    ::close(ends[0]);
    PosixFiles files;
    EXPECT_EQ(ReplaceFile("/dev/fd/" + std::to_string(ends[1]), kNew, files), std::errc::broken_pipe);
    ::close(ends[1]);
}

enum class Who { Root, Other };

// Saves as root, or as nobody in a child process: why it failed, or "Success".
std::string ReplaceAs(Who writer, const fs::path& target) {
    const auto save = [&] {
        PosixFiles files;
        return ReplaceFile(target, kNew, files).message();
    };
    return writer == Who::Root ? save() : Unprivileged(save);
}

TEST(ReplaceFile, OwnersAndModesAsAShellUserExpectsThem) {
    if (::geteuid() != 0) GTEST_SKIP() << "making files of another user and saving as one needs root";
    struct Case {
        const char* what;
        Who owner;
        mode_t mode;
        Who writer;
        mode_t folderMode;
        int error;
        mode_t modeAfter;
        bool replaced;  // a new file, not the old one rewritten
    };
    const std::vector<Case> cases = {
        {"root keeps another user's owner, group and mode", Who::Other, 0640, Who::Root, 0777, 0, 0640, true},
        {"another user's file that may be written is written in place", Who::Root, 0666, Who::Other, 0777, 0, 0666,
         false},
        {"a read-only file is refused", Who::Other, 0444, Who::Other, 0777, EACCES, 0444, false},
        {"another user's file that may not be written is refused", Who::Root, 0644, Who::Other, 0777, EACCES, 0644,
         false},
        // Written in place it could be lost half-way; it is never replaced.
        {"a file in a folder that may not be written in is refused", Who::Other, 0644, Who::Other, 0755, EACCES, 0644,
         false},
    };
    for (const auto& [what, owner, mode, writer, folderMode, error, modeAfter, replaced] : cases) {
        SCOPED_TRACE(what);
        const TemporaryFolder folder;
        ::chmod(folder.path().c_str(), folderMode);
        const auto target = folder / "rader.txt";
        WriteFile(target, kOld);
        const uid_t ownerId = owner == Who::Root ? 0 : kNobody;
        const gid_t groupId = owner == Who::Root ? 0 : kNobodyGroup;
        ASSERT_EQ(::chown(target.c_str(), ownerId, groupId), 0);
        ::chmod(target.c_str(), mode);
        const auto before = StatusOf(target);

        EXPECT_EQ(ReplaceAs(writer, target), std::error_code(error, std::generic_category()).message());
        const auto after = StatusOf(target);
        EXPECT_EQ(ReadFile(target), error == 0 ? kNew : kOld);
        EXPECT_EQ(after.st_uid, ownerId);
        EXPECT_EQ(after.st_gid, groupId);
        EXPECT_EQ(after.st_mode & 07777, modeAfter);
        EXPECT_EQ(after.st_ino != before.st_ino, replaced);
        EXPECT_EQ(folder.Names(), std::vector<std::string>{"rader.txt"});
    }
}

}  // namespace
}  // namespace stenvik::posix::test
