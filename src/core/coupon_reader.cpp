// Reading a coupon back from any text Stenvik writes, also after a player's
// editor has been at it. The reader is liberal wherever no meaning is lost
// and stops at the first place that is not a coupon, naming what belongs
// there, as a compiler does.

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/coupon.h"
#include "core/coupon_cursor.h"
#include "core/coupon_text.h"
#include "core/grid_shape.h"

namespace stenvik::coupon {

namespace {

using namespace reading;

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kItalienskaFirstWord = kItalienska.substr(0, kItalienska.find(' '));

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
        if (!first) throw Stop{ReadError{.line = 1, .column = 1, .expected = Expected::GameOrFirstMatch}};
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
        if (coupon.rows.empty()) End().Fail(Expected::UploadRow);
        return coupon;
    }

    // The game's name, then anything after a comma.
    static Game ReadGame(Cursor& at) {
        Game game = Game::Stryktipset;
        if (at.Take(kItalienskaFirstWord)) {
            at.SkipBlanks();
            if (!at.Take(kStryktipset)) at.Fail(Expected::Stryktipset);
            game = Game::Italienska;
        } else if (!at.Take(kStryktipset)) {
            at.Fail(Expected::GameOrFirstMatch);
        }
        at.SkipBlanks();
        if (at.Peek() == ',') {
            for (at.Advance(); !at.AtEnd(); at.Advance()) {
                if (IsControl(at.Peek())) at.Fail(Expected::Text);
            }
        }
        if (!at.AtEnd()) at.Fail(Expected::CommaOrLineEnd);
        return game;
    }

    static Row ReadUploadRow(Cursor& at) {
        at.SkipBlanks();
        if (!at.Take("E")) at.Fail(Expected::UploadRow);
        Row row{};
        for (auto& sign : row) {
            at.SkipBlanks();
            if (at.AtEnd()) at.Fail(Expected::Signs, rc::kMatches);
            if (at.Peek() != ',') at.Fail(Expected::Comma);
            at.Advance();
            at.SkipBlanks();
            const auto read = SignOf(at.Peek());
            if (!read) at.Fail(Expected::Sign);
            sign = *read;
            at.Advance();
        }
        at.SkipBlanks();
        if (at.Peek() == ',') at.Fail(Expected::Signs, rc::kMatches);
        if (!at.AtEnd()) at.Fail(Expected::LineEnd);
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
            const auto expected = separatorMayFollow ? Expected::SeparatorOrMatch : Expected::Match;
            if (!line) End().Fail(expected, match + 1);
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
            line->Fail(Expected::TextEnd);
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
        if (!expected) start.Fail(Expected::AnySeparator);
        if (hyphens != *expected) start.Fail(Expected::Separator, static_cast<int>(*expected));
        at.SkipBlanks();
        if (!at.AtEnd()) at.Fail(Expected::LineEnd);
    }

    // "Match m:", with any blanks around its parts.
    static void ReadLabel(Cursor& at, int match, Expected expected) {
        if (!at.Take("match")) at.Fail(expected, match);
        at.SkipBlanks();
        const auto number = at;
        int value = 0;
        for (; at.Peek() >= '0' && at.Peek() <= '9' && value <= rc::kMatches; at.Advance()) {
            value = 10 * value + (at.Peek() - '0');
        }
        if (number.Offset() == at.Offset()) at.Fail(Expected::Match, match);
        if (value != match) number.Fail(Expected::Match, match);
        at.SkipBlanks();
        if (!at.Take(":")) at.Fail(Expected::Match, match);
    }

    // Signs and blanks, at least one sign; what they mean depends on the
    // grid's shape.
    static Cell ReadCell(Cursor& at) {
        Cell cell;
        at.SkipBlanks();
        if (at.AtEnd()) at.Fail(Expected::Sign);
        for (; !at.AtEnd(); at.Advance()) {
            if (IsBlank(at.Peek())) continue;
            if (!SignOf(at.Peek())) at.Fail(Expected::Sign);
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
