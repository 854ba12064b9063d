#include "cli/cli.h"

#include <istream>
#include <optional>
#include <ostream>
#include <variant>

#include "cli/arguments.h"
#include "cli/state_json.h"
#include "cli/toolkit.h"
#include "core/codepage.h"
#include "core/line_breaks.h"
#include "memory/scripted_user.h"
#include "memory/session.h"

namespace stenvik::cli {

namespace {

// The rows text for a terminal: UTF-8, "\n" line breaks, one final "\n".
std::string TerminalText(std::string_view cp1252) { return Cp1252ToUtf8(CrlfToLf(cp1252)) + "\n"; }

int Ended(const EarlyExit& early, std::ostream& out, std::ostream& err) {
    out << early.out << std::flush;
    err << early.err;
    return early.code;
}

int Flushed(std::ostream& out, std::ostream& err) {
    if (!out.flush()) {
        err << kProgram << ": cannot write to standard output\n";
        return kExitFailure;
    }
    return kExitDone;
}

// Saves and prints `rows`, the bytes "SPARA raderna" would save, as the plan
// asks, or prints `state` in their place; returns the exit code.
int Deliver(const Plan& plan, std::string_view rows, const std::optional<std::string>& state, std::ostream& out,
            std::ostream& err, posix::PosixFiles& files) {
    if (plan.outputFile) {
        if (const auto error = posix::ReplaceFile(*plan.outputFile, rows, files)) {
            err << kProgram << ": cannot write " << Shown(plan.outputFile->string()) << ": " << error.message() << "\n";
            return kExitFailure;
        }
    }
    if (state) {
        out << *state;
    } else if (plan.raw) {
        out << rows;
    } else if (!plan.outputFile) {
        out << TerminalText(rows);
    }
    return Flushed(out, err);
}

// A freshly opened dialog in memory, clicked as a user would.
int Replayed(const Plan& plan, std::ostream& out, std::ostream& err, posix::PosixFiles& files) {
    MemorySession session(plan.seed);
    session.state.percent = plan.percent;
    session.state.uniqueRows = plan.uniqueRows;
    Replay(session, plan.events);
    const auto& rows = session.Rows();
    if (plan.refusalIsError && session.state.SystemRefused()) {
        err << TerminalText(rows);
        return kExitFailure;
    }
    if (plan.upload) {
        const auto upload = SystemUploadRows(rows, *plan.upload);
        if (const auto* stop = std::get_if<EarlyExit>(&upload)) return Ended(*stop, out, err);
        return Deliver(plan, std::get<std::string>(upload), std::nullopt, out, err, files);
    }
    return Deliver(plan, rows, plan.state ? std::optional(StateJson(session)) : std::nullopt, out, err, files);
}

// A command of the toolkit: expand's rows are delivered as every command's
// rows are, info's and check's text printed as it is.
int Answered(const Plan& plan, std::istream& in, std::ostream& out, std::ostream& err, posix::PosixFiles& files) {
    const auto answer = RunCouponCommand(*plan.coupon, in, files);
    if (const auto* stop = std::get_if<EarlyExit>(&answer)) return Ended(*stop, out, err);
    const auto& text = std::get<std::string>(answer);
    if (plan.coupon->command == CouponCommand::Expand) return Deliver(plan, text, std::nullopt, out, err, files);
    out << text;
    return Flushed(out, err);
}

}  // namespace

int RunCli(std::span<const char* const> args, std::istream& in, std::ostream& out, std::ostream& err,
           posix::PosixFiles& files) {
    const auto parsed = ParseArguments(args);
    if (const auto* early = std::get_if<EarlyExit>(&parsed)) return Ended(*early, out, err);
    const auto& plan = std::get<Plan>(parsed);
    return plan.coupon ? Answered(plan, in, out, err, files) : Replayed(plan, out, err, files);
}

}  // namespace stenvik::cli
