// The dialog table is what all three windows are built from: its counts,
// identifiers and rectangles are checked against the documented dialog.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "core/dialog_manager.h"
#include "core/dialog_table.h"

namespace stenvik {
namespace {

using dialog::Kind;

TEST(DialogTable, HasTheDocumentedNumberOfEachKind) {
    std::map<Kind, int> counts;
    for (const auto& control : dialog::kControls) ++counts[control.kind];
    EXPECT_EQ(counts[Kind::GroupBox], 6);
    EXPECT_EQ(counts[Kind::CheckBox], 60);
    EXPECT_EQ(counts[Kind::RadioButton], 43);
    EXPECT_EQ(counts[Kind::Label], 13);
    EXPECT_EQ(counts[Kind::Edit], 1);
    EXPECT_EQ(counts[Kind::PushButton], 3);
}

TEST(DialogTable, IdentifiersAreUniqueAndOnlyFramesAndLabelsHaveNone) {
    std::set<int> ids;
    for (const auto& control : dialog::kControls) {
        const bool unnamed = control.kind == Kind::GroupBox || control.kind == Kind::Label;
        EXPECT_EQ(control.id == rc::kNoId, unnamed) << control.id;
        if (!unnamed) {
            EXPECT_TRUE(ids.insert(control.id).second) << control.id;
        }
    }
    EXPECT_EQ(ids.size(), 107u);
    for (const int absent : {1000, 1004, 1005, 1006, 1010, 1011}) EXPECT_EQ(dialog::Find(absent), nullptr);
}

TEST(DialogTable, ControlsSitWhereTheDialogPutsThem) {
    struct Case {
        int id;
        std::u8string_view text;
        dialog::Rect rect;
    };
    const Case cases[] = {
        {1009, u8"Instruktioner", {7, 5, 60, 15}},
        {1002, u8"SYSTEM", {77, 10, 40, 12}},
        {1001, u8"ENKELRADER", {120, 10, 55, 12}},
        {1073, u8"statistiskt", {120, 32, 55, 12}},
        {1068, u8"Kompatibel rad för svenska spel? KLICKA HÄR!", {7, 47, 161, 12}},
        {1070, u8"Italienska Stryktipset", {7, 71, 81, 12}},
        {1037, u8"0", {187, 15, 21, 12}},
        {1021, u8"11", {409, 15, 21, 12}},
        {1036, u8"13", {453, 51, 21, 12}},
        {1041, u8"2", {28, 94, 15, 12}},
        {1055, u8"15", {49, 154, 21, 12}},
        {1054, u8"72", {7, 229, 21, 12}},
        {1071, u8"90", {28, 229, 24, 12}},
        {1074, u8"1", {115, 90, 15, 12}},
        {1108, u8"X", {135, 215, 15, 12}},
        {1112, u8"2", {155, 225, 15, 12}},
        {1039, u8"Här kommer dina rader visas!", {185, 73, 300, 200}},
        {1007, u8"GENERERA rader", {15, 250, 60, 15}},
        {1008, u8"SPARA raderna", {95, 250, 60, 15}},
    };
    for (const auto& c : cases) {
        const auto* control = dialog::Find(c.id);
        ASSERT_NE(control, nullptr) << c.id;
        EXPECT_TRUE(control->text == c.text) << c.id;
        EXPECT_EQ(std::tie(control->rect.x, control->rect.y, control->rect.cx, control->rect.cy),
                  std::tie(c.rect.x, c.rect.y, c.rect.cx, c.rect.cy))
            << c.id;
    }
}

TEST(DialogTable, EveryControlLiesInsideTheDialog) {
    for (const auto& control : dialog::kControls) {
        EXPECT_GE(control.rect.x, 0);
        EXPECT_GE(control.rect.y, 0);
        EXPECT_LE(control.rect.x + control.rect.cx, dialog::kFrame.rect.cx) << control.id;
        EXPECT_LE(control.rect.y + control.rect.cy, dialog::kFrame.rect.cy) << control.id;
    }
}

TEST(DialogTable, TheIdentifierListsAgreeWithTheTexts) {
    for (std::size_t count = 0; count < 14; ++count) {
        const auto expected = std::to_string(count);
        for (const int id : {rc::kHalfCovers[count], rc::kFullCovers[count]}) {
            const auto* control = dialog::Find(id);
            ASSERT_NE(control, nullptr);
            EXPECT_EQ(std::string(control->text.begin(), control->text.end()), expected) << id;
        }
        EXPECT_EQ(dialog::Find(rc::kHalfCovers[count])->kind, Kind::RadioButton);
        EXPECT_EQ(dialog::Find(rc::kFullCovers[count])->kind, Kind::CheckBox);
    }
    for (const auto entry : rc::kRowCounts) {
        const auto* control = dialog::Find(entry.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->kind, Kind::RadioButton);
        EXPECT_EQ(std::string(control->text.begin(), control->text.end()), std::to_string(entry.rows));
    }
    constexpr std::array<int, 13> rowY = {90, 100, 110, 125, 135, 145, 160, 170, 180, 195, 205, 215, 225};
    for (int match = 1; match <= 13; ++match) {
        for (int sign = 0; sign < 3; ++sign) {
            const auto* box = dialog::Find(rc::SureBox(match, sign));
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->rect.x, 115 + 20 * sign);
            EXPECT_EQ(box->rect.y, rowY[static_cast<std::size_t>(match - 1)]);
            EXPECT_TRUE(box->text == std::u8string_view(sign == 0 ? u8"1" : sign == 1 ? u8"X" : u8"2"));
        }
    }
}

TEST(DialogTable, AllRadioButtonsShareTheFirstGroupAndOnlyTheBoxAndButtonsTakeTab) {
    const auto firstLabel = std::find_if(dialog::kControls.begin(), dialog::kControls.end(),
                                         [](const auto& control) { return control.kind == Kind::Label; });
    const auto lastRadio = std::find_if(dialog::kControls.rbegin(), dialog::kControls.rend(),
                                        [](const auto& control) { return control.kind == Kind::RadioButton; });
    EXPECT_LT(lastRadio.base() - 1, firstLabel);
    EXPECT_EQ((firstLabel - 1)->id, 1112);  // the group ends at the last sure box
    for (std::size_t i = 0; i < dialog::kControls.size(); ++i) {
        const bool beforeLabels = dialog::kControls.begin() + static_cast<std::ptrdiff_t>(i) < firstLabel;
        EXPECT_EQ(dialog::kGroups[i] == 0, beforeLabels) << i;
    }
    int tabStops = 0;
    for (const auto& control : dialog::kControls) {
        tabStops += (dialog::StyleOf(control.kind) & dialog::style::kTabStop) != 0;
    }
    EXPECT_EQ(tabStops, 4);
    EXPECT_EQ(dialog::StyleOf(Kind::GroupBox), 0x50000007u);
    EXPECT_EQ(dialog::StyleOf(Kind::CheckBox), 0x50000003u);
    EXPECT_EQ(dialog::StyleOf(Kind::RadioButton), 0x50000009u);
    EXPECT_EQ(dialog::StyleOf(Kind::PushButton), 0x50010000u);
}

TEST(DialogTable, TheTemplateOrderEndsWithTheRowsBoxAndTheButtons) {
    const auto& c = dialog::kControls;
    EXPECT_EQ(c[c.size() - 4].id, 1039);
    EXPECT_EQ(c[c.size() - 3].id, 1007);
    EXPECT_EQ(c[c.size() - 2].id, 1008);
    EXPECT_EQ(c[c.size() - 1].id, 1009);
    EXPECT_TRUE(c[0].text == u8"Välj:");
    EXPECT_EQ(c[1].id, 1002);  // "SYSTEM" stands left of "ENKELRADER"
}

TEST(DialogTable, TheCaptionNamesTheHomePage) {
    EXPECT_EQ(dialog::CaptionUtf8(),
              "Stenvik V2.02             F\xC3\xB6r uppdateringar/fr\xC3\xA5gor bes\xC3\xB6k: www.stenvik.example ");
    EXPECT_EQ(dialog::kFrame.style, 0x10CA0044u);
}

}  // namespace
}  // namespace stenvik
