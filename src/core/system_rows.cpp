// The system step of "GENERERA rader": one coupon whose matches carry a single
// sign, a half cover or a full cover, in the counts the user chose.

#include "core/controller.h"

namespace stenvik {

bool Controller::SystemStep(coupon::RowsText& test, bool recount) {
    if (recount) _state.antalsakra = CountSureMatches();
    if (!_rightCheck.IsChecked()) return false;

    _status.SetString(Cp1252Text{u8"Då går vi vidare till SYSTEM generering."});
    _state.antal_enkeltecken =
        rc::kMatches - _state.antal_halvgarderingar - _state.antal_helgarderingar - _state.antalsakra;
    _state.sakra = _state.antal_enkeltecken;
    if (_state.SystemRefused()) {
        test.Assign(coupon::kRefusal);  // no draw at all
    } else {
        WriteSystemGrid(test);
    }
    _status1.SetString(test.view());
    return true;
}

void Controller::WriteSystemGrid(coupon::RowsText& test) {
    int enkeltecken = 0;
    int halvgarderingar = 0;
    int helgarderingar = 0;
    test.Assign(coupon::MatchLabel(1));
    for (int match = 1; match <= rc::kMatches; ++match) {
        if (match > 1) {
            if (coupon::ClosesGroup(match - 1)) test.Append(coupon::kSystemSeparator);
            test.Append(coupon::MatchLabel(match));
        }
        test.Append(DrawSystemCell(match, enkeltecken, halvgarderingar, helgarderingar));
    }
}

// One value of 1..15 picks a kind (single sign 1-6, half cover 7-13, full
// cover 14-15) and, by the classic method, the cell; a value whose kind has
// no quota left is thrown away and drawn again. The quotas add up to the
// matches without a sure sign, so every match finds one with quota left.
std::string_view Controller::DrawSystemCell(int match, int& enkeltecken, int& halvgarderingar, int& helgarderingar) {
    for (;;) {
        if (const auto sure = SureSign(match)) return coupon::SignCell(*sure);
        const int ir = _state.ir = _state.rg.IRandom(1, 15);
        if (enkeltecken < _state.antal_enkeltecken && ir <= 6) {
            ++enkeltecken;
            if (_statistiskt.IsChecked()) return coupon::SignCell(StatisticalSign());
            if (ir <= 3) return coupon::kClassicOne;
            if (ir == 4) return coupon::kClassicCross;
            return coupon::kClassicTwo;
        }
        if (halvgarderingar < _state.antal_halvgarderingar && ir >= 7 && ir <= 13) {
            ++halvgarderingar;
            if (ir <= 9) return coupon::kHalfOneCross;
            if (ir <= 11) return coupon::kHalfCrossTwo;
            return coupon::kHalfOneTwo;
        }
        if (helgarderingar < _state.antal_helgarderingar && ir >= 14) {
            ++helgarderingar;
            return coupon::kFullCover;
        }
    }
}

}  // namespace stenvik
