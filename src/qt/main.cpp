// stenvik: the Stenvik dialog on Linux. Takes --help, --version and Qt's own
// arguments, and keeps nothing between runs.

#include <QApplication>
#include <cstdio>
#include <optional>
#include <span>

#include "qt/command_line.h"
#include "qt/dialog_font.h"
#include "qt/session.h"
#include "qt/startup_messages.h"
#include "qt/swedish.h"
#include "qt/user_prompts.h"

namespace {

int Print(const std::string& text, std::FILE* stream, int status) {
    std::fputs(text.c_str(), stream);
    return std::fflush(stream) == 0 ? status : 1;
}

std::span<const char* const> Arguments(int argc, char* argv[]) {
    return {argv + 1, static_cast<std::size_t>(argc > 0 ? argc - 1 : 0)};
}

}  // namespace

int main(int argc, char* argv[]) {
    using namespace stenvik::qt;
    switch (AskedBeforeStart(Arguments(argc, argv))) {
        case EarlyAnswer::Help: return Print(HelpText(), stdout, 0);
        case EarlyAnswer::Version: return Print(VersionText(), stdout, 0);
        case EarlyAnswer::None: break;
    }

    std::optional<StartupMessages> startup(std::in_place);
    QApplication app(argc, argv);  // takes Qt's own arguments out of argv
    startup.reset();
    if (const auto complaint = LeftOver(Arguments(argc, argv))) return Print(*complaint, stderr, 2);
    QApplication::setApplicationName(QStringLiteral("stenvik"));
    QApplication::setDesktopFileName(QStringLiteral("stenvik"));
    SpeakSwedish(app);

    UserPrompts prompts;
    QtSession session(DialogFont(), prompts);
    session.window.show();
    return QApplication::exec();
}
