#pragma once
// The fuzzer's bytes as the events a user or a toolkit can send the dialog.
//
// Each event is an opcode byte and its operands; the opcode modulo 6 picks
// the kind:
//   0  click     id byte
//   1  command   id byte, notification code (2 bytes, little-endian)
//   2  reseed    seed (4 bytes, little-endian)
//   3  press     "GENERERA rader", as a click
//   4  percent   match byte, then the bytes of the weights of 1 and of X:
//                the match's own weights as the command line sets them
//                (match byte from 128 on: the match's weights cleared)
//   5  unique    one byte, odd for on: no single row repeats an earlier one
// An id byte below 128 is the identifier 1000 + byte, which covers every
// control of the dialog and the gaps between them; from 128 on it is one of
// a few identifiers far from the dialog's.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "core/program_state.h"

namespace stenvik::fuzz {

struct Event {
    enum class Kind { Click, Command, Reseed, Press, Percent, Unique };
    Kind kind = Kind::Press;
    int id = 0;                      // click, command
    int code = 0;                    // command
    std::int32_t seed = 0;           // reseed
    int match = 0;                   // percent: 1 to 13
    std::optional<Percent> percent;  // percent: none clears the match's weights
    bool unique = false;             // unique
};

class EventReader {
public:
    explicit EventReader(std::span<const std::uint8_t> bytes) : _bytes(bytes) {}

    // Nothing once the bytes run out, also in the middle of an event.
    std::optional<Event> Next();

private:
    std::optional<std::uint32_t> TakeLittleEndian(std::size_t count);

    std::span<const std::uint8_t> _bytes;
};

// One line of a trace: "click 1002", "command 1007:0", "reseed 5", "press",
// "percent 5=50/30/20", "percent 5 cleared", "unique on".
std::string Describe(const Event& event);

}  // namespace stenvik::fuzz
