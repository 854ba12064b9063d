#include "tests/win32/e2e/running_stenvik.h"

#include <stdexcept>
#include <thread>

#include "core/rc.h"
#include "tests/win32/program_path.h"

namespace stenvik::win32::tests {

namespace {

// Only a guard against a program that never answers. A busy machine, or
// Wine's first start in a new prefix, can keep a healthy program from its
// messages for seconds, which Wine would already call hung.
constexpr UINT kSendTimeoutMs = 60000;
constexpr auto kStartTimeout = 60s;

LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    if (::SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kSendTimeoutMs, &result) == 0) {
        throw std::runtime_error("the program did not answer a message");
    }
    return static_cast<LRESULT>(result);
}

// The program's dialog, once its last control exists and it is shown.
HWND FindDialog(DWORD processId) {
    return ShownWindowOf(processId, [](HWND window) { return ::GetDlgItem(window, rc::kInstructions) != nullptr; });
}

// The marker of Flush is the rows box's text limit, which nothing else
// changes: not a key, whose characters the program posts behind the marker
// while it handles the key, nor what a test does to the text or the selection.
void WaitForLimit(HWND rows, WPARAM limit) {
    const bool handled =
        WaitUntil([&] { return !::IsWindow(rows) || static_cast<WPARAM>(Send(rows, EM_GETLIMITTEXT)) == limit; });
    if (!handled) throw std::runtime_error("the program did not handle its messages");
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

std::string TextOf(HWND window) {
    const auto length = Send(window, WM_GETTEXTLENGTH);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const auto copied = Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

HWND ShownWindowOf(DWORD processId, const std::function<bool(HWND)>& matches) {
    struct Search {
        DWORD processId;
        const std::function<bool(HWND)>& matches;
        HWND found;
    } search{processId, matches, nullptr};
    ::EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            DWORD process = 0;
            ::GetWindowThreadProcessId(window, &process);
            if (process != s.processId || !s.matches(window) || !::IsWindowVisible(window)) return TRUE;
            s.found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND OwnedWindow(DWORD processId, HWND owner) {
    return ShownWindowOf(processId, [owner](HWND window) { return ::GetWindow(window, GW_OWNER) == owner; });
}

HWND ChildWithText(HWND parent, std::string_view text) {
    struct Search {
        std::string_view text;
        HWND found;
    } search{text, nullptr};
    ::EnumChildWindows(
        parent,
        [](HWND window, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            if (TextOf(window) != s.text) return TRUE;
            s.found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void PostClick(HWND button) { ::PostMessageA(button, BM_CLICK, 0, 0); }

HWND WaitForOwnedWindow(DWORD processId, HWND owner) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = OwnedWindow(processId, owner)) != nullptr; });
    return found;
}

std::string MessageText(HWND box) {
    constexpr int kMessageText = 0xFFFF;  // the message's label, in Windows and in Wine
    return TextOf(::GetDlgItem(box, kMessageText));
}

std::string CloseMessageBox(HWND box) {
    auto text = MessageText(box);
    PostClick(::GetDlgItem(box, IDOK));
    if (!WaitUntil([&] { return !::IsWindow(box); })) throw std::runtime_error("the message box stayed open");
    return text;
}

void Type(WORD key) {
    INPUT input[2] = {};
    for (auto& event : input) {
        event.type = INPUT_KEYBOARD;
        event.ki.wVk = key;
        event.ki.wScan = static_cast<WORD>(::MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    }
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    if (::SendInput(2, input, sizeof(INPUT)) != 2) throw std::runtime_error("the keyboard took no key");
}

RunningStenvik::RunningStenvik() {
    std::string path = ProgramPath();
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    if (!::CreateProcessA(path.c_str(), path.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &_process)) {
        throw std::runtime_error("cannot start " + path);
    }
    ::WaitForInputIdle(_process.hProcess, 10000);
    try {
        // The window can be found before its controls are made, and it shows
        // only once they are all initialised: wait for both, or for the end.
        WaitUntil([this] { return (_dialog = FindDialog(_process.dwProcessId)) != nullptr || !IsRunning(); },
                  kStartTimeout);
        if (_dialog != nullptr) _rowsLimit = static_cast<WPARAM>(Send(Control(rc::kRowsBox), EM_GETLIMITTEXT));
    } catch (...) {
        // No destructor runs for a constructor that throws: a program left
        // running would keep the test's output open until ctest gives up.
        ::TerminateProcess(_process.hProcess, 99);
        ::CloseHandle(_process.hThread);
        ::CloseHandle(_process.hProcess);
        throw;
    }
}

RunningStenvik::~RunningStenvik() {
    if (IsRunning()) {
        ::PostMessageA(_dialog, WM_CLOSE, 0, 0);
        if (!WaitForExit(5s)) ::TerminateProcess(_process.hProcess, 99);
    }
    ::CloseHandle(_process.hThread);
    ::CloseHandle(_process.hProcess);
}

HWND RunningStenvik::ControlAt(std::size_t index) const {
    HWND control = ::GetWindow(_dialog, GW_CHILD);
    for (; index > 0 && control != nullptr; --index) control = ::GetWindow(control, GW_HWNDNEXT);
    return control;
}

void RunningStenvik::Click(int id) {
    const HWND control = Control(id);
    if (!::IsWindowVisible(control)) throw std::logic_error("a user cannot click a hidden control");
    Send(control, BM_CLICK);
}

bool RunningStenvik::IsChecked(int id) const { return Send(Control(id), BM_GETCHECK) == BST_CHECKED; }

bool RunningStenvik::IsVisible(int id) const { return ::IsWindowVisible(Control(id)) != 0; }

std::string RunningStenvik::Text(int id) const { return TextOf(Control(id)); }

std::string RunningStenvik::Rows() const { return Text(rc::kRowsBox); }

void RunningStenvik::SetRows(std::string_view text) {
    const std::string terminated(text);
    Send(Control(rc::kRowsBox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(terminated.c_str()));
}

void RunningStenvik::PostKey(HWND window, UINT key) {
    const auto scan = static_cast<LPARAM>(::MapVirtualKeyA(key, MAPVK_VK_TO_VSC)) << 16;
    ::PostMessageA(window, WM_KEYDOWN, key, scan | 1);
    ::PostMessageA(window, WM_KEYUP, key, scan | 1 | (LPARAM{3} << 30));
}

void RunningStenvik::PostMarker() { ::PostMessageA(Control(rc::kRowsBox), EM_SETLIMITTEXT, _rowsLimit - 1, 0); }

void RunningStenvik::WaitForMarker() {
    // Once the marker shows, the limit goes back in a second round, so that
    // whatever the program posted while handling the first (the characters
    // of a key) is handled too.
    const HWND rows = Control(rc::kRowsBox);
    WaitForLimit(rows, _rowsLimit - 1);
    ::PostMessageA(rows, EM_SETLIMITTEXT, _rowsLimit, 0);
    WaitForLimit(rows, _rowsLimit);
}

void RunningStenvik::Flush() {
    PostMarker();
    WaitForMarker();
}

void RunningStenvik::WhilePaused(const std::function<void()>& action) {
    if (::SuspendThread(_process.hThread) == static_cast<DWORD>(-1))
        throw std::runtime_error("cannot pause the program");
    struct Resume {
        HANDLE thread;
        ~Resume() { ::ResumeThread(thread); }
    } resume{_process.hThread};
    action();
}

bool RunningStenvik::TakeKeyboard() const {
    ::SetForegroundWindow(_dialog);
    return WaitUntil([this] { return ::GetForegroundWindow() == _dialog; });
}

HWND RunningStenvik::Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    ::GetGUIThreadInfo(_process.dwThreadId, &info);
    return info.hwndFocus;
}

void RunningStenvik::FocusControl(int id) { Send(_dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(id)), TRUE); }

std::optional<DWORD> RunningStenvik::WaitForExit(std::chrono::milliseconds timeout) {
    if (::WaitForSingleObject(_process.hProcess, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    ::GetExitCodeProcess(_process.hProcess, &code);
    return code;
}

bool RunningStenvik::IsRunning() const { return ::WaitForSingleObject(_process.hProcess, 0) == WAIT_TIMEOUT; }

}  // namespace stenvik::win32::tests
