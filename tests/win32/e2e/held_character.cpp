// Loaded into stenvik.exe by a test, as a hook on the messages it takes: a
// character the program has taken waits until the next message is posted
// behind it. A test's wait that ends on a marker posted before the
// character then ends with the character still unhandled, every time.

#include <windows.h>

extern "C" __declspec(dllexport) LRESULT CALLBACK HoldCharacter(int code, WPARAM removed, LPARAM data) {
    const auto& taken = *reinterpret_cast<const MSG*>(data);
    if (code == HC_ACTION && removed == PM_REMOVE && taken.message == WM_CHAR) {
        // Messages sent meanwhile are answered; a timer's is no message
        // posted behind it. The wait only paces the look: a message posted
        // between the two looks counts as seen by the second, which would
        // leave a wait for news sleeping for good.
        constexpr UINT kPeek = PM_NOREMOVE | PM_QS_POSTMESSAGE | PM_QS_SENDMESSAGE;
        constexpr DWORD kLookAgainMs = 20;
        MSG next{};
        while (!::PeekMessageA(&next, nullptr, 0, WM_TIMER - 1, kPeek) &&
               !::PeekMessageA(&next, nullptr, WM_TIMER + 6, 0xFFFF, kPeek)) {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, kLookAgainMs, QS_POSTMESSAGE | QS_SENDMESSAGE);
        }
    }
    return ::CallNextHookEx(nullptr, code, removed, data);
}
