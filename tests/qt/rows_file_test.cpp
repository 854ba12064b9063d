// Saving the rows box: the bytes the Windows program writes, and never a
// lost or half-written file.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "qt_test_support.h"
#include "rc.h"
#include "rows_file.h"
#include "rows_text.h"

namespace stenvik::qt::test {
namespace {

std::string Contents(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return "<missing>";
    return file.readAll().toStdString();
}

void Write(const QString& fileName, const std::string& bytes) {
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

struct Conversion {
    QString boxText;  // as QTextDocument::toRawText gives it
    std::optional<std::string> cp1252;
    int length;
};

TEST(RowsText, ConvertsTheBoxToWindowsBytes) {
    const QChar paragraph = QChar::ParagraphSeparator;
    const QChar line = QChar::LineSeparator;
    const std::vector<Conversion> cases = {
        {QStringLiteral("abc"), "abc", 3},
        {QString(), "", 0},
        {QStringLiteral("a") + paragraph + QStringLiteral("b"), "a\r\nb", 4},
        {QStringLiteral("a") + line + QStringLiteral("b"), "a\r\nb", 4},
        {QStringLiteral("a\nb"), "a\r\nb", 4},
        {QStringLiteral("Här €"), "H\xE4r \x80", 5},
        {QStringLiteral("\u00A0"), "\xA0", 1},  // a no-break space stays one
        {QStringLiteral("Ω"), std::nullopt, 1},
        {QString::fromUtf8("\xF0\x9F\x98\x80"), std::nullopt, 1},  // one character, two UTF-16 units
    };
    for (const auto& conversion : cases) {
        SCOPED_TRACE(conversion.boxText.toStdString());
        EXPECT_EQ(ToCp1252(conversion.boxText), conversion.cp1252);
        EXPECT_EQ(Cp1252Length(conversion.boxText), conversion.length);
    }
    EXPECT_EQ(FromCp1252("a\r\nH\xE4r\x80"), QStringLiteral("a\nHär€"));
}

TEST(RowsFile, AddsTxtOnlyToANameWithoutExtension) {
    const std::vector<std::pair<QString, QString>> names = {
        {"rader", "rader.txt"},     {"rader.txt", "rader.txt"},
        {"rader.csv", "rader.csv"}, {"/tmp/v.1/rader", "/tmp/v.1/rader.txt"},
        {"rader.", "rader."},
    };
    for (const auto& [typed, saved] : names) EXPECT_EQ(WithDefaultSuffix(typed), saved) << typed.toStdString();
}

TEST(RowsFile, WritesExactlyTheBytesOrLeavesTheOldFile) {
    const QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("rader.txt"));
    EXPECT_TRUE(SaveRowsFile(target, QStringLiteral("abc")));
    EXPECT_EQ(Contents(target), "abc");
    EXPECT_TRUE(SaveRowsFile(target, QStringLiteral("1\nX") + QChar::ParagraphSeparator + QStringLiteral("å")));
    EXPECT_EQ(Contents(target), "1\r\nX\r\n\xE5");

    for (const QString& unsaveable : {QString(), QStringLiteral("Ω")}) {
        EXPECT_FALSE(SaveRowsFile(target, unsaveable));
        EXPECT_EQ(Contents(target), "1\r\nX\r\n\xE5");
    }
    EXPECT_FALSE(SaveRowsFile(folder.filePath(QStringLiteral("no-such-folder/rader.txt")), QStringLiteral("abc")));
}

class SaveCommand : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        Click(program, rc::kEnkelrader);
        Click(program, rc::kGenerate);
    }
    void Save(const QString& answer) {
        program.prompts.answers.push_back(answer);
        Click(program, rc::kSave);
    }
    QString Path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }

    QTemporaryDir folder;
    Program program{1};
};

TEST_F(SaveCommand, SavesTheRowsAsWindowsTextUnderTheChosenName) {
    Save(Path("kupong"));
    EXPECT_EQ(program.prompts.asked, 1);
    EXPECT_TRUE(program.prompts.warnings.empty());
    const std::string saved = Contents(Path("kupong.txt"));
    EXPECT_EQ(saved, program.Rows());
    EXPECT_EQ(saved.size(), 274u);
    EXPECT_EQ(saved.substr(0, 13), " Match 1:   X");
    EXPECT_EQ(saved.substr(13, 2), " \r");
}

TEST_F(SaveCommand, SavesTheTextAsTheUserEditedIt) {
    Click(program, rc::kInstructions);
    QPlainTextEdit* rows = program.session.window.RowsBox();
    rows->setFocus();
    rows->selectAll();
    QTest::keyClicks(rows, QStringLiteral("1 X 2"));
    QTest::keyClick(rows, Qt::Key_Return);
    QTest::keyClick(rows, Qt::Key_S);
    QTest::sendKeyEvent(QTest::Click, rows, Qt::Key_Adiaeresis, QStringLiteral("ä"), Qt::NoModifier);
    QTest::keyClicks(rows, QStringLiteral("ker"));
    Save(Path("egen.txt"));
    EXPECT_EQ(Contents(Path("egen.txt")), "1 X 2\r\ns\xE4ker");
}

TEST_F(SaveCommand, ACancelWritesNothingAndSaysNothing) {
    Save(QString());  // cancel
    EXPECT_EQ(program.prompts.asked, 1);
    EXPECT_TRUE(program.prompts.warnings.empty());
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

// An empty box or a character Windows-1252 lacks: the user is told, and the
// file they chose keeps what it had.
class FailedSave : public SaveCommand, public testing::WithParamInterface<QString> {};

TEST_P(FailedSave, IsReportedAndLeavesTheOldFileIntact) {
    Write(Path("gammal.txt"), "old rows");
    program.session.window.RowsBox()->setPlainText(GetParam());
    Save(Path("gammal.txt"));
    ASSERT_EQ(program.prompts.warnings.size(), 1u);
    EXPECT_EQ(program.prompts.warnings[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(program.prompts.warnings[0].text, QStringLiteral("Save file failed."));
    EXPECT_EQ(Contents(Path("gammal.txt")), "old rows");
}

INSTANTIATE_TEST_SUITE_P(EmptyOrUnencodable, FailedSave, testing::Values(QString(), QStringLiteral("1 X 2 \u2713")),
                         [](const testing::TestParamInfo<QString>& text) {
                             return std::string(text.param.isEmpty() ? "Empty" : "Unencodable");
                         });

}  // namespace
}  // namespace stenvik::qt::test
