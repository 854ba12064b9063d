// Starting without a Controller, and closing.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMetaObject>
#include <new>
#include <stdexcept>

#include "core/rc.h"
#include "tests/qt/qt_test_support.h"

namespace stenvik::qt::test {
namespace {

struct Failure {
    const char* name;
    ControllerFactory makeController;

    friend void PrintTo(const Failure& failure, std::ostream* out) { *out << failure.name; }
};

class FailedStart : public testing::TestWithParam<Failure> {};

TEST_P(FailedStart, IsReportedAndTheWindowStaysOpenIgnoringCommands) {
    Program program(1, GetParam().makeController);
    ASSERT_EQ(program.prompts.warnings.size(), 1u);
    EXPECT_EQ(program.prompts.warnings[0].caption, QStringLiteral("Exception"));
    EXPECT_EQ(program.prompts.warnings[0].text, QStringLiteral("Unknown"));  // as on Windows, whatever was thrown
    EXPECT_FALSE(program.session.HasController());
    EXPECT_TRUE(program.session.window.isVisible());

    // With no Controller nothing reacts: the template's own state remains.
    Click(program, rc::kSystem);
    Click(program, rc::kInstructions);
    EXPECT_TRUE(program.Button(rc::kGenerate)->isVisible());
    EXPECT_EQ(program.session.window.RowsBox()->toPlainText(), QStringLiteral("Här kommer dina rader visas!"));
}

INSTANTIATE_TEST_SUITE_P(
    Throws, FailedStart,
    testing::Values(
        Failure{"Exception",
                [](Platform&, ProgramState&, SaveDialog&) -> std::unique_ptr<Controller> {
                    throw std::runtime_error("Out of memory");
                }},
        Failure{"OutOfMemory",
                [](Platform&, ProgramState&, SaveDialog&) -> std::unique_ptr<Controller> { throw std::bad_alloc(); }},
        Failure{"Other", [](Platform&, ProgramState&, SaveDialog&) -> std::unique_ptr<Controller> { throw 42; }}),
    [](const testing::TestParamInfo<Failure>& failure) { return std::string(failure.param.name); });

TEST(QtClose, EndsTheControllerOnceAndLeavesLateCommandsUnanswered) {
    Program program;
    ASSERT_TRUE(program.session.HasController());
    EXPECT_TRUE(program.session.window.close());
    EXPECT_FALSE(program.session.HasController());
    EXPECT_FALSE(program.session.window.isVisible());

    // A notification after the close, such as the rows box losing its focus
    // on Windows, must find no Controller rather than a deleted one.
    program.session.window.RowsBox()->insertPlainText(QStringLiteral("x"));
    EXPECT_TRUE(program.session.window.close());
    EXPECT_TRUE(program.prompts.warnings.empty());
}

TEST(QtClose, EndsTheProgramWithExitCodeZero) {
    Program program;
    QMetaObject::invokeMethod(&program.session.window, "close", Qt::QueuedConnection);  // once the loop runs
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(program.session.HasController());
}

}  // namespace
}  // namespace stenvik::qt::test
