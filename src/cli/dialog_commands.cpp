// The commands that replay a user's clicks on a freshly opened dialog.

#include "cli/command_options.h"

namespace stenvik::cli {

namespace {

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
                              "for more than the 10000 rows an upload file takes, and --reduce for more\n"
                              "reduced rows; a system without covers has nothing to reduce: exit code 2.\n"
                              "With --seed, --reduce picks the same rows each time.\n",
                              "system --half 2 --full 1 --seed 1");
    AddValue(system, "--half", options.half, "N", "Half covers, 0-13 (default 0), e.g. --half 3");
    AddValue(system, "--full", options.full, "N",
             "Full covers, 0-13 (default 0), at most 13\nwith the half covers, e.g. --full 2");
    AddMethod(system, options);
    AddSure(system, options);
    auto* upload = system.add_flag(
        "--upload", options.upload,
        "The system's rows in the format Svenska Spel\ntakes for uploading, as expand writes them,\ne.g. --upload");
    AddValue(system, "--reduce", options.reduce, "12|11",
             "The system reduced to upload rows that keep\n12 or 11 correct, as reduce makes them, its\n"
             "summary on standard error, e.g. --reduce 12")
        ->excludes(upload);
    AddGame(system, options, "The game --upload or --reduce names (default\nstryktipset), e.g. --game italienska");
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
    // Listed apart in the help: a player never needs it.
    clicks.group("Commands for scripts");
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

}  // namespace

void AddDialogCommands(CLI::App& app, Options& options) {
    AddRows(app, options);
    AddSystem(app, options);
    AddClicks(app, options);
    AddOutput(AddCommand(app, "instructions", "The help text of Instruktioner, in Swedish", "", "instructions"),
              options);
}

}  // namespace stenvik::cli
