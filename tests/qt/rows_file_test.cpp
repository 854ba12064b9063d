// Saving the rows box: the bytes the Windows program writes, and never a
// lost or half-written file.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <future>

#include "core/rc.h"
#include "qt/rows_file.h"
#include "qt/rows_text.h"
#include "qt/user_prompts.h"
#include "tests/qt/qt_test_support.h"

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

// What the save dialog did with one typed name: the questions it asked about
// replacing a file, and the file it returned (none if it stayed open).
struct SaveDialogAnswer {
    QStringList questions;
    std::optional<QString> chosen;
};

// Types `name` into the save dialog, opened in `folder`, and presses Enter;
// any question about replacing a file gets `reply`.
SaveDialogAnswer TypeIntoSaveDialog(const QString& folder, const QString& name, QMessageBox::StandardButton reply) {
    const auto dialog = MakeSaveFileDialog(nullptr);
    dialog->setDirectory(folder);
    dialog->open();
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (edit == nullptr) return {{QStringLiteral("<not Qt's own dialog>")}, std::nullopt};
    QTest::keyClicks(edit, name);

    SaveDialogAnswer answer;
    // The question is a modal box of its own, shown from within Enter's handling.
    QTimer replier;
    QObject::connect(&replier, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) return;
        answer.questions << box->text();
        box->button(reply)->click();
    });
    replier.start(5);
    QTest::keyClick(edit, Qt::Key_Return);
    replier.stop();
    if (dialog->result() == QDialog::Accepted) answer.chosen = dialog->selectedFiles().value(0);
    dialog->close();
    return answer;
}

TEST(SaveFileDialog, AddsTxtFirstAndAsksAboutExactlyTheFileItWillReplace) {
    const QTemporaryDir folder;
    Write(folder.filePath(QStringLiteral("rader.txt")), "old rows");
    const auto path = [&](const char* name) { return std::optional(folder.filePath(QString::fromLatin1(name))); };
    const QString question = QStringLiteral("rader.txt finns redan.\nVill du ersätta den?");
    // Refused inside the dialog, which stays open, as the Windows one does.
    const QString noFolder = folder.filePath(QStringLiteral("saknas")) +
                             QStringLiteral("\nMappen finns inte.\nKontrollera att mappens namn är rätt.");
    struct Case {
        const char* typed;
        QMessageBox::StandardButton reply;
        QStringList questions;
        std::optional<QString> chosen;
    };
    const std::vector<Case> cases = {
        {"rader", QMessageBox::No, {question}, std::nullopt},
        {"rader", QMessageBox::Yes, {question}, path("rader.txt")},
        {"rader.txt", QMessageBox::Yes, {question}, path("rader.txt")},
        {"ny", QMessageBox::Yes, {}, path("ny.txt")},
        {"ny.csv", QMessageBox::Yes, {}, path("ny.csv")},
        {"ny.", QMessageBox::Yes, {}, path("ny.")},
        {"saknas/rader", QMessageBox::Ok, {noFolder}, std::nullopt},
    };
    for (const auto& [typed, reply, questions, chosen] : cases) {
        SCOPED_TRACE(typed);
        const auto answer = TypeIntoSaveDialog(folder.path(), QString::fromLatin1(typed), reply);
        EXPECT_EQ(answer.questions, questions);
        EXPECT_EQ(answer.chosen, chosen);
    }
    EXPECT_EQ(Contents(folder.filePath(QStringLiteral("rader.txt"))), "old rows");
}

TEST(SaveFileDialog, IsQtsOwnEvenWhereTheDesktopOffersOne) {
    EXPECT_TRUE(MakeSaveFileDialog(nullptr)->testOption(QFileDialog::DontUseNativeDialog));
}

// Writes past RLIMIT_FSIZE fail as they fail on a full disk; the save itself
// keeps the signal that would end the process from ending it.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &_old);
        const rlimit limit{bytes, _old.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &_old); }

private:
    rlimit _old{};
};

TEST(RowsFile, AFullDiskIsAFailureAndTheOldFileStays) {
    const QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("rader.txt"));
    const QString rows(6016, QLatin1Char('1'));
    for (const rlim_t room : {0, 1, 4096}) {
        SCOPED_TRACE(room);
        Write(target, "old rows");
        bool saved = true;
        {
            const FileSizeLimit full(room);
            saved = SaveRowsFile(target, rows);
        }
        EXPECT_FALSE(saved);
        EXPECT_EQ(Contents(target), "old rows");
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  QStringList{QStringLiteral("rader.txt")});
    }
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

// A window writes no pipe or device, nor waits for one. The save runs beside
// the test, which fails one that waits and lets a reader in to release it.
TEST(RowsFile, WhatIsNoRegularFileIsRefusedAtOnce) {
    const QTemporaryDir folder;
    const QByteArray fifo = QFile::encodeName(folder.filePath(QStringLiteral("rader.fifo")));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    for (const QByteArray& target : {fifo, QByteArray("/dev/null")}) {
        SCOPED_TRACE(target.toStdString());
        auto saving = std::async(std::launch::async,
                                 [&] { return SaveRowsFile(QFile::decodeName(target), QStringLiteral("1 X 2")); });
        if (saving.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
            ADD_FAILURE() << "the save waits";
            const int reader = ::open(fifo.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
            saving.wait();
            ::close(reader);
        }
        EXPECT_FALSE(saving.get());
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("rader.fifo")});
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
    Save(Path("kupong.txt"));
    EXPECT_EQ(program.prompts.asked, 1);
    EXPECT_TRUE(program.prompts.warnings.empty());
    const std::string saved = Contents(Path("kupong.txt"));
    EXPECT_EQ(saved, program.Rows());
    EXPECT_EQ(saved.size(), 274u);
    EXPECT_EQ(saved.substr(0, 13), " Match 1:   X");
    EXPECT_EQ(saved.substr(13, 2), " \r");
}

// The dialog asked about the name it returned; another file of a similar name
// was never part of the question and stays as it was.
TEST_F(SaveCommand, WritesExactlyTheFileTheDialogConfirmed) {
    Write(Path("rader.txt"), "old rows");
    Save(Path("rader"));
    EXPECT_TRUE(program.prompts.warnings.empty());
    EXPECT_EQ(Contents(Path("rader")), program.Rows());
    EXPECT_EQ(Contents(Path("rader.txt")), "old rows");
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
