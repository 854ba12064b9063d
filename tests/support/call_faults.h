#pragma once
// Which calls a test double that passes every call to the real system makes
// fail: one by its number among all calls, or any by its name and number
// among the calls of that name. Saving is tested by failing each call in
// turn until a run fails none. The double sets the system's error itself,
// the one ErrorOf names.

#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>

namespace stenvik::support {

class CallFaults {
public:
    // The call that fails, counted over all calls from 1; 0 for none.
    int failAt = 0;
    // The calls that fail, as "Move 2" for the second call named Move.
    std::set<std::string> failing;
    // The calls that failed, named as in `failing`.
    std::set<std::string> failed;
    // The error a failing call sets, by the call's name, as {"Write", ENOSPC};
    // EIO for the names not here.
    std::map<std::string, int, std::less<>> errors;

    // Counts a call of `name`; true when this one is to fail.
    bool Fails(std::string_view name);
    // The error the failing calls of `name` set.
    int ErrorOf(std::string_view name) const;

private:
    int _calls = 0;
    std::map<std::string, int, std::less<>> _callsByName;
};

}  // namespace stenvik::support
