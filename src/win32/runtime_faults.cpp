// What the C++ runtime throws when the program itself is at fault: a string
// longer than memory allows, an index out of range, a null string. The
// runtime's own throwers build each exception's text with a second string
// implementation, some 35 KB of stenvik.exe. No window of stenvik.exe shows
// such a text (an exception while the dialog is made shows "Unknown"; any
// other ends the program), so these take their place without one. Running
// out of memory still throws std::bad_alloc, which the program handles.

#include <exception>
#include <new>

namespace {

struct RuntimeFault final : std::exception {};

}  // namespace

// The runtime calls these by name; defining them here keeps its own out of
// the link.
// NOLINTBEGIN(cert-dcl58-cpp, bugprone-reserved-identifier, cert-dcl37-c, cert-dcl51-cpp)
namespace std {

[[noreturn]] void __throw_bad_alloc() { throw bad_alloc(); }
[[noreturn]] void __throw_bad_array_new_length() { throw bad_array_new_length(); }
[[noreturn]] void __throw_length_error(const char* /*what*/) { throw RuntimeFault(); }
[[noreturn]] void __throw_logic_error(const char* /*what*/) { throw RuntimeFault(); }
[[noreturn]] void __throw_out_of_range_fmt(const char* /*format*/, ...) { throw RuntimeFault(); }

}  // namespace std
// NOLINTEND(cert-dcl58-cpp, bugprone-reserved-identifier, cert-dcl37-c, cert-dcl51-cpp)
