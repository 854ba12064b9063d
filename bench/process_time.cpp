// Two programs' processor time, run in turn as pairs: prints each pair's
// user + system seconds of both, one pair a line, so that a change in the
// machine's load between runs touches both alike.
//   stenvik_process_time RUNS -- PROGRAM ARGS... -- FLOOR ARGS...
// Their standard output goes to /dev/null.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <span>
#include <string_view>
#include <vector>

namespace {

// The processor time of one run of `command`, in seconds; -1 if it failed.
double RunOnce(const std::vector<char*>& command) {
    const pid_t child = ::fork();
    if (child == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        if (null >= 0) ::dup2(null, STDOUT_FILENO);
        ::execv(command[0], command.data());
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || ::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return -1;
    }
    const auto seconds = [](const timeval& time) {
        return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

}  // namespace

int main(int argc, char** argv) {
    const std::span arguments(argv, static_cast<std::size_t>(argc));
    std::vector<std::vector<char*>> commands(1);
    for (char* argument : arguments.subspan(std::min<std::size_t>(arguments.size(), 3))) {
        if (std::string_view(argument) == "--") {
            commands.back().push_back(nullptr);
            commands.emplace_back();
        } else {
            commands.back().push_back(argument);
        }
    }
    commands.back().push_back(nullptr);
    if (argc < 3 || std::string_view(arguments[2]) != "--" || commands.size() != 2 || commands[0].size() < 2 ||
        commands[1].size() < 2) {
        std::fputs("usage: stenvik_process_time RUNS -- PROGRAM ARGS... -- FLOOR ARGS...\n", stderr);
        return 2;
    }
    const int runs = std::atoi(arguments[1]);
    for (int run = 0; run < runs; ++run) {
        const double program = RunOnce(commands[0]);
        const double floor = RunOnce(commands[1]);
        if (program < 0 || floor < 0) {
            std::fputs("stenvik_process_time: a run failed\n", stderr);
            return 1;
        }
        std::printf("%.6f %.6f\n", program, floor);
    }
}
