#include "output.h"

#include <ostream>

#include "codepage.h"
#include "exit_codes.h"
#include "line_breaks.h"
#include "shown_text.h"

namespace stenvik::cli {

std::string TerminalText(std::string_view cp1252) { return Cp1252ToUtf8(CrlfToLf(cp1252)) + "\n"; }

int Deliver(const Plan& plan, const Outcome& outcome, std::ostream& out, std::ostream& err, posix::PosixFiles& files) {
    if (plan.refusalIsError && outcome.refused) {
        err << TerminalText(outcome.rows);
        return kExitFailure;
    }
    if (plan.outputFile) {
        if (const auto error = posix::ReplaceFile(*plan.outputFile, outcome.rows, files)) {
            err << "stenvik-cli: cannot write " << Shown(plan.outputFile->string()) << ": " << error.message() << "\n";
            return kExitFailure;
        }
    }
    if (outcome.stateJson) {
        out << *outcome.stateJson;
    } else if (plan.raw) {
        out << outcome.rows;
    } else if (!plan.outputFile) {
        out << TerminalText(outcome.rows);
    }
    if (!out.flush()) {
        err << "stenvik-cli: cannot write to standard output\n";
        return kExitFailure;
    }
    return kExitDone;
}

}  // namespace stenvik::cli
