#pragma once
// stenvik.exe started as a user starts it and driven only from outside, by
// window messages, as a user's mouse and keyboard would. Every wait is
// bounded, so a hung program fails a test instead of hanging it.

#include <windows.h>

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace stenvik::win32::tests {

using namespace std::chrono_literals;

// Polls `condition` until it holds or `timeout` has passed.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 10s);

// A window's text as Windows-1252 bytes.
std::string TextOf(HWND window);
// The first shown top-level window of process `processId` that `matches`, or null.
HWND ShownWindowOf(DWORD processId, const std::function<bool(HWND)>& matches);
// The top-level window of process `processId` that `owner` owns, or null.
HWND OwnedWindow(DWORD processId, HWND owner);
// The first child of `parent` whose text is `text`, or null.
HWND ChildWithText(HWND parent, std::string_view text);
// A click on a button, posted: for buttons that open a modal window.
void PostClick(HWND button);
// The window of process `processId` that `owner` owns, once it shows; null
// when none shows within the wait.
HWND WaitForOwnedWindow(DWORD processId, HWND owner);
// The text of the message box `box`, which is then closed with its OK
// button; returns once it is gone.
std::string CloseMessageBox(HWND box);
// The text a message box shows.
std::string MessageText(HWND box);
// A key pressed and released on the keyboard itself: it goes to the focus of
// the window in front when the program takes it, not to a window chosen now.
void Type(WORD key);

class RunningStenvik {
public:
    RunningStenvik();
    RunningStenvik(const RunningStenvik&) = delete;
    RunningStenvik& operator=(const RunningStenvik&) = delete;
    // Closes the program if a test left it open.
    ~RunningStenvik();

    bool Started() const { return _dialog != nullptr; }
    HWND Dialog() const { return _dialog; }
    HWND Control(int id) const { return ::GetDlgItem(_dialog, id); }
    // The control at this position of the template, labels and frames too.
    HWND ControlAt(std::size_t index) const;
    DWORD ProcessId() const { return _process.dwProcessId; }

    // A user's click: only on a visible control, and it returns once the
    // program has handled it.
    void Click(int id);
    bool IsChecked(int id) const;
    bool IsVisible(int id) const;
    std::string Text(int id) const;
    std::string Rows() const;
    // Replaces the rows box's text, as a user's typing would.
    void SetRows(std::string_view text);

    // A key pressed and released on `window`, as the keyboard delivers it.
    void PostKey(HWND window, UINT key);
    // Returns once every message posted to the program before has been
    // handled, and what the program posted while handling them.
    void Flush();
    // Flush in two steps, for a test that posts the marker while the program
    // is paused: then the characters of a key posted before go behind it.
    void PostMarker();
    void WaitForMarker();
    // Runs `action` while the program's window thread is stopped, as a
    // program busy elsewhere would be: what `action` posts waits in its queue.
    void WhilePaused(const std::function<void()>& action);
    // Brings the dialog to the front, where the keyboard types into it.
    bool TakeKeyboard() const;
    // The control that has the keyboard focus in the program.
    HWND Focus() const;
    void FocusControl(int id);

    // The exit code, once the program has ended within `timeout`.
    std::optional<DWORD> WaitForExit(std::chrono::milliseconds timeout = 10s);
    bool IsRunning() const;

private:
    PROCESS_INFORMATION _process{};
    HWND _dialog = nullptr;
    WPARAM _rowsLimit = 0;  // the rows box's own text limit; Flush's marker is one less
};

}  // namespace stenvik::win32::tests
