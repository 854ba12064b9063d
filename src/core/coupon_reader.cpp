// Reading a coupon back from any text Stenvik writes, also after a player's
// editor has been at it. The reader is liberal wherever no meaning is lost
// and stops at the first place that is not a coupon, naming what belongs
// there, as a compiler does.

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/codepage.h"
#include "core/coupon.h"
#include "core/coupon_text.h"

namespace stenvik::coupon {

std::string ReadError::Message() const {
    return "line " + std::to_string(line) + ", column " + std::to_string(column) + ": expected " + expected;
}

namespace {

constexpr std::string_view kFirstLine = "the game's name or Match 1:";
constexpr std::string_view kSign = "1, X or 2";
constexpr std::string_view kSystemOrder = "each sign once, in the order 1, X, 2";
constexpr std::string_view kUploadSigns = "13 signs";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kItalienskaFirstWord = kItalienska.substr(0, kItalienska.find(' '));

// A separator of this many hyphens stands in a system; 17 + 4 per row in a
// grid of single rows. Derived from what the writer appends, so the two never
// drift apart.
constexpr std::size_t kSystemHyphens = kSystemSeparator.size() - 3;
constexpr std::size_t kRowsHyphensStart = kRowsSeparatorStart.size() - 3;
constexpr std::size_t kRowsHyphensPerRow = kRowsSeparatorPerRow.size();
static_assert(kSystemHyphens == 23 && kRowsHyphensStart == 17 && kRowsHyphensPerRow == 4);

// Thrown at the first place the text stops being a coupon and caught by
// ReadCoupon, so it never leaves this file.
struct Stop {
    ReadError error;
};

constexpr bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// What no editor shows as text: the C0 controls but the tab, and DEL. A
// carriage return outside a line break is one of them.
constexpr bool IsControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte < 0x20 && c != '\t') || byte == 0x7F;
}

constexpr char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

constexpr std::optional<char> SignOf(char c) {
    switch (c) {
        case '1': return '1';
        case 'X':
        case 'x': return 'X';
        case '2': return '2';
        default: return std::nullopt;
    }
}

bool IsUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        if (!DecodeUtf8(text, pos)) return false;
    }
    return true;
}

std::string Label(int match) { return "Match " + std::to_string(match) + ":"; }

std::string Signs(std::size_t count) { return std::to_string(count) + (count == 1 ? " sign" : " signs"); }

// A place in one line of the text. Columns count characters: a UTF-8
// sequence is one when the whole text is UTF-8, every byte otherwise.
class Cursor {
public:
    Cursor(std::string_view line, int number, bool utf8) : _line(line), _number(number), _utf8(utf8) {}

    bool AtEnd() const { return _pos == _line.size(); }
    // The end of the line reads as a NUL, which nothing asks for.
    char Peek() const { return AtEnd() ? '\0' : _line[_pos]; }
    std::size_t Offset() const { return _pos; }
    void Advance() { ++_pos; }
    void SkipBlanks() {
        while (IsBlank(Peek())) Advance();
    }
    bool IsBlankLine() const {
        return std::all_of(_line.begin() + static_cast<std::ptrdiff_t>(_pos), _line.end(), IsBlank);
    }

    // Moves past `word` if the line goes on with it, in any case.
    bool Take(std::string_view word) {
        const auto rest = _line.substr(_pos);
        if (rest.size() < word.size()) return false;
        if (!std::equal(word.begin(), word.end(), rest.begin(), [](char a, char b) { return Lower(a) == Lower(b); })) {
            return false;
        }
        _pos += word.size();
        return true;
    }

    // A character that is not text is named as such, whatever was expected.
    [[noreturn]] void Fail(std::string_view expected) const {
        const auto before = _line.substr(0, _pos);
        const auto characters =
            _utf8 ? std::count_if(before.begin(), before.end(),
                                  [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; })
                  : static_cast<std::ptrdiff_t>(before.size());
        throw Stop{ReadError{.line = _number,
                             .column = static_cast<int>(characters) + 1,
                             .expected = std::string(!AtEnd() && IsControl(Peek()) ? "text" : expected)}};
    }

private:
    std::string_view _line;
    std::size_t _pos = 0;
    int _number;
    bool _utf8;
};

// One match line of a grid: where each sign stands, and the line's end for
// what is missing there.
struct Cell {
    std::vector<Cursor> signs;
    std::optional<Cursor> end;
};

bool Adjacent(const Cursor& left, const Cursor& right) { return right.Offset() == left.Offset() + 1; }

// A grid holds a system or this many single rows.
struct Shape {
    Kind kind;
    std::size_t rows = 0;
};

std::optional<Shape> ShapeOf(std::size_t hyphens) {
    if (hyphens == kSystemHyphens) return Shape{.kind = Kind::System};
    if (hyphens > kRowsHyphensStart && (hyphens - kRowsHyphensStart) % kRowsHyphensPerRow == 0) {
        return Shape{.kind = Kind::Grid, .rows = (hyphens - kRowsHyphensStart) / kRowsHyphensPerRow};
    }
    return std::nullopt;
}

// Without separators: k blank-separated signs on every line are k rows, and
// anything else is a system.
Shape ShapeOf(const std::array<Cell, rc::kMatches>& cells) {
    const auto rows = cells.front().signs.size();
    for (const auto& cell : cells) {
        const auto& signs = cell.signs;
        if (signs.size() != rows || std::adjacent_find(signs.begin(), signs.end(), Adjacent) != signs.end()) {
            return {.kind = Kind::System};
        }
    }
    return {.kind = Kind::Grid, .rows = rows};
}

void Check(const Cell& cell, const Shape& shape) {
    const auto& signs = cell.signs;
    if (shape.kind == Kind::System) {
        SignSet seen = 0;
        for (const auto& sign : signs) {
            // The sets' bits rise in the order 1, X, 2.
            const auto set = SetOf(*SignOf(sign.Peek()));
            if (set <= seen) sign.Fail(kSystemOrder);
            seen |= set;
        }
        return;
    }
    for (std::size_t i = 0; i < signs.size(); ++i) {
        if (i == shape.rows) signs[i].Fail(Signs(shape.rows));
        if (i > 0 && Adjacent(signs[i - 1], signs[i])) signs[i].Fail("a blank");
    }
    if (signs.size() < shape.rows) cell.end->Fail(Signs(shape.rows));
}

class Reader {
public:
    explicit Reader(std::string_view text) {
        if (text.starts_with(kUtf8Bom)) text.remove_prefix(kUtf8Bom.size());
        _utf8 = IsUtf8(text);
        for (std::size_t start = 0;;) {
            const auto end = text.find('\n', start);
            auto line = text.substr(start, end - start);
            if (end != std::string_view::npos && line.ends_with('\r')) line.remove_suffix(1);
            _lines.push_back(line);
            if (end == std::string_view::npos) break;
            start = end + 1;
        }
    }

    Coupon Read() {
        auto first = NextContent();
        if (!first) throw Stop{ReadError{.line = 1, .column = 1, .expected = std::string(kFirstLine)}};
        first->SkipBlanks();
        if (auto probe = *first; probe.Take("match")) return ReadGrid(*first);
        return ReadUpload(*first);
    }

private:
    Cursor LineAt(std::size_t index) const { return {_lines[index], static_cast<int>(index) + 1, _utf8}; }

    // The next line with more than blanks, at its start.
    std::optional<Cursor> NextContent() {
        for (; _next < _lines.size(); ++_next) {
            const auto line = LineAt(_next);
            if (!line.IsBlankLine()) {
                ++_next;
                return line;
            }
        }
        return std::nullopt;
    }

    Cursor End() const {
        auto end = LineAt(_lines.size() - 1);
        while (!end.AtEnd()) end.Advance();
        return end;
    }

    Coupon ReadUpload(Cursor& first) {
        Coupon coupon;
        coupon.kind = Kind::Upload;
        coupon.game = ReadGame(first);
        while (auto row = NextContent()) coupon.rows.push_back(ReadUploadRow(*row));
        if (coupon.rows.empty()) End().Fail("E,");
        return coupon;
    }

    // The game's name, then anything after a comma.
    static Game ReadGame(Cursor& at) {
        Game game = Game::Stryktipset;
        if (at.Take(kItalienskaFirstWord)) {
            at.SkipBlanks();
            if (!at.Take(kStryktipset)) at.Fail(kStryktipset);
            game = Game::Italienska;
        } else if (!at.Take(kStryktipset)) {
            at.Fail(kFirstLine);
        }
        at.SkipBlanks();
        if (at.Peek() == ',') {
            for (at.Advance(); !at.AtEnd(); at.Advance()) {
                if (IsControl(at.Peek())) at.Fail("text");
            }
        }
        if (!at.AtEnd()) at.Fail("a comma or the end of the line");
        return game;
    }

    static Row ReadUploadRow(Cursor& at) {
        at.SkipBlanks();
        if (!at.Take("E")) at.Fail("E,");
        Row row{};
        for (auto& sign : row) {
            at.SkipBlanks();
            if (at.AtEnd()) at.Fail(kUploadSigns);
            if (at.Peek() != ',') at.Fail("a comma");
            at.Advance();
            at.SkipBlanks();
            const auto read = SignOf(at.Peek());
            if (!read) at.Fail(kSign);
            sign = *read;
            at.Advance();
        }
        at.SkipBlanks();
        if (at.Peek() == ',') at.Fail(kUploadSigns);
        if (!at.AtEnd()) at.Fail("the end of the line");
        return row;
    }

    // The separators decide what a grid holds, so the first of them is
    // looked up before any cell is read: a cell that does not fit them is
    // named where it stands, not at a separator below it.
    std::optional<std::size_t> FirstSeparator() const {
        for (std::size_t index = _next; index < _lines.size(); ++index) {
            auto line = LineAt(index);
            line.SkipBlanks();
            if (line.Peek() != '-') continue;
            std::size_t hyphens = 0;
            for (; line.Peek() == '-'; line.Advance()) ++hyphens;
            return hyphens;
        }
        return std::nullopt;
    }

    // Thirteen match lines in order, with an optional separator after
    // matches 3, 6 and 9.
    Coupon ReadGrid(Cursor& first) {
        const auto hyphens = FirstSeparator();
        auto shape = hyphens ? ShapeOf(*hyphens) : std::nullopt;
        std::array<Cell, rc::kMatches> cells;
        int match = 0;
        bool separatorMayFollow = false;
        auto line = std::optional(first);
        for (; match < rc::kMatches; line = NextContent()) {
            const auto label = Label(match + 1);
            const auto expected = separatorMayFollow ? "a separator or " + label : label;
            if (!line) End().Fail(expected);
            line->SkipBlanks();
            if (separatorMayFollow && line->Peek() == '-') {
                ReadSeparator(*line, shape ? hyphens : std::nullopt);
                separatorMayFollow = false;
                continue;
            }
            ++match;
            ReadLabel(*line, match, expected);
            auto& cell = cells[static_cast<std::size_t>(match - 1)];
            cell = ReadCell(*line);
            if (shape) Check(cell, *shape);
            separatorMayFollow = ClosesGroup(match);
        }
        if (line) {
            line->SkipBlanks();
            line->Fail("the end of the text");
        }
        if (!shape) {
            shape = ShapeOf(cells);
            for (const auto& cell : cells) Check(cell, *shape);
        }
        return Build(cells, *shape);
    }

    // Every separator has as many hyphens as the first, and the first a
    // count that names a shape; `expected` is that count when it does.
    static void ReadSeparator(Cursor& at, std::optional<std::size_t> expected) {
        const auto start = at;
        std::size_t hyphens = 0;
        for (; at.Peek() == '-'; at.Advance()) ++hyphens;
        if (!expected) start.Fail("a separator of 23 hyphens or 17 + 4 per row");
        if (hyphens != *expected) start.Fail("a separator of " + std::to_string(*expected) + " hyphens");
        at.SkipBlanks();
        if (!at.AtEnd()) at.Fail("the end of the line");
    }

    // "Match m:", with any blanks around its parts.
    static void ReadLabel(Cursor& at, int match, std::string_view expected) {
        if (!at.Take("match")) at.Fail(expected);
        at.SkipBlanks();
        const auto number = at;
        int value = 0;
        for (; at.Peek() >= '0' && at.Peek() <= '9' && value <= rc::kMatches; at.Advance()) {
            value = 10 * value + (at.Peek() - '0');
        }
        if (number.Offset() == at.Offset()) at.Fail(Label(match));
        if (value != match) number.Fail(Label(match));
        at.SkipBlanks();
        if (!at.Take(":")) at.Fail(Label(match));
    }

    // Signs and blanks, at least one sign; what they mean depends on the
    // grid's shape.
    static Cell ReadCell(Cursor& at) {
        Cell cell;
        at.SkipBlanks();
        if (at.AtEnd()) at.Fail(kSign);
        for (; !at.AtEnd(); at.Advance()) {
            if (IsBlank(at.Peek())) continue;
            if (!SignOf(at.Peek())) at.Fail(kSign);
            cell.signs.push_back(at);
        }
        cell.end = at;
        return cell;
    }

    static Coupon Build(const std::array<Cell, rc::kMatches>& cells, const Shape& shape) {
        Coupon coupon;
        coupon.kind = shape.kind;
        if (shape.kind == Kind::Grid) coupon.rows.resize(shape.rows);
        for (std::size_t match = 0; match < cells.size(); ++match) {
            const auto& signs = cells[match].signs;
            for (std::size_t i = 0; i < signs.size(); ++i) {
                const char sign = *SignOf(signs[i].Peek());
                if (shape.kind == Kind::System) {
                    coupon.system[match] |= SetOf(sign);
                } else {
                    coupon.rows[i][match] = sign;
                }
            }
        }
        return coupon;
    }

    std::vector<std::string_view> _lines;
    std::size_t _next = 0;
    bool _utf8 = false;
};

}  // namespace

std::variant<Coupon, ReadError> ReadCoupon(std::string_view text) {
    try {
        return Reader(text).Read();
    } catch (const Stop& stop) {
        return stop.error;
    }
}

}  // namespace stenvik::coupon
