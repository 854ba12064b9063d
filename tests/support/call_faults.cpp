#include "tests/support/call_faults.h"

#include <cerrno>

namespace stenvik::support {

bool CallFaults::Fails(std::string_view name) {
    auto counted = _callsByName.find(name);
    if (counted == _callsByName.end()) counted = _callsByName.emplace(name, 0).first;
    const auto numbered = counted->first + " " + std::to_string(++counted->second);
    if (++_calls != failAt && !failing.contains(numbered)) return false;
    failed.insert(numbered);
    return true;
}

int CallFaults::ErrorOf(std::string_view name) const {
    const auto chosen = errors.find(name);
    return chosen == errors.end() ? EIO : chosen->second;
}

}  // namespace stenvik::support
