// A file-size limit (ulimit -f) meets a save as a full disk does: the save
// fails, says why, and leaves the old file; the program goes on.

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <system_error>
#include <vector>

#include "posix/atomic_file.h"
#include "tests/posix/temporary_folder.h"
#include "tests/posix/unprivileged.h"

namespace stenvik::posix::test {
namespace {

const std::string kOld = "the old coupon";
const std::string kNew = " Match 1:   1 \r\n Match 2:   X \r\n";
const std::string kTooLarge = std::make_error_code(std::errc::file_too_large).message();

// Lowers the limit of the process it runs in, a child's.
void LimitFileSize(rlim_t bytes) {
    rlimit size{};
    ::getrlimit(RLIMIT_FSIZE, &size);
    size.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &size);
}

// The save of one's own file, whose new file meets the limit.
TEST(ReplaceFile, AFileSizeLimitIsAnErrorNotTheEnd) {
    const TemporaryFolder folder;
    const auto target = folder / "rader.txt";
    WriteFile(target, kOld);
    EXPECT_EQ(InChild([&] {
                  LimitFileSize(8);
                  PosixFiles files;
                  return ReplaceFile(target, kNew, files).message();
              }),
              kTooLarge);
    EXPECT_EQ(ReadFile(target), kOld);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"rader.txt"});
}

// As nobody, over root's file that anyone may write, in a folder where anyone
// may make files: the file is rewritten in place, and must not be cut.
TEST(ReplaceFile, AFileSizeLimitLeavesAnotherUsersFileUntouched) {
    if (::geteuid() != 0) GTEST_SKIP() << "making files of another user and saving as one needs root";
    const std::string old(3000, 'o');
    struct Case {
        rlim_t limit;
        std::size_t length;
        std::string message;
    };
    const std::vector<Case> cases = {
        {2048, 2500, kTooLarge},  // shorter than the old file
        {2048, 4000, kTooLarge},  // longer
        {RLIM_INFINITY, 2500, std::error_code().message()},
    };
    for (const auto& [limit, length, message] : cases) {
        SCOPED_TRACE(length);
        const TemporaryFolder folder;
        ::chmod(folder.path().c_str(), 01777);
        const auto target = folder / "rader.txt";
        WriteFile(target, old);
        ::chmod(target.c_str(), 0666);
        const std::string rows(length, '1');
        EXPECT_EQ(Unprivileged([&, limit = limit] {
                      LimitFileSize(limit);
                      PosixFiles files;
                      return ReplaceFile(target, rows, files).message();
                  }),
                  message);
        EXPECT_EQ(ReadFile(target), limit == RLIM_INFINITY ? rows : old);
        struct stat status {};
        ::stat(target.c_str(), &status);
        EXPECT_EQ(status.st_uid, 0u);
    }
}

}  // namespace
}  // namespace stenvik::posix::test
