// "GENERERA rader" and "Instruktioner" in the real window. The signs are
// random (the program seeds from the clock), so the tests read the text
// back and check its structure, its lengths, the sure signs and the covers,
// and that "Ångra" takes each replacement back.

#include <algorithm>
#include <map>
#include <vector>

#include "core/rc.h"
#include "tests/support/box_texts.h"
#include "tests/support/own_replacements.h"
#include "tests/win32/e2e/stenvik_test.h"

namespace stenvik::win32::tests {
namespace {

using namespace support;

TEST_F(StenvikTest, SingleRowsAsAGrid) {
    program.Click(rc::kEnkelrader);
    program.Click(rc::kRowCounts[2].id);  // 3 rows
    program.Click(rc::SureBox(7, 1));     // match 7 is surely X
    program.Click(rc::kGenerate);

    EXPECT_TRUE(program.IsVisible(rc::kSave));
    const auto text = program.Rows();
    EXPECT_EQ(text.size(), 223u + 51u * 3);
    const auto grid = ReadGrid(text);
    ASSERT_TRUE(grid) << text;
    EXPECT_EQ(grid->hyphens, 17u + 4 * 3);
    const auto rows = GridRows(text);
    ASSERT_TRUE(rows) << text;
    ASSERT_EQ(rows->size(), 3u);
    for (const auto& row : *rows) EXPECT_EQ(row[6], 'X') << row;
}

TEST_F(StenvikTest, SeventyTwoRowsFromTheButtonWithTheOddIdentifier) {
    program.Click(rc::kEnkelrader);
    program.Click(1054);
    program.Click(rc::kGenerate);
    EXPECT_EQ(program.Rows().size(), 223u + 51u * 72);
}

TEST_F(StenvikTest, SingleRowsInTheUploadFormat) {
    program.Click(rc::kEnkelrader);
    program.Click(rc::kRowCounts[1].id);  // 2 rows
    program.Click(rc::kCompatible);
    program.Click(rc::SureBox(13, 2));  // match 13 is surely 2
    for (const int gameBox : {rc::kStryktipset, rc::kItalienska}) {
        if (!program.IsChecked(gameBox)) program.Click(gameBox);
        program.Click(rc::kGenerate);
        const auto upload = ReadUpload(program.Rows());
        ASSERT_TRUE(upload) << program.Rows();
        EXPECT_EQ(upload->game, program.Text(gameBox));
        ASSERT_EQ(upload->rows.size(), 2u);
        for (const auto& row : upload->rows) EXPECT_EQ(row.back(), '2') << row;
    }
}

// The kind of each system cell, by its exact text.
const std::map<std::string, std::string> kCellKinds = {
    {" 1 ", "single"}, {" X ", "single"},  {" 2 ", "single"},  {"   X ", "single"}, {"    2 ", "single"},
    {" 1X ", "half"},  {"   X2 ", "half"}, {" 1  2 ", "half"}, {" 1X2 ", "full"},
};

TEST_F(StenvikTest, ASystemHasItsCoversAndSureSigns) {
    program.Click(rc::kSystem);
    program.Click(rc::kHalfCovers[2]);
    program.Click(rc::kFullCovers[1]);
    program.Click(rc::SureBox(13, 2));
    for (const bool statistical : {false, true}) {
        if (statistical) program.Click(rc::kStatistiskt);
        program.Click(rc::kGenerate);
        const auto grid = ReadGrid(program.Rows());
        ASSERT_TRUE(grid) << program.Rows();
        EXPECT_EQ(grid->hyphens, 23u);
        std::map<std::string, int> kinds;
        for (std::size_t match = 1; match <= grid->cells.size(); ++match) {
            const auto& cell = grid->cells[match - 1];
            ASSERT_TRUE(kCellKinds.contains(cell)) << "match " << match << ": '" << cell << "'";
            ++kinds[kCellKinds.at(cell)];
            // Only the classic method indents its single X and 2.
            if (statistical) {
                EXPECT_TRUE(cell != "   X " && cell != "    2 ") << "match " << match;
            }
        }
        EXPECT_EQ(grid->cells.back(), " 2 ");
        EXPECT_EQ(kinds["half"], 2);
        EXPECT_EQ(kinds["full"], 1);
        EXPECT_EQ(kinds["single"], 10);
    }
}

TEST_F(StenvikTest, RefusesASystemThatDoesNotFit) {
    program.Click(rc::kSystem);
    program.Click(rc::kHalfCovers[7]);
    program.Click(rc::kFullCovers[6]);
    program.Click(rc::SureBox(1, 0));
    program.Click(rc::kGenerate);
    EXPECT_EQ(program.Rows(), "Du har valt för många sakra matcher för ditt önskade system!");
}

TEST_F(StenvikTest, InstructionsReplaceTheRows) {
    program.Click(rc::kEnkelrader);
    program.Click(rc::kGenerate);
    program.Click(rc::kInstructions);
    const auto text = program.Rows();
    const auto lines = Lines(text);
    ASSERT_EQ(lines.size(), 23u);
    EXPECT_EQ(lines.front(), "Så har anvander du detta program:");
    EXPECT_EQ(lines[8], "dessa siffror ska jag försöka uppdatera varje vecka,därför ");
    EXPECT_EQ(lines.back(), "Lycka till!");
    program.Click(rc::kInstructions);
    EXPECT_EQ(program.Rows(), text);
}

// "Ångra" brings back what the player had before each of the program's own
// replacements; the new text is shown from its start, as it always was.
TEST_F(StenvikTest, UndoBringsBackTheTextBeforeEachReplacement) {
    const HWND box = program.Control(rc::kRowsBox);
    for (const auto& c : support::kOwnReplacements) {
        SCOPED_TRACE(c.what);
        program.SetRows("egen rad");
        ::SendMessageA(box, EM_SETSEL, 8, 8);
        program.PostKey(box, '2');
        program.Flush();
        ASSERT_EQ(program.Rows(), "egen rad2");
        for (const int id : c.clicks) program.Click(id);
        EXPECT_GT(program.Rows().size(), 30u);
        EXPECT_EQ(::SendMessageA(box, EM_GETSEL, 0, 0), 0);
        EXPECT_EQ(::SendMessageA(box, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
        ::SendMessageA(box, WM_UNDO, 0, 0);
        EXPECT_EQ(program.Rows(), "egen rad2");
    }
}

}  // namespace
}  // namespace stenvik::win32::tests
