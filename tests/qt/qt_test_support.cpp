#include "qt_test_support.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include "rows_text.h"

namespace stenvik::qt::test {

std::optional<QString> RecordingPrompts::AskSaveFileName(QWidget* /*parent*/) {
    ++asked;
    if (answers.empty()) return std::nullopt;
    const QString answer = answers.front();
    answers.pop_front();
    if (answer.isNull()) return std::nullopt;
    return answer;
}

void RecordingPrompts::Warn(QWidget* /*parent*/, const QString& caption, const QString& text) {
    warnings.push_back({caption, text});
}

Program::Program(int seed, const ControllerFactory& makeController) : session(DialogFont(), prompts, makeController) {
    session.state.Reseed(seed);
    session.window.show();
    session.window.activateWindow();
    [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&session.window);
}

QAbstractButton* Program::Button(int id) const { return qobject_cast<QAbstractButton*>(session.window.Widget(id)); }

std::string Program::Rows() const { return ToCp1252(session.window.RowsBox()->document()->toRawText()).value(); }

void Click(QWidget* window, QAbstractButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    QPoint aim = button->rect().center();
    if (qobject_cast<QCheckBox*>(button) != nullptr) {
        aim = button->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, button).center();
    } else if (qobject_cast<QRadioButton*>(button) != nullptr) {
        aim = button->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, button).center();
    }
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, button->mapTo(window, aim));
}

void Click(Program& program, int id) { Click(&program.session.window, program.Button(id)); }

}  // namespace stenvik::qt::test
