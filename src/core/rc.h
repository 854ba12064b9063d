#pragma once
// Resource identifiers: the dialog, its icons and its controls.

#include <array>
#include <stdexcept>

namespace stenvik::rc {

inline constexpr int kDialog = 200;
inline constexpr int kIconLarge = 300;
inline constexpr int kIconSmall = 301;

// Group boxes and labels carry 0xFFFF, "no identifier".
inline constexpr int kNoId = -1;

// Wrapped by the Controller, though the dialog has no such control: writes
// to them change nothing on screen.
inline constexpr int kStatus = 1000;
inline constexpr int kEdit = 1010;
inline constexpr int kClear = 1011;

inline constexpr int kEnkelrader = 1001;  // mode: single rows
inline constexpr int kSystem = 1002;      // mode: a system
inline constexpr int kGenerate = 1007;    // "GENERERA rader"
inline constexpr int kSave = 1008;        // "SPARA raderna"
inline constexpr int kInstructions = 1009;
inline constexpr int kRowsBox = 1039;
inline constexpr int kCompatible = 1068;  // rows in the upload format
inline constexpr int kStryktipset = 1069;
inline constexpr int kItalienska = 1070;
inline constexpr int kKlassiskt = 1072;
inline constexpr int kStatistiskt = 1073;

inline constexpr int kMatches = 13;
inline constexpr int kSigns = 3;

// Indexed by the count each control stands for, 0 to 13.
inline constexpr std::array<int, kMatches + 1> kHalfCovers = {1037, 1003, 1012, 1013, 1014, 1015, 1016,
                                                              1017, 1018, 1019, 1020, 1021, 1022, 1023};
inline constexpr std::array<int, kMatches + 1> kFullCovers = {1038, 1024, 1025, 1026, 1027, 1028, 1029,
                                                              1030, 1031, 1032, 1033, 1034, 1035, 1036};

// The single-row counts, in the Controller's field order. The identifiers
// are not in the order of the counts: 1054 is 72 rows, 1055 is 15.
struct RowCount {
    int id;
    int rows;
};
inline constexpr auto kRowCounts = std::to_array<RowCount>({
    {1040, 1},  {1041, 2},  {1042, 3},  {1043, 4},  {1044, 5},  {1045, 6},  {1046, 7},  {1047, 8},
    {1048, 9},  {1049, 10}, {1050, 11}, {1051, 12}, {1052, 13}, {1053, 14}, {1054, 72}, {1055, 15},
    {1056, 16}, {1057, 17}, {1058, 18}, {1059, 19}, {1060, 20}, {1061, 21}, {1062, 22}, {1063, 23},
    {1064, 24}, {1065, 36}, {1066, 48}, {1067, 60}, {1071, 90},
});

// The radio button for this many single rows; no such button is an error
// (a compile error where the count is a constant).
constexpr int RowCountId(int rows) {
    for (const auto& entry : kRowCounts) {
        if (entry.rows == rows) return entry.id;
    }
    throw std::invalid_argument("no row-count button for this many rows");
}

// Three sure-sign boxes per match, in the order 1, X, 2.
inline constexpr int kSureBoxes = kMatches * kSigns;
inline constexpr int kFirstSure = 1074;
constexpr int SureBox(int match, int signIndex) { return kFirstSure + kSigns * (match - 1) + signIndex; }
inline constexpr int kLastSure = SureBox(kMatches, kSigns - 1);
static_assert(kLastSure == 1112);

// Controller::Command handles these identifiers; all others do nothing.
inline constexpr int kFirstCommand = 1001;
inline constexpr int kLastCommand = kLastSure;

// The rows box's context menu. The front ends handle these themselves by
// calling the toolkit, so they lie outside the Controller's range.
namespace menu {
inline constexpr int kUndo = 2001;
inline constexpr int kCut = 2002;
inline constexpr int kCopy = 2003;
inline constexpr int kPaste = 2004;
inline constexpr int kDelete = 2005;
inline constexpr int kSelectAll = 2006;
inline constexpr int kCountAndCost = 2011;
inline constexpr int kToUploadRows = 2012;
inline constexpr int kCheckResult = 2013;
inline constexpr int kReduce = 2014;  // the submenu of the two guarantees
inline constexpr int kReduceTo12 = 2015;
inline constexpr int kReduceTo11 = 2016;
}  // namespace menu
static_assert(menu::kUndo > kLastCommand);

}  // namespace stenvik::rc
