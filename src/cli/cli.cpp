#include "cli.h"

#include <ostream>
#include <variant>

#include "arguments.h"
#include "codepage.h"
#include "line_breaks.h"
#include "memory_session.h"
#include "scripted_user.h"
#include "state_json.h"

namespace stenvik::cli {

namespace {

// The rows text for a terminal: UTF-8, "\n" line breaks, one final "\n".
std::string TerminalText(std::string_view cp1252) { return Cp1252ToUtf8(CrlfToLf(cp1252)) + "\n"; }

// Saves and prints what the plan asks of the dialog the plan was replayed
// on; returns the exit code.
int Deliver(const Plan& plan, const MemorySession& session, std::ostream& out, std::ostream& err,
            posix::PosixFiles& files) {
    const auto& rows = session.Rows();
    if (plan.refusalIsError && session.state.SystemRefused()) {
        err << TerminalText(rows);
        return kExitFailure;
    }
    if (plan.outputFile) {
        if (const auto error = posix::ReplaceFile(*plan.outputFile, rows, files)) {
            err << kProgram << ": cannot write " << Shown(plan.outputFile->string()) << ": " << error.message() << "\n";
            return kExitFailure;
        }
    }
    if (plan.state) {
        out << StateJson(session);
    } else if (plan.raw) {
        out << rows;
    } else if (!plan.outputFile) {
        out << TerminalText(rows);
    }
    if (!out.flush()) {
        err << kProgram << ": cannot write to standard output\n";
        return kExitFailure;
    }
    return kExitDone;
}

}  // namespace

int RunCli(std::span<const char* const> args, std::ostream& out, std::ostream& err, posix::PosixFiles& files) {
    const auto parsed = ParseArguments(args);
    if (const auto* early = std::get_if<EarlyExit>(&parsed)) {
        out << early->out << std::flush;
        err << early->err;
        return early->code;
    }
    // A freshly opened dialog in memory, clicked as a user would.
    const auto& plan = std::get<Plan>(parsed);
    MemorySession session(plan.seed);
    Replay(session, plan.events);
    return Deliver(plan, session, out, err, files);
}

}  // namespace stenvik::cli
