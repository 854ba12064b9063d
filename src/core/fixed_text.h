#pragma once
// A text of bounded length that lives where it is declared: building rows
// never touches the heap.

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace stenvik {

template <std::size_t Capacity>  // bytes, the terminating NUL included
class FixedText {
public:
    static constexpr std::size_t kMaxLength = Capacity - 1;

    void Assign(std::string_view text) {
        _length = 0;
        Append(text);
    }
    // Never writes past the buffer: what does not fit is dropped. Every text
    // the program builds is shown by the tests to fit.
    void Append(std::string_view text) {
        const std::size_t count = std::min(text.size(), kMaxLength - _length);
        std::copy_n(text.begin(), count, _data.begin() + static_cast<std::ptrdiff_t>(_length));
        _length += count;
        _data[_length] = '\0';
    }
    // Room for `count` more bytes, or for as many as the buffer still has,
    // for the caller to fill: a press writes a line of a thousand bytes in
    // one pass, with no length to update between them.
    std::span<char> Extend(std::size_t count) {
        const std::size_t added = std::min(count, kMaxLength - _length);
        const std::span<char> room(_data.data() + _length, added);
        _length += added;
        _data[_length] = '\0';
        return room;
    }
    std::string_view view() const { return {_data.data(), _length}; }

private:
    std::array<char, Capacity> _data{};
    std::size_t _length = 0;
};

}  // namespace stenvik
