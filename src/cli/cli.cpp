#include "cli.h"

#include <ostream>
#include <variant>

#include "arguments.h"
#include "output.h"
#include "session_run.h"

namespace stenvik::cli {

int RunCli(std::span<const char* const> args, std::ostream& out, std::ostream& err, posix::PosixFiles& files) {
    const auto parsed = ParseArguments(args);
    if (const auto* early = std::get_if<EarlyExit>(&parsed)) {
        out << early->out << std::flush;
        err << early->err;
        return early->code;
    }
    const auto& plan = std::get<Plan>(parsed);
    return Deliver(plan, Run(plan), out, err, files);
}

}  // namespace stenvik::cli
