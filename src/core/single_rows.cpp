// "GENERERA rader": the command frame and the single rows, in the coupon grid
// or in the upload format.

#include <algorithm>

#include "core/controller.h"

namespace stenvik {

namespace {

// Fills `room` with the cells of `count` signs, the cell of signAt(i) for
// each i in turn, up to its end, so that a line is written in one pass.
// What the room cannot take is dropped, as FixedText::Append drops it.
template <typename SignAt, typename CellOf>
void WriteCells(std::span<char> room, std::size_t count, SignAt signAt, CellOf cellOf) {
    auto out = room.begin();
    for (std::size_t i = 0; i < count; ++i) {
        for (const char byte : cellOf(signAt(i))) {
            if (out == room.end()) return;
            *out++ = byte;
        }
    }
}

}  // namespace

void Controller::Generate() {
    _button2.Show();
    coupon::RowsText test;  // each press builds its text from scratch
    bool modeChosen = false;
    bool recount = true;
    if (_leftCheck.IsChecked()) {
        _status.SetString(Cp1252Text{u8"Då går vi vidare till ENKELRADS generering."});
        modeChosen = true;
        RowMatrix matrix{};
        if (_enkel28.IsChecked()) {
            WriteUploadRows(test, DrawSingleRows(matrix, true));
            // The upload branch has always skipped the recount of sure
            // matches; only a system reads it.
            recount = false;
        } else {
            WriteRowsGrid(test, DrawSingleRows(matrix, false));
        }
        _status1.SetString(test.view());
    }
    modeChosen = SystemStep(test, recount) || modeChosen;
    if (!modeChosen) _status.SetString("Kryssa i ett val!!!!");
}

// The upload format draws row by row: all thirteen signs of row 1, then row 2,
// and so on. The grid draws match by match: match 1 of every row, then match 2,
// so the same stream gives other rows in the two formats.
std::span<const Controller::Row> Controller::DrawSingleRows(RowMatrix& matrix, bool rowByRow) {
    // The row-count buttons never ask for more than the matrix holds.
    const std::span rows(matrix.data(), static_cast<std::size_t>(std::clamp(_state.antal_enkelrader, 0, kMaxRows)));
    if (rowByRow) {
        for (auto& row : rows) DrawRow(row);
    } else {
        for (std::size_t match = 0; match < rc::kMatches; ++match) {
            for (auto& row : rows) row[match] = DrawSign(static_cast<int>(match) + 1);
        }
    }
    // Fewer possible rows than asked would never let the redraws end; the
    // command line refuses such a request before the press.
    if (_state.uniqueRows && PossibleRows() >= static_cast<int>(rows.size())) RedrawRepeatedRows(rows);
    return rows;
}

void Controller::DrawRow(Row& row) {
    for (std::size_t match = 0; match < rc::kMatches; ++match) row[match] = DrawSign(static_cast<int>(match) + 1);
}

// Rows 2 to n in order: while a row equals an earlier one, all its matches are
// drawn again from the continuing stream. A row once passed is never drawn
// again, and one seed still gives one text.
void Controller::RedrawRepeatedRows(std::span<Row> rows) {
    for (auto row = rows.begin(); row != rows.end(); ++row) {
        while (std::find(rows.begin(), row, *row) != row) DrawRow(*row);
    }
}

void Controller::WriteUploadRows(coupon::RowsText& test, std::span<const Row> rows) {
    // With neither game box checked the dialog's default game names the file,
    // which keeps it a valid upload.
    test.Assign(_enkel30.IsChecked() ? coupon::kItalienska : coupon::kStryktipset);
    constexpr std::size_t kSignsWidth = rc::kMatches * coupon::UploadSignOf('1').size();
    for (const auto& row : rows) {
        test.Append(coupon::kUploadRowStart);
        WriteCells(
            test.Extend(kSignsWidth), row.size(), [&row](std::size_t match) { return row[match]; },
            coupon::UploadSignOf);
    }
}

void Controller::WriteRowsGrid(coupon::RowsText& test, std::span<const Row> rows) {
    test.Assign(coupon::MatchLabel(1));
    for (int match = 1; match <= rc::kMatches; ++match) {
        if (match > 1) test.Append(coupon::MatchLabel(match));
        const auto column = static_cast<std::size_t>(match - 1);
        WriteCells(
            test.Extend(rows.size() * coupon::SignCellOf('1').size()), rows.size(),
            [rows, column](std::size_t row) { return rows[row][column]; }, coupon::SignCellOf);
        if (coupon::ClosesGroup(match)) {
            test.Append(coupon::kRowsSeparatorStart);
            for (std::size_t row = 0; row < rows.size(); ++row) test.Append(coupon::kRowsSeparatorPerRow);
        }
    }
}

}  // namespace stenvik
