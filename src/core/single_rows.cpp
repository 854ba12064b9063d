// "GENERERA rader": the command frame and the single rows, in the coupon grid
// or in the upload format.

#include "controller.h"

namespace stenvik {

void Controller::Generate() {
    _button2.Show();
    coupon::RowsText test;  // each press builds its text from scratch
    bool modeChosen = false;
    bool recount = true;
    if (_leftCheck.IsChecked()) {
        _status.SetString(Cp1252Text{u8"Då går vi vidare till ENKELRADS generering."});
        modeChosen = true;
        if (_enkel28.IsChecked()) {
            WriteUploadRows(test);
            // The upload branch has always skipped the recount of sure
            // matches; only a system reads it.
            recount = false;
        } else {
            WriteRowsGrid(test);
        }
        _status1.SetString(test.view());
    }
    modeChosen = SystemStep(test, recount) || modeChosen;
    if (!modeChosen) _status.SetString("Kryssa i ett val!!!!");
}

// Row by row: all thirteen signs of row 1, then row 2, and so on.
void Controller::WriteUploadRows(coupon::RowsText& test) {
    // With neither game box checked the dialog's default game names the file,
    // which keeps it a valid upload.
    test.Assign(_enkel30.IsChecked() ? coupon::kItalienska : coupon::kStryktipset);
    for (int row = 1; row <= _state.antal_enkelrader; ++row) {
        test.Append(coupon::kUploadRowStart);
        for (int match = 1; match <= rc::kMatches; ++match) test.Append(coupon::UploadSign(DrawSign(match)));
    }
}

// Match by match: match 1 of every row, then match 2, so the same stream gives
// other rows than the upload format.
void Controller::WriteRowsGrid(coupon::RowsText& test) {
    test.Assign(coupon::MatchLabel(1));
    for (int match = 1; match <= rc::kMatches; ++match) {
        if (match > 1) test.Append(coupon::MatchLabel(match));
        for (int row = 1; row <= _state.antal_enkelrader; ++row) test.Append(coupon::SignCell(DrawSign(match)));
        if (coupon::ClosesGroup(match)) {
            test.Append(coupon::kRowsSeparatorStart);
            for (int row = 1; row <= _state.antal_enkelrader; ++row) test.Append(coupon::kRowsSeparatorPerRow);
        }
    }
}

}  // namespace stenvik
