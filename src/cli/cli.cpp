#include "cli/cli.h"

#include <istream>
#include <optional>
#include <ostream>
#include <variant>

#include "cli/arguments.h"
#include "cli/reduced_system.h"
#include "cli/shown.h"
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

// Saves and prints `rows`, the bytes "SPARA raderna" would save, as
// `delivery` asks, or prints `state` in their place; returns the exit code.
int Deliver(const Delivery& delivery, std::string_view rows, const std::optional<std::string>& state, std::ostream& out,
            std::ostream& err, posix::PosixFiles& files) {
    if (delivery.file) {
        if (const auto error = posix::ReplaceFile(*delivery.file, rows, files)) {
            err << kProgram << ": cannot write " << Shown(delivery.file->string()) << ": " << error.message() << "\n";
            return kExitFailure;
        }
    }
    if (state) {
        out << *state;
    } else if (delivery.raw) {
        out << rows;
    } else if (!delivery.file) {
        out << TerminalText(rows);
    }
    return Flushed(out, err);
}

// A reduced system's rows delivered as expand's are, its summary then on
// standard error; or, for --json, the object on standard output instead.
int DeliverReduced(const Delivery& delivery, const std::variant<ReducedSystem, EarlyExit>& reduced, bool json,
                   std::ostream& out, std::ostream& err, posix::PosixFiles& files) {
    if (const auto* stop = std::get_if<EarlyExit>(&reduced)) return Ended(*stop, out, err);
    const auto& system = std::get<ReducedSystem>(reduced);
    const int code = Deliver(delivery, system.rows, json ? std::optional(system.json) : std::nullopt, out, err, files);
    if (code == kExitDone && !json) err << system.summary;
    return code;
}

// A freshly opened dialog in memory, clicked as a user would.
int Replayed(const ReplayPlan& plan, std::ostream& out, std::ostream& err, posix::PosixFiles& files) {
    MemorySession session(plan.seed);
    session.state.percent = plan.percent;
    session.state.uniqueRows = plan.uniqueRows;
    Replay(session, plan.events);
    const auto& rows = session.Rows();
    if (plan.refusalIsError && session.state.SystemRefused()) {
        err << kProgram << ": " << TerminalText(rows);
        return kExitFailure;
    }
    if (plan.reduce) {
        // The press is over: its generator, whose state the seed fixed,
        // draws the reduction, so that one seed repeats both.
        const auto where = "--reduce " + std::to_string(static_cast<int>(plan.reduce->guarantee));
        const auto reduced = ReduceSystem(OwnSystem(rows), *plan.reduce, session.state.rg, where, "--reduce");
        return DeliverReduced(plan.delivery, reduced, false, out, err, files);
    }
    if (plan.upload) {
        const auto upload = SystemUploadRows(rows, *plan.upload);
        if (const auto* stop = std::get_if<EarlyExit>(&upload)) return Ended(*stop, out, err);
        return Deliver(plan.delivery, std::get<std::string>(upload), std::nullopt, out, err, files);
    }
    return Deliver(plan.delivery, rows, plan.state ? std::optional(StateJson(session)) : std::nullopt, out, err, files);
}

// reduce: the game is the one the text names, else --game's; the generator
// is the run's own, never a dialog's.
int Reduced(const CouponPlan& plan, std::istream& in, std::ostream& out, std::ostream& err, posix::PosixFiles& files) {
    const auto read = ReadCouponInput(plan.input, in, files);
    if (const auto* stop = std::get_if<EarlyExit>(&read)) return Ended(*stop, out, err);
    const auto& coupon = std::get<coupon::Coupon>(read);
    const ReduceRequest request{plan.guarantee, coupon.game.value_or(plan.game.value_or(Game::Stryktipset))};
    TRandomMersenne random(plan.seed);
    const auto reduced = ReduceSystem(coupon, request, random, InputName(plan.input), "--guarantee");
    return DeliverReduced(plan.delivery, reduced, plan.json, out, err, files);
}

// A command of the toolkit: expand's rows are delivered as every command's
// rows are, info's and check's text printed as it is.
int Answered(const CouponPlan& plan, std::istream& in, std::ostream& out, std::ostream& err, posix::PosixFiles& files) {
    const auto answer = RunCouponCommand(plan, in, files);
    if (const auto* stop = std::get_if<EarlyExit>(&answer)) return Ended(*stop, out, err);
    const auto& text = std::get<std::string>(answer);
    if (plan.command == CouponCommand::Expand) return Deliver(plan.delivery, text, std::nullopt, out, err, files);
    out << text;
    return Flushed(out, err);
}

}  // namespace

int RunCli(std::span<const char* const> args, std::istream& in, std::ostream& out, std::ostream& err,
           posix::PosixFiles& files) {
    const auto parsed = ParseArguments(args);
    if (const auto* early = std::get_if<EarlyExit>(&parsed)) return Ended(*early, out, err);
    if (const auto* coupon = std::get_if<CouponPlan>(&std::get<Plan>(parsed))) {
        if (coupon->command == CouponCommand::Reduce) return Reduced(*coupon, in, out, err, files);
        return Answered(*coupon, in, out, err, files);
    }
    return Replayed(std::get<ReplayPlan>(std::get<Plan>(parsed)), out, err, files);
}

}  // namespace stenvik::cli
