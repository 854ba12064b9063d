// "GENERERA rader" and "Instruktioner" in the real window. The signs are
// random (the program seeds from the clock), so the tests read the text
// back and check its structure, its lengths, the sure signs and the covers.

#include <algorithm>
#include <map>

#include "coupon_parse.h"
#include "rc.h"
#include "stenvik_test.h"

namespace stenvik::win32::tests {
namespace {

TEST_F(StenvikTest, SingleRowsAsAGrid) {
    program.Click(rc::kEnkelrader);
    program.Click(rc::kRowCounts[2].id);  // 3 rows
    program.Click(rc::SureBox(7, 1));     // match 7 is surely X
    program.Click(rc::kGenerate);

    EXPECT_TRUE(program.IsVisible(rc::kSave));
    const auto text = program.Rows();
    EXPECT_EQ(text.size(), 223u + 51u * 3);
    const auto matches = GridLines(text, 17 + 4 * 3);
    ASSERT_EQ(matches.size(), 13u) << text;
    for (const auto& [match, cells] : matches) {
        const auto signs = SingleRowSigns(cells);
        ASSERT_EQ(signs.size(), 3u) << "match " << match << ": '" << cells << "'";
        if (match == 7) {
            EXPECT_EQ(signs, "XXX");
        }
    }
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
        const auto lines = Lines(program.Rows());
        ASSERT_EQ(lines.size(), 3u) << program.Rows();
        EXPECT_EQ(lines[0], program.Text(gameBox));
        for (std::size_t row = 1; row < lines.size(); ++row) {
            const auto& line = lines[row];
            ASSERT_EQ(line.size(), 27u) << line;
            EXPECT_EQ(line[0], 'E');
            for (std::size_t i = 1; i < line.size(); i += 2) {
                EXPECT_EQ(line[i], ',');
                EXPECT_NE(std::string_view("1X2").find(line[i + 1]), std::string_view::npos) << line;
            }
            EXPECT_EQ(line.back(), '2');
        }
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
        const auto matches = GridLines(program.Rows(), 23);
        ASSERT_EQ(matches.size(), 13u) << program.Rows();
        std::map<std::string, int> kinds;
        for (const auto& [match, cell] : matches) {
            ASSERT_TRUE(kCellKinds.contains(cell)) << "match " << match << ": '" << cell << "'";
            ++kinds[kCellKinds.at(cell)];
            // Only the classic method indents its single X and 2.
            if (statistical) {
                EXPECT_TRUE(cell != "   X " && cell != "    2 ") << "match " << match;
            }
        }
        EXPECT_EQ(matches.back().cells, " 2 ");
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

}  // namespace
}  // namespace stenvik::win32::tests
