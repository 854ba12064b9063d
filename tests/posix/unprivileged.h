#pragma once
// Parts of a test run in a child process: to give it descriptors or limits of
// its own, or to run it as a user without privileges even when the suite runs
// as root, so that both sides of a permission test run for whoever runs it.

#include <fcntl.h>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace stenvik::posix::test {

// nobody, whose ids no test file has by chance.
inline constexpr uid_t kNobody = 65534;
inline constexpr gid_t kNobodyGroup = 65534;

// What `work` returned in a child process, or how the child ended without.
// The child never returns into the test.
inline std::string InChild(const std::function<std::string()>& work) {
    std::array<int, 2> ends{};
    if (::pipe2(ends.data(), O_CLOEXEC) != 0) return "no pipe";
    const pid_t child = ::fork();
    if (child < 0) {
        for (const int end : ends) ::close(end);
        return "no child";
    }
    if (child == 0) {
        ::close(ends[0]);
        std::string answer;
        try {
            answer = work();
        } catch (...) {
            answer = "threw";
        }
        std::string_view left = answer;
        ssize_t written = 0;
        while (!left.empty() && (written = ::write(ends[1], left.data(), left.size())) > 0) {
            left.remove_prefix(static_cast<std::size_t>(written));
        }
        ::_exit(0);
    }
    ::close(ends[1]);
    std::string result;
    std::array<char, 256> chunk{};
    ssize_t read = 0;
    while ((read = ::read(ends[0], chunk.data(), chunk.size())) > 0)
        result.append(chunk.data(), static_cast<std::size_t>(read));
    ::close(ends[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFSIGNALED(status)) return "killed by signal " + std::to_string(WTERMSIG(status));
    return result;
}

// Gives a file the test made to the user Unprivileged runs as, if nobody.
[[nodiscard]] inline bool GiveToUnprivileged(const std::filesystem::path& path) {
    return ::geteuid() != 0 || ::lchown(path.c_str(), kNobody, kNobodyGroup) == 0;
}

// InChild, as nobody (no other groups) when this process is root.
inline std::string Unprivileged(const std::function<std::string()>& work) {
    return InChild([&] {
        if (::geteuid() != 0) return work();
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobodyGroup) != 0 || ::setuid(kNobody) != 0) {
            return std::string("cannot become nobody");
        }
        return work();
    });
}

}  // namespace stenvik::posix::test
