#pragma once
// The fuzzer's bytes as the events a user or a toolkit can send the dialog.
//
// Each event is an opcode byte and its operands; the opcode modulo 4 picks
// the kind:
//   0  click     id byte
//   1  command   id byte, notification code (2 bytes, little-endian)
//   2  reseed    seed (4 bytes, little-endian)
//   3  press     "GENERERA rader", as a click
// An id byte below 128 is the identifier 1000 + byte, which covers every
// control of the dialog and the gaps between them; from 128 on it is one of
// a few identifiers far from the dialog's.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace stenvik::fuzz {

struct Event {
    enum class Kind { Click, Command, Reseed, Press };
    Kind kind = Kind::Press;
    int id = 0;             // click, command
    int code = 0;           // command
    std::int32_t seed = 0;  // reseed
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

// One line of a trace: "click 1002", "command 1007:0", "reseed 5", "press".
std::string Describe(const Event& event);

}  // namespace stenvik::fuzz
