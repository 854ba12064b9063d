#include "tests/qt/qt_test_support.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include "qt/rows_text.h"

namespace stenvik::qt::test {

namespace {

std::optional<QString> NextAnswer(std::deque<QString>& answers) {
    if (answers.empty()) return std::nullopt;
    const QString answer = answers.front();
    answers.pop_front();
    if (answer.isNull()) return std::nullopt;
    return answer;
}

}  // namespace

std::optional<QString> RecordingPrompts::AskSaveFileName(QWidget* /*parent*/) {
    ++asked;
    return NextAnswer(answers);
}

std::optional<QString> RecordingPrompts::AskLine(QWidget* /*parent*/, const QString& title, const QString& prompt,
                                                 const QString& typed) {
    linesAsked.push_back({title, prompt});
    linesHeld.push_back(typed);
    return NextAnswer(lines);
}

void RecordingPrompts::Inform(QWidget* /*parent*/, const QString& caption, const QString& text) {
    informed.push_back({caption, text});
}

void RecordingPrompts::Warn(QWidget* /*parent*/, const QString& caption, const QString& text) {
    warnings.push_back({caption, text});
}

Program::Program(int seed, const ControllerFactory& makeController) : session(DialogFont(), prompts, makeController) {
    session.state.Reseed(seed);
    session.reduction.RandomInit(kReductionSeed);
    session.window.show();
    session.window.activateWindow();
    [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&session.window);
}

QAbstractButton* Program::Button(int id) const { return qobject_cast<QAbstractButton*>(session.window.Widget(id)); }

std::string Program::Rows() const { return ToCp1252(session.window.RowsBox()->document()->toRawText()).value(); }

QPoint AimAt(QWidget* window, QAbstractButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    QPoint aim = button->rect().center();
    if (qobject_cast<QCheckBox*>(button) != nullptr) {
        aim = button->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, button).center();
    } else if (qobject_cast<QRadioButton*>(button) != nullptr) {
        aim = button->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, button).center();
    }
    return button->mapTo(window, aim);
}

void Click(QWidget* window, QAbstractButton* button) {
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, AimAt(window, button));
}

void Click(Program& program, int id) { Click(&program.session.window, program.Button(id)); }

}  // namespace stenvik::qt::test
