#include "fuzz/events.h"

#include <array>
#include <limits>

namespace stenvik::fuzz {

namespace {

constexpr int kFirstId = 1000;
constexpr std::uint8_t kNearIds = 128;
constexpr std::array<int, 8> kFarIds = {
    0, 1, -1, 999, 4711, 65535, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()};

int IdOf(std::uint32_t byte) {
    if (byte < kNearIds) return kFirstId + static_cast<int>(byte);
    return kFarIds[(byte - kNearIds) % kFarIds.size()];
}

constexpr int kKinds = 6;
constexpr std::uint32_t kClearWeights = 128;
constexpr std::uint32_t kWhole = 100;

// Any three bytes give weights that sum to 100, zeros and a whole 100 included.
std::optional<Percent> WeightsOf(std::uint32_t match, std::uint32_t one, std::uint32_t cross) {
    if (match >= kClearWeights) return std::nullopt;
    const auto ones = one % (kWhole + 1);
    const auto crosses = cross % (kWhole + 1 - ones);
    return Percent{static_cast<int>(ones), static_cast<int>(crosses), static_cast<int>(kWhole - ones - crosses)};
}

}  // namespace

std::optional<std::uint32_t> EventReader::TakeLittleEndian(std::size_t count) {
    if (_bytes.size() < count) {
        _bytes = {};
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < count; ++i) value |= std::uint32_t{_bytes[i]} << (8 * i);
    _bytes = _bytes.subspan(count);
    return value;
}

std::optional<Event> EventReader::Next() {
    const auto opcode = TakeLittleEndian(1);
    if (!opcode) return std::nullopt;
    Event event;
    switch (*opcode % kKinds) {
        case 0: {
            const auto id = TakeLittleEndian(1);
            if (!id) return std::nullopt;
            event = {.kind = Event::Kind::Click, .id = IdOf(*id)};
            break;
        }
        case 1: {
            const auto id = TakeLittleEndian(1);
            const auto code = TakeLittleEndian(2);
            if (!id || !code) return std::nullopt;
            event = {.kind = Event::Kind::Command, .id = IdOf(*id), .code = static_cast<int>(*code)};
            break;
        }
        case 2: {
            const auto seed = TakeLittleEndian(4);
            if (!seed) return std::nullopt;
            event = {.kind = Event::Kind::Reseed, .seed = static_cast<std::int32_t>(*seed)};
            break;
        }
        case 3: event = {.kind = Event::Kind::Press}; break;
        case 4: {
            const auto match = TakeLittleEndian(1);
            const auto one = TakeLittleEndian(1);
            const auto cross = TakeLittleEndian(1);
            if (!match || !one || !cross) return std::nullopt;
            event = {.kind = Event::Kind::Percent,
                     .match = static_cast<int>(*match % kClearWeights % rc::kMatches) + 1,
                     .percent = WeightsOf(*match, *one, *cross)};
            break;
        }
        default: {
            const auto on = TakeLittleEndian(1);
            if (!on) return std::nullopt;
            event = {.kind = Event::Kind::Unique, .unique = (*on & 1u) != 0};
            break;
        }
    }
    return event;
}

std::string Describe(const Event& event) {
    switch (event.kind) {
        case Event::Kind::Click: return "click " + std::to_string(event.id);
        case Event::Kind::Command: return "command " + std::to_string(event.id) + ":" + std::to_string(event.code);
        case Event::Kind::Reseed: return "reseed " + std::to_string(event.seed);
        case Event::Kind::Press: return "press";
        case Event::Kind::Percent: {
            const auto match = "percent " + std::to_string(event.match);
            if (!event.percent) return match + " cleared";
            const auto& [one, cross, two] = *event.percent;
            return match + "=" + std::to_string(one) + "/" + std::to_string(cross) + "/" + std::to_string(two);
        }
        case Event::Kind::Unique: return event.unique ? "unique on" : "unique off";
    }
    return {};
}

}  // namespace stenvik::fuzz
