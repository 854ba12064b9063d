#pragma once
// The one object behind the dialog: a wrapper for every control the logic
// touches, the dialog's start state, and the dispatch of every command.

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "core/controls.h"
#include "core/coupon_text.h"
#include "core/program_state.h"
#include "core/rc.h"
#include "core/save_dialog.h"

namespace stenvik {

// The distinct single rows a press can draw, `sure` telling by match (from
// match 1) which a sure sign fixes: a sure match allows one, any other match
// its drawable signs. At most 3^13, so an int holds it.
int PossibleRows(const std::array<bool, rc::kMatches>& sure,
                 const std::array<std::optional<Percent>, rc::kMatches>& percent);

class Controller {
public:
    // Puts the dialog into its start state. Icons are the front end's.
    Controller(Platform& dialog, ProgramState& state, SaveDialog& saveDialog);

    void Command(int controlID, int command);

private:
    // Selection rules.
    void SingleRowModeClicked();
    void SystemModeClicked();
    void CompatibleClicked();
    void GameClicked(CheckBox& other, std::string_view status);
    void HalfCoversClicked(int count);
    void FullCoversClicked(int count);
    void RowCountClicked(int rows);
    void SureSignClicked(int match, int signIndex);
    void EditChanged(int command);

    // Generation. A press's single rows are drawn first, then written.
    using Row = std::array<char, rc::kMatches>;
    static constexpr int kMaxRows = std::ranges::max(rc::kRowCounts, {}, &rc::RowCount::rows).rows;
    using RowMatrix = std::array<Row, kMaxRows>;

    void Generate();
    std::span<const Row> DrawSingleRows(RowMatrix& matrix, bool rowByRow);
    void DrawRow(Row& row);
    void RedrawRepeatedRows(std::span<Row> rows);
    void WriteUploadRows(coupon::RowsText& test, std::span<const Row> rows);
    void WriteRowsGrid(coupon::RowsText& test, std::span<const Row> rows);
    bool SystemStep(coupon::RowsText& test, bool recount);
    void WriteSystemGrid(coupon::RowsText& test);
    std::string_view DrawSystemCell(int match, int& enkeltecken, int& halvgarderingar, int& helgarderingar);
    std::optional<char> SureSign(int match) const;
    char DrawSign(int match);
    char StatisticalSign();
    char ClassicSign();
    char PercentSign(const Percent& percent);
    int CountSureMatches() const;
    int PossibleRows() const;

    CheckBox& SureBox(int match, int signIndex) {
        return _sure[static_cast<std::size_t>(rc::SureBox(match, signIndex) - rc::kFirstSure)];
    }
    const CheckBox& SureBox(int match, int signIndex) const {
        return _sure[static_cast<std::size_t>(rc::SureBox(match, signIndex) - rc::kFirstSure)];
    }

    ProgramState& _state;
    SaveDialog& _saveDialog;

    Edit _edit;                                                   // 1010, absent from the dialog
    Button _clear;                                                // 1011, absent; made disabled
    Edit _status;                                                 // 1000, absent: the status texts go nowhere visible
    Edit _status1;                                                // the rows box
    CheckBox _leftCheck;                                          // "ENKELRADER"
    CheckBox _rightCheck;                                         // "SYSTEM"
    std::array<RadioButton, rc::kHalfCovers.size()> _halfCovers;  // by count, 0 to 13
    std::array<RadioButton, rc::kRowCounts.size()> _rowCounts;
    CheckBox _enkel28;                                         // upload format
    CheckBox _enkel29;                                         // "Stryktipset"
    CheckBox _enkel30;                                         // "Italienska Stryktipset"
    Button _button1;                                           // "GENERERA rader"
    Button _button2;                                           // "SPARA raderna"
    Button _button3;                                           // "Instruktioner"
    std::array<CheckBox, rc::kFullCovers.size()> _fullCovers;  // by count, 0 to 13
    CheckBox _klassiskt;
    CheckBox _statistiskt;
    std::array<CheckBox, rc::kSureBoxes> _sure;  // match by match, signs 1, X, 2
};

}  // namespace stenvik
