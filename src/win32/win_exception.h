#pragma once
// The exception of a failed Windows call: the thread's error code at the
// moment it was made, and a message that is a string literal (never copied,
// never freed, so throwing it allocates nothing).

#include <windows.h>

#include <cstddef>

namespace stenvik::win32 {

class WinException {
public:
    explicit WinException(const char* msg) : _err(::GetLastError()), _msg(msg) {}

    DWORD GetError() const { return _err; }
    const char* GetMessageA() const { return _msg; }

private:
    DWORD _err;
    const char* _msg;
};

// An out-of-memory handler in the manner of the Windows C++ runtimes: it
// never returns. Not registered with the allocator, so a failed new raises
// std::bad_alloc as the language has it.
[[noreturn]] int NewHandler(std::size_t size);

}  // namespace stenvik::win32
