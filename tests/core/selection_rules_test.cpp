// The selection rules, clicked through the in-memory dialog as a user would.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/instructions.h"
#include "tests/core/dialog_probe.h"
#include "tests/support/box_texts.h"

namespace stenvik {
namespace {

using namespace testing;
using namespace support;

constexpr int kHalf(int count) { return rc::kHalfCovers[static_cast<std::size_t>(count)]; }
constexpr int kFull(int count) { return rc::kFullCovers[static_cast<std::size_t>(count)]; }

// The visible controls of one row of count controls, by count.
std::vector<int> VisibleCounts(const MemorySession& session, const std::array<int, 14>& ids) {
    std::vector<int> counts;
    for (int count = 0; count < 14; ++count) {
        if (Visible(session, ids[static_cast<std::size_t>(count)])) counts.push_back(count);
    }
    return counts;
}

std::vector<int> UpTo(int last) {
    std::vector<int> counts;
    for (int count = 0; count <= last; ++count) counts.push_back(count);
    return counts;
}

// Everything a user or a script can observe, to prove a command changed nothing.
struct Snapshot {
    std::vector<MemoryDialog::ControlState> controls;
    std::optional<std::string> status;
    std::array<std::int32_t, 7> globals;
    bool operator==(const Snapshot& other) const {
        return status == other.status && globals == other.globals &&
               std::equal(controls.begin(), controls.end(), other.controls.begin(), other.controls.end(),
                          [](const auto& a, const auto& b) {
                              return a.visible == b.visible && a.enabled == b.enabled && a.checked == b.checked &&
                                     a.text == b.text;
                          });
    }
};

Snapshot Take(const MemorySession& session) {
    const auto& s = session.state;
    return {session.dialog.Controls(),
            session.dialog.Status(),
            {s.antal_enkelrader, s.antal_halvgarderingar, s.antal_helgarderingar, s.antalsakra, s.antal_enkeltecken,
             s.sakra, s.ir}};
}

TEST(StartState, OnlyModesMethodsSureSignsRowsBoxAndInstructionsAreUsable) {
    MemorySession session;
    for (const auto& control : session.dialog.Controls()) {
        const int id = control.spec->id;
        const bool hidden = id == rc::kGenerate || id == rc::kSave || id == rc::kCompatible || id == rc::kStryktipset ||
                            id == rc::kItalienska || std::ranges::find(rc::kHalfCovers, id) != rc::kHalfCovers.end() ||
                            std::ranges::find(rc::kFullCovers, id) != rc::kFullCovers.end() ||
                            std::ranges::any_of(rc::kRowCounts, [id](auto entry) { return entry.id == id; });
        EXPECT_EQ(control.visible, !hidden) << id;
        EXPECT_TRUE(control.enabled) << id;
        const bool checked = id == rc::kKlassiskt || id == rc::kStryktipset || id == kHalf(0) || id == kFull(0) ||
                             id == rc::kRowCounts[0].id;
        EXPECT_EQ(control.checked, checked) << id;
    }
    EXPECT_EQ(session.dialog.Find(rc::kRowsBox)->text, Cp1252(u8"Här kommer dina rader visas!"));
    EXPECT_EQ(session.dialog.Focus(), std::nullopt);  // the absent _edit took it away
    EXPECT_EQ(session.dialog.Status(), std::nullopt);
    EXPECT_EQ(session.state.antal_enkelrader, 1);
}

TEST(ModeRules, EnkelraderShowsTheSingleRowControls) {
    MemorySession session;
    session.Click(rc::kEnkelrader);
    EXPECT_TRUE(Checked(session, rc::kEnkelrader));
    EXPECT_EQ(Status(session), "Du har valt : Enkelrader");
    EXPECT_TRUE(Visible(session, rc::kGenerate));
    EXPECT_FALSE(Visible(session, rc::kSave));
    for (const auto entry : rc::kRowCounts) EXPECT_TRUE(Visible(session, entry.id)) << entry.id;
    EXPECT_TRUE(Visible(session, rc::kCompatible));
    EXPECT_FALSE(Visible(session, rc::kStryktipset));  // until the format box is clicked
    EXPECT_EQ(VisibleCounts(session, rc::kHalfCovers), std::vector<int>{});
}

TEST(ModeRules, UncheckingEnkelraderLeavesNoModeButKeepsItsControls) {
    MemorySession session;
    ClickAll(session, {rc::kEnkelrader, rc::kEnkelrader});
    EXPECT_FALSE(Checked(session, rc::kEnkelrader));
    EXPECT_FALSE(Checked(session, rc::kSystem));
    EXPECT_EQ(Status(session), "Du har valt ");
    EXPECT_TRUE(Visible(session, rc::kRowCounts[0].id));
}

TEST(ModeRules, SystemShowsAllCoverControlsWhateverTheCounts) {
    MemorySession session;
    ClickAll(session, {rc::kSystem, kHalf(10), rc::kSystem, rc::kSystem});
    EXPECT_TRUE(Checked(session, rc::kSystem));
    EXPECT_EQ(Status(session), "Du har valt : System");
    EXPECT_EQ(VisibleCounts(session, rc::kHalfCovers), UpTo(13));
    EXPECT_EQ(VisibleCounts(session, rc::kFullCovers), UpTo(13));
    for (const auto entry : rc::kRowCounts) EXPECT_FALSE(Visible(session, entry.id)) << entry.id;
}

TEST(ModeRules, SystemUnchecksEnkelraderAndTheFormatBoxButKeepsTheGameMarks) {
    MemorySession session;
    ClickAll(session, {rc::kEnkelrader, rc::kCompatible, rc::kItalienska, rc::kSystem});
    EXPECT_FALSE(Checked(session, rc::kEnkelrader));
    EXPECT_FALSE(Checked(session, rc::kCompatible));
    EXPECT_FALSE(Visible(session, rc::kCompatible));
    EXPECT_FALSE(Visible(session, rc::kStryktipset));
    EXPECT_FALSE(Visible(session, rc::kItalienska));
    EXPECT_TRUE(Checked(session, rc::kItalienska));

    // Back in single rows the game boxes wait for the format box, marks kept.
    session.Click(rc::kEnkelrader);
    EXPECT_FALSE(Checked(session, rc::kSystem));
    EXPECT_FALSE(Checked(session, rc::kCompatible));
    EXPECT_FALSE(Visible(session, rc::kItalienska));
    session.Click(rc::kCompatible);
    EXPECT_TRUE(Visible(session, rc::kItalienska));
    EXPECT_TRUE(Checked(session, rc::kItalienska));
    EXPECT_FALSE(Checked(session, rc::kStryktipset));
}

TEST(OptionRules, UncheckingTheFormatBoxStillShowsTheGames) {
    MemorySession session;
    ClickAll(session, {rc::kEnkelrader, rc::kCompatible});
    EXPECT_EQ(Status(session), "Svenska spel kompatibilitet.");
    session.Click(rc::kSystem);
    session.Click(rc::kEnkelrader);
    session.Click(rc::kCompatible);  // checks it again; a second click unchecks
    session.Click(rc::kCompatible);
    EXPECT_FALSE(Checked(session, rc::kCompatible));
    EXPECT_TRUE(Visible(session, rc::kStryktipset));
    EXPECT_TRUE(Visible(session, rc::kItalienska));
}

TEST(OptionRules, GameAndMethodBoxesExcludeEachOtherOrLeaveNone) {
    struct Case {
        std::vector<int> clicks;
        std::array<bool, 4> checked;  // klassiskt, statistiskt, Stryktipset, Italienska
        std::string status;
    };
    const int k = rc::kKlassiskt, s = rc::kStatistiskt, st = rc::kStryktipset, it = rc::kItalienska;
    const Case cases[] = {
        {{s}, {false, true, true, false}, "<none>"},
        {{s, s}, {false, false, true, false}, "<none>"},
        {{k}, {false, false, true, false}, "<none>"},
        {{s, k}, {true, false, true, false}, "<none>"},
        {{it}, {true, false, false, true}, "Italienska stryktipset."},
        {{it, st}, {true, false, true, false}, "Stryktipset."},
        {{st}, {true, false, false, false}, "Stryktipset."},
    };
    for (const auto& c : cases) {
        MemorySession session;
        ClickAll(session, {rc::kEnkelrader, rc::kCompatible});
        for (const int id : c.clicks) session.Click(id);
        const std::array<bool, 4> checked = {Checked(session, k), Checked(session, s), Checked(session, st),
                                             Checked(session, it)};
        EXPECT_EQ(checked, c.checked) << c.clicks.size() << " clicks, first " << c.clicks.front();
        if (c.status != "<none>") {
            EXPECT_EQ(Status(session), c.status);
        }
    }
}

TEST(CoverRules, EachHalfCoverCountHidesTheFullCoversBeyondThirteen) {
    for (int half = 0; half <= 13; ++half) {
        MemorySession session;
        ClickAll(session, {rc::kSystem, kHalf(half)});
        EXPECT_EQ(session.state.antal_halvgarderingar, half);
        EXPECT_EQ(VisibleCounts(session, rc::kFullCovers), UpTo(13 - half)) << half;
        EXPECT_EQ(Status(session),
                  std::to_string(half) + (half == 1 ? " halvgardering vald." : " halvgarderingar vald."));
        for (int other = 0; other <= 13; ++other) EXPECT_EQ(Checked(session, kHalf(other)), other == half);
    }
}

TEST(CoverRules, EachFullCoverCountHidesTheHalfCoversAndClearsTheOtherBoxes) {
    for (int full = 0; full <= 13; ++full) {
        MemorySession session;
        ClickAll(session, {rc::kSystem, kFull(full)});
        EXPECT_EQ(session.state.antal_helgarderingar, full);
        EXPECT_EQ(VisibleCounts(session, rc::kHalfCovers), UpTo(13 - full)) << full;
        for (int other = 0; other <= 13; ++other) {
            // "0" starts checked, so clicking it unchecks it.
            EXPECT_EQ(Checked(session, kFull(other)), other == full && full != 0) << other;
        }
        const std::string expected =
            full == 13 ? Cp1252(u8"13 helgarderingar!Hmm... varför använder du detta program?")
                       : std::to_string(full) + (full == 1 ? " helgardering vald." : " helgarderingar vald.");
        EXPECT_EQ(Status(session), expected);
    }
}

TEST(CoverRules, UncheckingAFullCoverKeepsItsCount) {
    MemorySession session;
    ClickAll(session, {rc::kSystem, kFull(5), kFull(5)});
    for (int count = 0; count <= 13; ++count) EXPECT_FALSE(Checked(session, kFull(count))) << count;
    EXPECT_EQ(session.state.antal_helgarderingar, 5);
    EXPECT_EQ(VisibleCounts(session, rc::kHalfCovers), UpTo(8));
}

TEST(CoverRules, AHiddenHalfCoverKeepsItsMarkAndCount) {
    MemorySession session;
    ClickAll(session, {rc::kSystem, kHalf(10), rc::kEnkelrader, rc::kSystem, kFull(5)});
    EXPECT_EQ(VisibleCounts(session, rc::kHalfCovers), UpTo(8));
    EXPECT_TRUE(Checked(session, kHalf(10)));
    EXPECT_EQ(session.state.antal_halvgarderingar, 10);
    EXPECT_EQ(session.state.antal_helgarderingar, 5);
}

TEST(CoverRules, AHiddenFullCoverKeepsItsMarkAndCount) {
    MemorySession session;
    ClickAll(session, {rc::kSystem, kFull(3), rc::kSystem, kHalf(12)});
    EXPECT_FALSE(Visible(session, kFull(3)));
    EXPECT_TRUE(Checked(session, kFull(3)));
    EXPECT_EQ(session.state.antal_helgarderingar, 3);
    EXPECT_EQ(session.state.antal_halvgarderingar, 12);
}

TEST(RadioRules, AClickClearsOnlyTheVisibleRadioButtons) {
    MemorySession session;
    // Both start marks stay: the program's own Select clears nothing.
    EXPECT_TRUE(Checked(session, kHalf(0)));
    EXPECT_TRUE(Checked(session, rc::kRowCounts[0].id));
    ClickAll(session, {rc::kEnkelrader, rc::kRowCounts[4].id});
    EXPECT_TRUE(Checked(session, kHalf(0)));  // hidden: kept
    EXPECT_FALSE(Checked(session, rc::kRowCounts[0].id));
    ClickAll(session, {rc::kSystem, kHalf(2)});
    EXPECT_TRUE(Checked(session, rc::kRowCounts[4].id));  // hidden: kept
    EXPECT_FALSE(Checked(session, kHalf(0)));
}

TEST(RowCountRules, EveryButtonSetsItsOwnCount) {
    for (const auto entry : rc::kRowCounts) {
        MemorySession session;
        ClickAll(session, {rc::kEnkelrader, entry.id});
        EXPECT_EQ(session.state.antal_enkelrader, entry.rows) << entry.id;
        const bool singular = entry.rows == 1 || entry.rows == 15;
        EXPECT_EQ(Status(session), std::to_string(entry.rows) + (singular ? " enkelrad vald." : " enkelrader vald."));
    }
    EXPECT_EQ(dialog::Find(1054)->text, u8"72");
}

TEST(RowCountRules, TheCountOutlivesModeChanges) {
    MemorySession session;
    ClickAll(session, {rc::kEnkelrader, 1071, rc::kSystem, rc::kEnkelrader});
    EXPECT_TRUE(Checked(session, 1071));
    EXPECT_EQ(session.state.antal_enkelrader, 90);
}

TEST(SureSignRules, AtMostOneSignPerMatch) {
    struct Case {
        std::vector<int> signs;  // clicks on match 5, by sign index
        std::array<bool, 3> checked;
    };
    const Case cases[] = {
        {{0}, {true, false, false}},    {{0, 1}, {false, true, false}},  {{1, 2}, {false, false, true}},
        {{2, 0}, {true, false, false}}, {{2, 2}, {false, false, false}},
    };
    for (const auto& c : cases) {
        MemorySession session;
        for (const int sign : c.signs) session.Click(rc::SureBox(5, sign));
        for (int sign = 0; sign < 3; ++sign) {
            EXPECT_EQ(Checked(session, rc::SureBox(5, sign)), c.checked[static_cast<std::size_t>(sign)]);
        }
        EXPECT_EQ(session.dialog.Status(), std::nullopt);
    }
}

TEST(SureSignRules, MatchTwelveNeverTouchesMatchOne) {
    MemorySession session;
    ClickAll(session, {1076, 1107});  // match 1 "2", then match 12 "1"
    EXPECT_TRUE(Checked(session, 1076));
    EXPECT_TRUE(Checked(session, 1107));
    session.Click(1109);  // match 12 "2"
    EXPECT_TRUE(Checked(session, 1076));
    EXPECT_FALSE(Checked(session, 1107));
    session.Click(1075);  // match 1 "X"
    EXPECT_TRUE(Checked(session, 1109));
}

TEST(Instructions, ReplaceTheRowsBoxWithTheHelpText) {
    MemorySession session;
    ClickAll(session, {rc::kEnkelrader, rc::kGenerate, rc::kInstructions, rc::kInstructions});
    const auto lines = Lines(session.Rows());
    ASSERT_EQ(lines.size(), 23u);
    EXPECT_EQ(lines[0], Cp1252(u8"Så har anvander du detta program:"));
    EXPECT_EQ(lines[8], Cp1252(u8"dessa siffror ska jag försöka uppdatera varje vecka,därför "));
    EXPECT_EQ(lines[21], Cp1252(u8"Har du några frågor,synpunkter kan du titta in på: www.stenvik.example"));
    EXPECT_EQ(lines[22], "Lycka till!");
    EXPECT_EQ(session.Rows(), std::string(kInstructions.view()));
    EXPECT_TRUE(Visible(session, rc::kSave));  // instructions hide nothing
}

TEST(Dispatch, CommandsOutsideTheRulesChangeNothing) {
    const std::vector<std::pair<int, int>> commands = {
        {1, 0},    {2, 0},         {1000, 0}, {1004, 0},  {1005, 0}, {1006, 0},
        {1011, 0}, {1039, 0},      {1113, 0}, {65535, 0}, {1001, 1}, {1002, 5},
        {1007, 1}, {1009, 0x0300}, {1074, 2}, {1040, 1},  {1010, 0}, {1010, kEditChanged},
        {1008, 1},
    };
    for (const auto& [id, code] : commands) {
        MemorySession session(1);
        const auto before = Take(session);
        session.Send(id, code);
        EXPECT_TRUE(Take(session) == before) << id << ":" << code;
        EXPECT_EQ(session.saveDialog.runs, 0);
    }
}

TEST(Dispatch, SaveOpensTheSaveDialogOnlyOnAClick) {
    MemorySession session;
    session.Click(rc::kSave);  // hidden until the first generation
    EXPECT_EQ(session.saveDialog.runs, 0);
    ClickAll(session, {rc::kEnkelrader, rc::kGenerate, rc::kSave});
    EXPECT_EQ(session.saveDialog.runs, 1);
}

}  // namespace
}  // namespace stenvik
