#include "win32/file_dialog.h"

#include <commdlg.h>

#include <new>
#include <string>

#include "core/rc.h"
#include "win32/text_file.h"

namespace stenvik::win32 {

namespace {

constexpr char kFilter[] = "Text Files (*.txt)\0*.txt\0All Files (*.*)\0*.*\0";
constexpr DWORD kSaveFlags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
constexpr DWORD kLoadFlags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;

void ShowError(HWND hwnd, const char* text) { ::MessageBoxA(hwnd, text, "Error", MB_OK | MB_ICONEXCLAMATION); }

}  // namespace

BOOL DoFileOpenSave(HWND hwnd, BOOL bSave) {
    // No name is proposed and nothing is remembered from one save to the next.
    char szFileName[MAX_PATH] = "";
    OPENFILENAMEA ofn{};
    ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    ofn.hwndOwner = hwnd;
    ofn.lpstrFilter = kFilter;
    ofn.lpstrFile = szFileName;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrDefExt = "txt";
    const HWND hEdit = ::GetDlgItem(hwnd, rc::kRowsBox);

    if (bSave) {
        ofn.Flags = kSaveFlags;
        if (::GetSaveFileNameA(&ofn) && !SaveFile(hEdit, szFileName)) {
            ShowError(hwnd, "Save file failed.");
            return FALSE;
        }
    } else {
        ofn.Flags = kLoadFlags;
        if (::GetOpenFileNameA(&ofn) && !LoadFile(hEdit, szFileName)) {
            ShowError(hwnd, "Load of file failed.");
            return FALSE;
        }
    }
    return TRUE;
}

BOOL SaveFile(HWND hEdit, const char* pszFileName, FileSystem& files) {
    try {
        const int dwTextLength = ::GetWindowTextLengthA(hEdit);
        if (dwTextLength <= 0) return FALSE;
        std::string text(static_cast<std::size_t>(dwTextLength) + 1, '\0');
        const int copied = ::GetWindowTextA(hEdit, text.data(), dwTextLength + 1);
        if (copied <= 0) return FALSE;
        text.resize(static_cast<std::size_t>(copied));
        return WriteTextFile(pszFileName, text, files);
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
}

BOOL LoadFile(HWND hEdit, const char* pszFileName, FileSystem& files) {
    try {
        const auto text = ReadTextFile(pszFileName, files);
        // The control takes the text up to a zero byte, as any window text.
        return text && ::SetWindowTextA(hEdit, text->c_str());
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
}

}  // namespace stenvik::win32
