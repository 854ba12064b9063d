#include "call_faults.h"

namespace stenvik::support {

bool CallFaults::Fails(std::string_view name) {
    auto counted = _callsByName.find(name);
    if (counted == _callsByName.end()) counted = _callsByName.emplace(name, 0).first;
    const auto numbered = counted->first + " " + std::to_string(++counted->second);
    if (++_calls != failAt && !failing.contains(numbered)) return false;
    failed.insert(numbered);
    return true;
}

}  // namespace stenvik::support
