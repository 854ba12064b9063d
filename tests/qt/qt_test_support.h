#pragma once
// A Stenvik window as a user meets it, and the user's hands: clicks at the
// place of a control, through the window as the platform delivers them.

#include <QAbstractButton>
#include <QPlainTextEdit>
#include <QString>
#include <cstdint>
#include <deque>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "qt/dialog_font.h"
#include "qt/session.h"
#include "qt/user_prompts.h"

// GoogleTest shows a QString as text rather than as UTF-16 units.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace stenvik::qt::test {

struct Warning {
    QString caption;
    QString text;
};

// Answers the file dialog and the line dialog from queues (a null QString
// cancels, as does an empty queue) and records what it was asked and told.
class RecordingPrompts final : public UserPrompts {
public:
    std::optional<QString> AskSaveFileName(QWidget* parent) override;
    std::optional<QString> AskLine(QWidget* parent, const QString& title, const QString& prompt,
                                   const QString& typed) override;
    void Warn(QWidget* parent, const QString& caption, const QString& text) override;
    void Inform(QWidget* parent, const QString& caption, const QString& text) override;

    std::deque<QString> answers;
    int asked = 0;
    std::deque<QString> lines;
    std::vector<Warning> linesAsked;  // title and prompt of each
    std::vector<QString> linesHeld;   // the text each line dialog opened with
    std::vector<Warning> warnings;
    std::vector<Warning> informed;
};

// Program seeds the reductions' generator apart from the press's, so that a
// window that lent a reduction the press's own would show other rows.
inline constexpr std::int32_t kReductionSeed = 7;

// A freshly started program, its window shown and active.
struct Program {
    explicit Program(int seed = 1, const ControllerFactory& makeController = QtSession::DefaultController);

    QAbstractButton* Button(int id) const;
    // The rows box's text as the core would read it: Windows-1252, "\r\n".
    std::string Rows() const;

    RecordingPrompts prompts;
    QtSession session;
};

// A left click where a user would aim: the indicator of a check box or radio
// button, the middle of a push button. The window picks the widget under
// that point, so a hidden control is missed as it would be on screen.
void Click(QWidget* window, QAbstractButton* button);
// That place, in the window's coordinates.
QPoint AimAt(QWidget* window, QAbstractButton* button);
void Click(Program& program, int id);

}  // namespace stenvik::qt::test
