// libFuzzer target: the bytes become clicks, commands, reseeds, presses and
// the command line's own weights and unique rows on a freshly opened Stenvik
// in memory, and after every event the selection rules, the rows box, the
// signs drawn and the random stream are checked. A broken rule prints the
// events that led to it and aborts, so libFuzzer keeps the input as a
// reproducer. A press of unique rows that could keep the program busy for
// hours is skipped; the trace still lists it.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>

#include "core/codepage.h"
#include "core/instructions.h"
#include "fuzz/events.h"
#include "fuzz/rows_text_check.h"
#include "fuzz/selection_check.h"
#include "fuzz/sign_model.h"
#include "memory/session.h"

namespace stenvik::fuzz {

namespace {

// Every input runs at most this many events, so every input ends quickly
// however long the fuzzer makes it.
constexpr int kMaxEvents = 128;
constexpr std::int32_t kStartSeed = 1;

// Events and inputs run, printed when the fuzzer exits: events per second
// are what a run is worth.
struct Tally {
    std::uint64_t inputs = 0;
    std::uint64_t events = 0;
    Tally() = default;
    Tally(const Tally&) = delete;
    Tally& operator=(const Tally&) = delete;
    ~Tally() {
        std::fprintf(stderr, "stenvik: %llu events in %llu inputs\n", static_cast<unsigned long long>(events),
                     static_cast<unsigned long long>(inputs));
    }
};
Tally tally;

struct Command {
    int id;
    int code;
};

// The command an event hands the Controller: the dialog drops a click on a
// hidden or disabled button, and the state the toolkit sets reaches no
// control.
std::optional<Command> CommandOf(const MemorySession& session, const Event& event) {
    switch (event.kind) {
        case Event::Kind::Reseed:
        case Event::Kind::Percent:
        case Event::Kind::Unique: return std::nullopt;
        case Event::Kind::Command: return Command{event.id, event.code};
        default: break;
    }
    const int id = event.kind == Event::Kind::Press ? rc::kGenerate : event.id;
    const auto* control = session.dialog.Find(id);
    if (control != nullptr && dialog::IsButton(control->spec->kind) && !(control->visible && control->enabled)) {
        return std::nullopt;
    }
    return Command{id, kClicked};
}

void Run(MemorySession& session, SignModel& model, const Event& event) {
    switch (event.kind) {
        case Event::Kind::Click: return session.Click(event.id);
        case Event::Kind::Command: return session.Send(event.id, event.code);
        case Event::Kind::Reseed: model.Reseed(event.seed); return session.state.Reseed(event.seed);
        case Event::Kind::Press: return session.Click(rc::kGenerate);
        case Event::Kind::Percent:
            session.state.percent[static_cast<std::size_t>(event.match - 1)] = event.percent;
            return;
        case Event::Kind::Unique: session.state.uniqueRows = event.unique; return;
    }
}

bool Is(const std::optional<Command>& command, int id) {
    return command && command->id == id && command->code == kClicked;
}

// Runs one event and checks what must hold after it; `rows` is the rows
// box's text as last checked, and follows it, and `model` follows the draws.
std::string RunAndCheck(MemorySession& session, SignModel& model, const Event& event, std::string& rows) {
    const auto command = CommandOf(session, event);
    const auto press = Is(command, rc::kGenerate) ? std::optional(StateAtPress(session)) : std::nullopt;
    if (press && SignModel::IsSlowUnique(*press)) return {};
    Run(session, model, event);

    if (auto fault = CheckSelection(session); !fault.empty()) return fault;
    const std::string& text = session.Rows();
    std::string fault;
    if (press) {
        fault = CheckRowsText(text, *press);
        if (fault.empty()) fault = model.CheckPress(text, *press);
        if (fault.empty() && !session.dialog.Find(rc::kSave)->visible) fault = "a press left SPARA raderna hidden";
    } else if (Is(command, rc::kInstructions)) {
        if (text != kInstructions.view()) fault = "Instruktioner wrote something else";
    } else if (text != rows) {
        fault = "the rows box changed without a press";
    }
    if (fault.empty()) fault = model.CheckStream(session.state);
    if (fault.empty() && text != rows) rows = text;
    return fault;
}

[[noreturn]] void Fail(std::span<const std::uint8_t> bytes, int failedEvent, const std::string& fault) {
    std::fprintf(stderr, "stenvik: %s\nafter the events (start seed %d):\n", fault.c_str(), kStartSeed);
    EventReader events(bytes);
    for (int i = 0; i <= failedEvent; ++i) std::fprintf(stderr, "  %s\n", Describe(*events.Next()).c_str());
    std::abort();
}

}  // namespace

}  // namespace stenvik::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace stenvik;
    using namespace stenvik::fuzz;
    const std::span<const std::uint8_t> bytes(data, size);
    ++tally.inputs;

    MemorySession session(kStartSeed);
    SignModel model(kStartSeed);
    std::string rows = session.Rows();
    if (rows != Utf8ToCp1252(AsChars(dialog::Find(rc::kRowsBox)->text))) Fail(bytes, -1, "not the start text");
    if (const auto fault = model.CheckStream(session.state); !fault.empty()) Fail(bytes, -1, fault);

    EventReader events(bytes);
    for (int count = 0; count < kMaxEvents; ++count) {
        const auto event = events.Next();
        if (!event) break;
        ++tally.events;
        if (const auto fault = RunAndCheck(session, model, *event, rows); !fault.empty()) Fail(bytes, count, fault);
    }
    return 0;
}
