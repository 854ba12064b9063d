#include "cli/commands.h"

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "cli/command_options.h"
#include "cli/version.h"

namespace stenvik::cli {

namespace {

constexpr const char* kOverview = R"(Draws your rows for Stryktipset and Italienska Stryktipset, single rows or
a system, just as the Stenvik window does; and for a coupon you have, tells
what it costs, writes its rows for uploading to Svenska Spel, reduces a
system to far fewer rows that still guarantee 12 or 11 correct, and counts
its correct signs once the results are in. The window's own Controller makes
the rows, from a freshly opened dialog, click by click.

The text goes to standard output in UTF-8 with LF line breaks. --raw prints
instead the bytes "SPARA raderna" saves (Windows-1252, CRLF, nothing added);
--output FILE saves them to FILE as a shell's > would, except that a regular
file is replaced only once the new text is completely written, keeping its
owner and mode; --output - prints them, and so does any FILE that leads to
where standard output (or error) already goes, which a shell's >> then
appends to. Without --seed every run draws rows of its own. Exit codes: 0
done, 1 a system the choices do not fit, a file not read or not written, or
more rows than an upload file takes, 2 a bad argument, a text that is no
coupon, or no system to reduce.)";

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
  stenvik-cli check --result 1X2-1X21X21X2 rader.txt
  stenvik-cli system --half 3 --full 4 --reduce 12 --output rader.txt)";

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

}  // namespace

void DescribeCommandLine(CLI::App& app, Options& options) {
    app.formatter(std::make_shared<Formatter>());
    app.description(kOverview);
    app.footer(kExamples);
    app.set_version_flag("-V,--version", app.get_name() + " " + std::string(kVersion), "Print the version and exit");
    app.require_subcommand(1);
    AddDialogCommands(app, options);
    AddCouponCommands(app, options);
}

}  // namespace stenvik::cli
