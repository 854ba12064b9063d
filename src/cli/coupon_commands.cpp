// The player's toolkit: each command reads a coupon text.

#include "cli/command_options.h"

namespace stenvik::cli {

namespace {

constexpr const char* kCouponNotes = R"(
FILE holds single rows in the coupon grid, a system's grid, or upload rows
(the game's line, then E,1,X,2,...), as Stenvik writes them or edited by
hand: LF or CRLF, Windows-1252 or UTF-8, blanks around the signs, a lower
x. Without FILE, or with -, the text comes from standard input. A text that
is no coupon is exit code 2, with its line and column; a file that cannot
be read, exit code 1.
)";

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

void AddReduce(CLI::App& app, Options& options) {
    auto& reduce = AddCommand(app, "reduce", "A system reduced to far fewer rows that keep 12 or 11 correct",
                              "\nFILE holds a system's grid, as Stenvik writes it or edited by hand; without\n"
                              "FILE, or with -, the text comes from standard input. The reduced rows come\n"
                              "as expand writes upload rows, and have 12 (or 11) correct whenever every\n"
                              "result is among the system's signs; a run picks rows of its own unless\n"
                              "--seed fixes them. Standard error then tells the rows and their price at\n"
                              "1 kr each, the whole system's, and in how many outcomes a row has 13\n"
                              "correct, with the fewest rows that have 12, 11 and 10 in the others. A\n"
                              "text that is no system, or a system without covers, is exit code 2; more\n"
                              "than the 10000 rows an upload file takes, exit code 1.\n",
                              "reduce --guarantee 11 --output rader.txt system.txt");
    AddInput(reduce, options);
    AddValue(reduce, "--guarantee", options.guarantee, "12|11",
             "The correct signs guaranteed: 12 (the\ndefault) or 11, e.g. --guarantee 11");
    AddGame(reduce, options,
            "The game of the first line: the one the text\nnames, else stryktipset, e.g. --game italienska");
    AddSeed(reduce, options);
    AddOutput(reduce, options);
    reduce
        .add_flag("--json", options.json,
                  "One JSON object in place of the rows and the\nsummary: rows, price, system_rows,\n"
                  "system_price, guarantee, outcomes, with_13,\nfewest and upload, e.g. --json")
        ->excludes("--raw");
}

}  // namespace

void AddCouponCommands(CLI::App& app, Options& options) {
    AddInfo(app, options);
    AddExpand(app, options);
    AddCheck(app, options);
    AddReduce(app, options);
}

}  // namespace stenvik::cli
