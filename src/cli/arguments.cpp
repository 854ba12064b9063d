#include "cli/arguments.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <limits>
#include <set>

#include "cli/version.h"
#include "core/codepage.h"
#include "core/rc.h"
#include "posix/random_bits.h"

namespace stenvik::cli {

namespace {

// Plain decimal digits with an optional minus: no blanks, no plus, no hex.
template <typename Int>
std::optional<Int> ParseDecimal(std::string_view text) {
    Int value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end) return std::nullopt;
    return value;
}

// "MATCH=..." of --sure and --percent: the match, 1 to 13, and the text after
// the "=". `form` is what the whole should look like.
std::pair<int, std::string_view> ParseMatchAssignment(std::string_view option, std::string_view text,
                                                      std::string_view form) {
    const auto equals = text.find('=');
    if (equals == std::string_view::npos) {
        throw BadArgument(std::string(option) + " " + Quoted(text) + ": expected " + std::string(form));
    }
    const auto match = ParseDecimal<int>(text.substr(0, equals));
    if (!match || *match < 1 || *match > rc::kMatches) {
        throw BadArgument(std::string(option) + " " + Quoted(text) + ": the match must be 1 to 13");
    }
    return {*match, text.substr(equals + 1)};
}

constexpr int kLargestId = 65535;  // identifiers and codes are 16-bit words

std::optional<int> ParseWithin(std::string_view text, int least, int most) {
    const auto value = ParseDecimal<int>(text);
    if (!value || *value < least || *value > most) return std::nullopt;
    return value;
}

std::optional<int> ParseWord(std::string_view text) { return ParseWithin(text, 0, kLargestId); }

std::optional<int> ParseShare(std::string_view text) { return ParseWithin(text, 0, 100); }

}  // namespace

std::int32_t ParseSeed(std::string_view text) {
    const auto seed = ParseDecimal<std::int32_t>(text);
    if (!seed) {
        throw BadArgument("--seed " + Quoted(text) + ": expected a whole number from -2147483648 to 2147483647");
    }
    return *seed;
}

int ParseRowCount(std::string_view text) {
    const auto count = ParseDecimal<int>(text);
    const bool offered = count && std::any_of(rc::kRowCounts.begin(), rc::kRowCounts.end(),
                                              [&](const rc::RowCount& entry) { return entry.rows == *count; });
    if (!offered) throw BadArgument("--count " + Quoted(text) + ": expected 1 to 24, 36, 48, 60, 72 or 90");
    return *count;
}

int ParseCoverCount(std::string_view option, std::string_view text) {
    const auto count = ParseDecimal<int>(text);
    if (!count || *count < 0 || *count > rc::kMatches) {
        throw BadArgument(std::string(option) + " " + Quoted(text) + ": expected 0 to 13");
    }
    return *count;
}

Method ParseMethod(std::string_view text) {
    if (text == "classic") return Method::Classic;
    if (text == "statistical") return Method::Statistical;
    throw BadArgument("--method " + Quoted(text) + ": expected classic or statistical");
}

Game ParseGame(std::string_view text) {
    if (text == "stryktipset") return Game::Stryktipset;
    if (text == "italienska") return Game::Italienska;
    throw BadArgument("--game " + Quoted(text) + ": expected stryktipset or italienska");
}

SureSign ParseSure(std::string_view text) {
    const auto [match, signText] = ParseMatchAssignment("--sure", text, "MATCH=SIGN, such as 5=X");
    constexpr std::array<std::string_view, 4> kSigns = {"1", "X", "x", "2"};
    constexpr std::array<int, 4> kSignIndex = {0, 1, 1, 2};
    const auto sign = std::find(kSigns.begin(), kSigns.end(), signText);
    if (sign == kSigns.end()) throw BadArgument("--sure " + Quoted(text) + ": the sign must be 1, X or 2");
    return {match, kSignIndex[static_cast<std::size_t>(sign - kSigns.begin())]};
}

void CheckDistinctMatches(const std::vector<SureSign>& sure) {
    for (auto sign = sure.begin(); sign != sure.end(); ++sign) {
        const auto same = [&](const SureSign& other) { return other.match == sign->match; };
        if (std::any_of(sure.begin(), sign, same)) {
            throw BadArgument("--sure: match " + std::to_string(sign->match) + " is given more than once");
        }
    }
}

Event ParseEvent(std::string_view text) {
    const auto colon = text.find(':');
    const bool hasCode = colon != std::string_view::npos;
    const auto id = ParseWord(text.substr(0, colon));
    const auto code = hasCode ? ParseWord(text.substr(colon + 1)) : std::nullopt;
    if (id && !hasCode) return Click{*id};
    if (id && code) return Send{*id, *code};
    throw BadArgument("event " + Quoted(text) + ": expected ID or ID:CODE, each 0 to 65535");
}

MatchPercent ParsePercent(std::string_view text) {
    const auto [match, shares] = ParseMatchAssignment("--percent", text, "MATCH=P1/PX/P2, such as 5=50/30/20");
    // P1/PX/P2: a fourth share or a missing one leaves a part that is no number.
    const auto first = shares.find('/');
    const auto second = first == std::string_view::npos ? first : shares.find('/', first + 1);
    const auto one = ParseShare(shares.substr(0, first));
    const auto cross =
        first == std::string_view::npos ? std::nullopt : ParseShare(shares.substr(first + 1, second - first - 1));
    const auto two = second == std::string_view::npos ? std::nullopt : ParseShare(shares.substr(second + 1));
    if (!one || !cross || !two) {
        throw BadArgument("--percent " + Quoted(text) +
                          ": expected three whole percents from 0 to 100, such as 5=50/30/20");
    }
    if (const int sum = *one + *cross + *two; sum != 100) {
        throw BadArgument("--percent " + Quoted(text) + ": the percents add up to " + std::to_string(sum) +
                          ", not 100");
    }
    return {match, {*one, *cross, *two}};
}

std::uint64_t ParsePrice(std::string_view text) {
    constexpr std::uint64_t kLargestPrice = 1'000'000;
    const auto price = ParseDecimal<std::uint64_t>(text);
    if (!price || *price < 1 || *price > kLargestPrice) {
        throw BadArgument("--price " + Quoted(text) + ": expected whole kronor a row, 1 to 1000000");
    }
    return *price;
}

coupon::Result ParseResult(std::string_view text) {
    auto read = coupon::ReadResult(text);
    if (const auto* error = std::get_if<coupon::ResultError>(&read)) {
        if (!error->noSign.empty()) {
            throw BadArgument("--result " + Quoted(text) + ": " + Quoted(error->noSign) +
                              " is no sign: expected 1, X, 2 or - (not yet decided)");
        }
        throw BadArgument("--result " + Quoted(text) + ": " + std::to_string(error->signs) +
                          " signs: expected 13, one for each match");
    }
    return std::get<coupon::Result>(read);
}

namespace {

// Every option is taken as text, each occurrence kept, and checked by the
// parsers above: so every bad value, and a value given twice, gets a message
// that says what the option accepts.
struct Options {
    std::vector<std::string> count, method, game, half, full, seed, output;
    std::vector<std::string> sure, events;
    std::vector<std::string> percent, price, result;
    std::string input = "-";  // one file at most; a second is an unexpected argument
    bool upload = false, raw = false, state = false, unique = false, json = false;
};

// One value per occurrence, so that "--sure 1=1 2=X" is refused rather than
// read as two signs; every occurrence is kept.
CLI::Option* AddValue(CLI::App& command, const std::string& name, std::vector<std::string>& values,
                      const std::string& type, const std::string& help) {
    return command.add_option(name, values, help)
        ->type_name(type)
        ->expected(1)
        ->allow_extra_args(false)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
}

void AddMethod(CLI::App& command, Options& options) {
    AddValue(command, "--method", options.method, "classic|statistical",
             "classic (the default) or statistical,\ne.g. --method statistical");
}

void AddSure(CLI::App& command, Options& options) {
    AddValue(command, "--sure", options.sure, "M=S",
             "Fix match M (1-13) to sign S (1, X or 2);\nrepeat for more, e.g. --sure 5=X --sure 13=2")
        ->type_name("M=S ...");
}

CLI::Option* AddGame(CLI::App& command, Options& options, const std::string& help) {
    return AddValue(command, "--game", options.game, "stryktipset|italienska", help);
}

// --upload, and the --game it names, which means nothing without it.
void AddUpload(CLI::App& command, Options& options, const std::string& help) {
    auto* upload = command.add_flag("--upload", options.upload, help);
    AddGame(command, options, "The game --upload names (default stryktipset),\ne.g. --game italienska")->needs(upload);
}

void AddSeed(CLI::App& command, Options& options) {
    AddValue(command, "--seed", options.seed, "N",
             "Seed the generator with N (signed 32-bit):\nsame seed, same rows, e.g. --seed 1;\nwithout it, rows of "
             "this run's own");
}

void AddOutput(CLI::App& command, Options& options) {
    auto* output = AddValue(command, "--output", options.output, "FILE",
                            "Save to FILE as SPARA raderna does (- for\nstandard output), e.g. --output rader.txt");
    command.add_flag("--raw", options.raw, "Print the bytes SPARA raderna would save,\ne.g. --raw > rader.txt")
        ->excludes(output);
}

// A command whose help ends in `notes` and an example of its use.
CLI::App& AddCommand(CLI::App& app, const std::string& name, const std::string& summary, const std::string& notes,
                     const std::string& example) {
    auto* command = app.add_subcommand(name, summary);
    command->footer(notes + "\nExample:\n  " + kProgram + " " + example);
    return *command;
}

constexpr const char* kOverview = R"(Random rows for Stryktipset and Italienska Stryktipset, made by the same
Controller as the window, from a freshly opened dialog, click by click; and
for a coupon you have, what it costs, its upload rows and its correct signs.

The text goes to standard output in UTF-8 with LF line breaks. --raw prints
instead the bytes "SPARA raderna" saves (Windows-1252, CRLF, nothing added);
--output FILE saves them to FILE as a shell's > would, except that a regular
file is replaced only once the new text is completely written, keeping its
owner and mode; --output - prints them, and so does any FILE that leads to
where standard output (or error) already goes, which a shell's >> then
appends to. Without --seed every run draws rows of its own. Exit codes: 0
done, 1 a system the choices do not fit, a file not read or not written, or
more rows than an upload file takes, 2 a bad argument or a text that is no
coupon.)";

constexpr const char* kExamples = R"(
Examples:
  stenvik-cli rows --count 10 --seed 1
  stenvik-cli rows --count 5 --upload --game italienska --output rader.txt
  stenvik-cli system --half 3 --full 2 --sure 7=X --method statistical
  stenvik-cli clicks --seed 1 --state 1002 1012 1024 1007
  stenvik-cli instructions --raw > instruktioner.txt
  stenvik-cli rows --count 90 --sure 1=1 --percent 2=50/30/20 --unique
  stenvik-cli system --half 3 --full 2 --upload --output rader.txt
  stenvik-cli info rader.txt
  stenvik-cli check --result 1X2-1X21X21X2 rader.txt)";

void AddRows(CLI::App& app, Options& options) {
    auto& rows = AddCommand(app, "rows", "Single rows: ENKELRADER, your choices, GENERERA rader", "",
                            "rows --count 3 --sure 1=1 --sure 7=X --seed 42");
    AddValue(rows, "--count", options.count, "N", "Rows: 1-24, 36, 48, 60, 72 or 90 (default 1),\ne.g. --count 10");
    AddMethod(rows, options);
    AddSure(rows, options);
    AddUpload(rows, options, "Rows in the format Svenska Spel takes for\nuploading, not the grid, e.g. --upload");
    AddValue(rows, "--percent", options.percent, "M=P1/PX/P2",
             "Draw match M (1-13) with your own percents\nfor 1, X and 2, summing to 100; repeat for\n"
             "more, e.g. --percent 2=50/30/20")
        ->type_name("M=P1/PX/P2 ...");
    rows.add_flag("--unique", options.unique,
                  "No row repeats an earlier one: its matches\nthat are not sure are drawn again, e.g.\n--unique");
    AddSeed(rows, options);
    AddOutput(rows, options);
}

void AddSystem(CLI::App& app, Options& options) {
    auto& system = AddCommand(app, "system", "A system: SYSTEM, your choices, GENERERA rader",
                              "\nIf the sure matches and the covers do not fit the 13 matches, the window's\n"
                              "refusal goes to standard error and the exit code is 1. So does --upload\n"
                              "for more than the 10000 rows an upload file takes.\n",
                              "system --half 2 --full 1 --seed 1");
    AddValue(system, "--half", options.half, "N", "Half covers, 0-13 (default 0), e.g. --half 3");
    AddValue(system, "--full", options.full, "N",
             "Full covers, 0-13 (default 0), at most 13\nwith the half covers, e.g. --full 2");
    AddMethod(system, options);
    AddSure(system, options);
    AddUpload(
        system, options,
        "The system's rows in the format Svenska Spel\ntakes for uploading, as expand writes them,\ne.g. --upload");
    AddSeed(system, options);
    AddOutput(system, options);
}

void AddClicks(CLI::App& app, Options& options) {
    auto& clicks = AddCommand(app, "clicks", "Replay clicks and commands on a freshly opened dialog",
                              "\nControls: 1001 ENKELRADER, 1002 SYSTEM, 1007 GENERERA rader, 1008 SPARA raderna\n"
                              "(the save dialog is cancelled), 1009 Instruktioner, 1039 the rows box,\n"
                              "1068 upload format, 1069 Stryktipset, 1070 Italienska Stryktipset,\n"
                              "1072 klassiskt, 1073 statistiskt; half covers 0-13: 1037, 1003, 1012-1023;\n"
                              "full covers 0-13: 1038, 1024-1036; row counts: 1040-1067, 1071;\n"
                              "sure signs: 1074 + 3 x (match - 1), plus 0, 1 or 2 for 1, X or 2.\n",
                              "clicks --seed 1 1001 1041 1007");
    AddSeed(clicks, options);
    AddOutput(clicks, options);
    clicks
        .add_flag("--state", options.state,
                  "Print the dialog's state as JSON instead of\nthe text (rows box, status, controls,\n"
                  "globals), e.g. --state")
        ->excludes("--raw");
    clicks
        .add_option("EVENT", options.events,
                    "ID: a user's click on control ID (nothing if\nit is hidden or disabled); ID:CODE: the\n"
                    "command (ID, CODE) as is; both 0-65535,\ne.g. 1001 1007 or 1007:1")
        ->type_name("ID[:CODE]")
        ->required();
}

constexpr const char* kCouponNotes = R"(
FILE holds single rows in the coupon grid, a system's grid, or upload rows
(the game's line, then E,1,X,2,...), as Stenvik writes them or edited by
hand: LF or CRLF, Windows-1252 or UTF-8, blanks around the signs, a lower
x. Without FILE, or with -, the text comes from standard input. A text that
is no coupon is exit code 2, with its line and column; a file that cannot
be read, exit code 1.
)";

void AddInput(CLI::App& command, Options& options) {
    command.add_option("FILE", options.input, "The coupon text (- or none: standard input),\ne.g. rader.txt")
        ->type_name("");
}

void AddInfo(CLI::App& app, Options& options) {
    auto& info = AddCommand(app, "info", "What a coupon is: kind, game, rows, price, repeats",
                            std::string(kCouponNotes) +
                                "\nThe price is the rows at 1 kr each, or at --price. An upload file takes at\n"
                                "most 10000 rows.\n",
                            "info --price 2 rader.txt");
    AddInput(info, options);
    AddValue(info, "--price", options.price, "KR", "Whole kronor a row, 1-1000000 (default 1),\ne.g. --price 2");
    info.add_flag("--json", options.json,
                  "One JSON object: kind, game, rows, price,\nrepeated, fits_upload, e.g. --json");
}

void AddExpand(CLI::App& app, Options& options) {
    auto& expand = AddCommand(app, "expand", "A coupon as upload rows for Svenska Spel",
                              std::string(kCouponNotes) +
                                  "\nA system's rows come with match 1 varying slowest, the signs in the order\n"
                                  "1, X, 2. More than 10000 rows do not fit one upload file: exit code 1.\n",
                              "expand --game italienska --output rader.txt system.txt");
    AddInput(expand, options);
    AddGame(expand, options,
            "The game of the first line: the one the text\nnames, else stryktipset, e.g. --game italienska");
    AddOutput(expand, options);
}

void AddCheck(CLI::App& app, Options& options) {
    auto& check = AddCommand(app, "check", "Correct signs of a coupon's rows against the results",
                             std::string(kCouponNotes) +
                                 "\nSingle rows get a line each; then, for rows and systems alike, the rows\n"
                                 "with 13, 12, 11 and 10 correct, the best row, and the undecided matches.\n",
                             "check --result 1X2-1X21X21X2 rader.txt");
    AddInput(check, options);
    AddValue(check, "--result", options.result, "RESULT",
             "The 13 outcomes, 1, X or 2, and - for a match\nnot yet decided; commas and blanks may stand\n"
             "between them, e.g. --result 1X2-1X21X21X2")
        ->required();
    check.add_flag("--json", options.json,
                   "One JSON object: rows (single rows only),\nhits, best, undecided, e.g. --json");
}

// CLI11 appends an option's "Needs:" and "Excludes:" to its name, where they
// read as part of the value it takes and push the help out of its column;
// here they follow the help, on a line of their own.
class Formatter : public CLI::Formatter {
public:
    std::string make_option_opts(const CLI::Option* option) const override {
        auto opts = CLI::Formatter::make_option_opts(option);
        const auto notes = Notes(option, false);
        if (opts.ends_with(notes)) opts.resize(opts.size() - notes.size());
        return opts;
    }

    std::string make_option_desc(const CLI::Option* option) const override {
        const auto notes = Notes(option, true);
        return notes.empty() ? option->get_description() : option->get_description() + "\n" + notes.substr(1);
    }

private:
    // The tail CLI11's make_option_opts ends with, word for word; or, for the
    // help, with the names sorted: CLI11 keeps them in the order of their
    // addresses, which may change from run to run.
    std::string Notes(const CLI::Option* option, bool sorted) const {
        std::string notes;
        const auto add = [&](const std::string& label, const std::set<CLI::Option*>& others) {
            if (others.empty()) return;
            std::vector<std::string> names;
            names.reserve(others.size());
            for (const CLI::Option* other : others) names.push_back(other->get_name());
            if (sorted) std::sort(names.begin(), names.end());
            notes += " " + get_label(label) + ":";
            for (const auto& name : names) notes += " " + name;
        };
        add("Needs", option->get_needs());
        add("Excludes", option->get_excludes());
        return notes;
    }
};

void DescribeCommandLine(CLI::App& app, Options& options) {
    app.formatter(std::make_shared<Formatter>());
    app.description(kOverview);
    app.footer(kExamples);
    app.set_version_flag("-V,--version", app.get_name() + " " + std::string(kVersion), "Print the version and exit");
    app.require_subcommand(1);
    AddRows(app, options);
    AddSystem(app, options);
    AddClicks(app, options);
    AddOutput(AddCommand(app, "instructions", "The help text of Instruktioner, in Swedish", "", "instructions"),
              options);
    AddInfo(app, options);
    AddExpand(app, options);
    AddCheck(app, options);
}

// The value of an option that takes one, if it was given.
std::optional<std::string> Single(const std::vector<std::string>& values, std::string_view name) {
    if (values.size() > 1) throw BadArgument(std::string(name) + " is given more than once");
    if (values.empty()) return std::nullopt;
    return values.front();
}

std::vector<SureSign> SureSigns(const std::vector<std::string>& texts) {
    std::vector<SureSign> sure;
    sure.reserve(texts.size());
    for (const auto& text : texts) sure.push_back(ParseSure(text));
    CheckDistinctMatches(sure);
    return sure;
}

Method MethodOf(const Options& options) {
    const auto method = Single(options.method, "--method");
    return method ? ParseMethod(*method) : Method::Classic;
}

std::optional<Game> GameOf(const Options& options) {
    const auto game = Single(options.game, "--game");
    return game ? std::optional(ParseGame(*game)) : std::nullopt;
}

using Percents = std::array<std::optional<Percent>, rc::kMatches>;

bool IsSure(const std::vector<SureSign>& sure, int match) {
    return std::any_of(sure.begin(), sure.end(), [&](const SureSign& sign) { return sign.match == match; });
}

// A match takes one set of percents, and none once a sure sign fixes it.
Percents PercentsOf(const std::vector<std::string>& texts, const std::vector<SureSign>& sure) {
    Percents percents;
    for (const auto& text : texts) {
        const auto [match, percent] = ParsePercent(text);
        auto& slot = percents[static_cast<std::size_t>(match - 1)];
        const auto number = std::to_string(match);
        if (slot) throw BadArgument("--percent: match " + number + " is given more than once");
        if (IsSure(sure, match))
            throw BadArgument("--percent: match " + number + " also has a sure sign, which leaves nothing to draw");
        slot = percent;
    }
    return percents;
}

// Rows that may not repeat need as many different rows as there are to be:
// each match that is not sure multiplies them by the signs it can be drawn with.
void CheckEnoughDifferentRows(const RowsRequest& request, const Percents& percents) {
    std::int64_t different = 1;
    for (int match = 1; match <= rc::kMatches; ++match) {
        if (!IsSure(request.sure, match)) different *= DrawableSigns(percents[static_cast<std::size_t>(match - 1)]);
    }
    if (different >= request.count) return;
    const bool weighted = std::any_of(percents.begin(), percents.end(), [](const auto& percent) { return percent; });
    throw BadArgument(std::string("--unique: the sure signs") + (weighted ? " and --percent" : "") + " leave " +
                      std::to_string(different) + (different == 1 ? " different row" : " different rows") +
                      ", fewer than --count " + std::to_string(request.count));
}

void PlanRows(const Options& options, Plan& plan) {
    RowsRequest request;
    if (const auto count = Single(options.count, "--count")) request.count = ParseRowCount(*count);
    request.method = MethodOf(options);
    request.sure = SureSigns(options.sure);
    request.upload = options.upload;
    request.game = GameOf(options).value_or(Game::Stryktipset);
    plan.percent = PercentsOf(options.percent, request.sure);
    plan.uniqueRows = options.unique;
    if (plan.uniqueRows) CheckEnoughDifferentRows(request, plan.percent);
    plan.events = UserClicks(request);
}

std::vector<Event> SystemClicks(const Options& options) {
    SystemRequest request;
    if (const auto half = Single(options.half, "--half")) request.half = ParseCoverCount("--half", *half);
    if (const auto full = Single(options.full, "--full")) request.full = ParseCoverCount("--full", *full);
    // The window hides every full-cover box that would make the sum exceed
    // the 13 matches, so no user can ask for it.
    if (request.half + request.full > rc::kMatches) {
        throw BadArgument("--half " + std::to_string(request.half) + " --full " + std::to_string(request.full) +
                          ": half and full covers together can be at most 13");
    }
    request.method = MethodOf(options);
    request.sure = SureSigns(options.sure);
    return UserClicks(request);
}

// A file for --output that cannot be an option taken for its value, as in
// "--output --upload": neither empty nor starting with "-" ("-" itself,
// standard output, is handled before).
std::filesystem::path ParseOutputFile(std::string_view text) {
    if (text.empty())
        throw BadArgument("--output \"\": expected a file name such as ./rader.txt, or - for standard output");
    if (text.starts_with("-")) {
        throw BadArgument("--output " + Quoted(text) + ": looks like an option; for a file of that name write ./" +
                          Shown(text));
    }
    return std::string(text);
}

CouponPlan CouponPlanOf(std::string_view command, const Options& options) {
    CouponPlan plan;
    plan.input = options.input;
    plan.json = options.json;
    if (command == "info") {
        plan.command = CouponCommand::Info;
        if (const auto price = Single(options.price, "--price")) plan.price = ParsePrice(*price);
    } else if (command == "expand") {
        plan.command = CouponCommand::Expand;
        plan.game = GameOf(options);
    } else {
        plan.command = CouponCommand::Check;
        if (const auto result = Single(options.result, "--result")) plan.result = ParseResult(*result);
    }
    return plan;
}

// Without --seed each run draws rows of its own, also runs started in the
// same second or side by side. (The window, one program, seeds once from
// the clock.)
std::int32_t FreshSeed() { return static_cast<std::int32_t>(posix::RandomBits()); }

Plan MakePlan(std::string_view command, const Options& options) {
    Plan plan;
    const auto seed = Single(options.seed, "--seed");
    plan.seed = seed ? ParseSeed(*seed) : FreshSeed();
    plan.raw = options.raw;
    plan.state = options.state;
    if (const auto output = Single(options.output, "--output")) {
        if (*output == "-") {
            plan.raw = true;  // standard output gets what the file would
        } else {
            plan.outputFile = ParseOutputFile(*output);
        }
    }
    if (plan.raw && plan.state) throw BadArgument("--state and --output - would both write to standard output");
    if (command == "rows") {
        PlanRows(options, plan);
    } else if (command == "system") {
        plan.events = SystemClicks(options);
        plan.refusalIsError = true;
        if (options.upload) plan.upload = GameOf(options).value_or(Game::Stryktipset);
    } else if (command == "info" || command == "expand" || command == "check") {
        plan.coupon = CouponPlanOf(command, options);
    } else if (command == "clicks") {
        for (const auto& text : options.events) plan.events.push_back(ParseEvent(text));
    } else {
        plan.events = {Click{rc::kInstructions}};
    }
    return plan;
}

// CLI11 says only that a command is required, also when the user gave one
// it does not know.
std::string MissingCommand(const CLI::App& app) {
    const auto remaining = app.remaining();
    if (remaining.empty()) return "expected a command: rows, system, clicks, instructions, info, expand or check";
    const auto& first = remaining.front();
    return (first.starts_with("-") ? "unknown option " : "unknown command ") + Quoted(first) +
           " (the commands: rows, system, clicks, instructions, info, expand, check)";
}

EarlyExit BadArgumentExit(std::string_view problem) {
    return {kExitBadArgument, "", std::string(kProgram) + ": " + std::string(problem) + "\n"};
}

}  // namespace

std::variant<Plan, EarlyExit> ParseArguments(std::span<const char* const> args) {
    CLI::App app{"", kProgram};
    Options options;
    DescribeCommandLine(app, options);
    // Run bare, the program shows what it does and its commands. That is a
    // mistake all the same, so it goes to standard error, where a script's
    // redirected output cannot catch it, and ends with the one-line reason.
    if (args.size() <= 1) return EarlyExit{kExitBadArgument, "", app.help() + BadArgumentExit(MissingCommand(app)).err};

    try {
        app.parse(static_cast<int>(args.size()), args.data());
        return MakePlan(app.get_subcommands().front()->get_name(), options);
    } catch (const CLI::CallForHelp&) {
        // The app's help hands on to the command's, whose usage line then
        // names the program too.
        return EarlyExit{kExitDone, app.help(), ""};
    } catch (const CLI::CallForVersion& version) {
        return EarlyExit{kExitDone, std::string(version.what()) + "\n", ""};
    } catch (const CLI::RequiredError& error) {
        return BadArgumentExit(app.get_subcommands().empty() ? MissingCommand(app)
                                                             : WithArgumentsShown(error.what(), args));
    } catch (const CLI::ParseError& error) {
        return BadArgumentExit(WithArgumentsShown(error.what(), args));
    } catch (const BadArgument& error) {
        return BadArgumentExit(error.what());
    }
}

namespace {

constexpr std::size_t kShownCharacters = 60;
constexpr std::string_view kEllipsis = "\xE2\x80\xA6";
constexpr std::size_t kUnlimited = std::numeric_limits<std::size_t>::max();

// The length of the character `text` starts with when it is valid UTF-8 and
// no control character, else 0.
std::size_t PrintableLength(std::string_view text) {
    std::size_t length = 0;
    const auto code = DecodeUtf8(text, length);
    const bool control = !code || *code < 0x20 || (*code >= 0x7F && *code <= 0x9F);
    return control ? 0 : length;
}

std::string Escaped(unsigned char byte) {
    switch (byte) {
        case '\n': return "\\n";
        case '\r': return "\\r";
        case '\t': return "\\t";
        default: break;
    }
    constexpr std::string_view kHex = "0123456789abcdef";
    return {'\\', 'x', kHex[byte >> 4U], kHex[byte & 0xFU]};
}

// Shows `text` character by character, `limit` characters at most.
std::string Escape(std::string_view text, std::size_t limit) {
    std::string shown;
    for (std::size_t characters = 0; !text.empty(); ++characters) {
        if (characters == limit) return shown.append(kEllipsis);
        const auto length = PrintableLength(text);
        shown += length > 0 ? std::string(text.substr(0, length)) : Escaped(static_cast<unsigned char>(text[0]));
        text.remove_prefix(std::max<std::size_t>(length, 1));
    }
    return shown;
}

// The texts a parser may quote from the arguments: each whole, and the
// value of an "--option=value", longest first so that the whole wins.
std::vector<std::string_view> QuotableTexts(std::span<const char* const> args) {
    std::vector<std::string_view> texts;
    for (const char* arg : args) {
        const std::string_view text(arg);
        if (text.empty()) continue;
        texts.push_back(text);
        const auto equals = text.find('=');
        if (text.starts_with("-") && equals != std::string_view::npos && equals + 1 < text.size()) {
            texts.push_back(text.substr(equals + 1));
        }
    }
    std::sort(texts.begin(), texts.end(), [](auto a, auto b) { return a.size() > b.size(); });
    return texts;
}

}  // namespace

std::string Shown(std::string_view text) { return Escape(text, kShownCharacters); }

std::string Quoted(std::string_view text) { return "\"" + Shown(text) + "\""; }

std::string WithArgumentsShown(std::string_view message, std::span<const char* const> args) {
    const auto texts = QuotableTexts(args);
    std::string shown;
    while (!message.empty()) {
        const auto quoted =
            std::find_if(texts.begin(), texts.end(), [&](auto text) { return message.starts_with(text); });
        const bool isQuoted = quoted != texts.end();
        const auto length = isQuoted ? quoted->size() : std::max<std::size_t>(PrintableLength(message), 1);
        shown += Escape(message.substr(0, length), isQuoted ? kShownCharacters : kUnlimited);
        message.remove_prefix(length);
    }
    return shown;
}

}  // namespace stenvik::cli
