#include "win32/file_system.h"

#include <string_view>

#include "win32/wide_text.h"

namespace stenvik::win32 {

namespace {

std::wstring FullPath(const std::wstring& path) {
    const DWORD size = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) return path;
    std::wstring full(size, L'\0');
    const DWORD length = ::GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size) return path;
    full.resize(length);
    return full;
}

class SystemFileSystem final : public FileSystem {
public:
    HANDLE Open(const char* name, DWORD access, DWORD share, DWORD disposition) override {
        return ::CreateFileW(SystemPath(name).c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                             nullptr);
    }
    bool Write(HANDLE file, const void* data, DWORD size, DWORD& written) override {
        return ::WriteFile(file, data, size, &written, nullptr) != 0;
    }
    bool Read(HANDLE file, void* data, DWORD size, DWORD& read) override {
        return ::ReadFile(file, data, size, &read, nullptr) != 0;
    }
    bool Size(HANDLE file, LONGLONG& size) override {
        LARGE_INTEGER value{};
        if (::GetFileSizeEx(file, &value) == 0) return false;
        size = value.QuadPart;
        return true;
    }
    bool Flush(HANDLE file) override { return ::FlushFileBuffers(file) != 0; }
    bool Close(HANDLE file) override { return ::CloseHandle(file) != 0; }
    bool Replace(const char* target, const char* replacement, const char* backup) override {
        return ::ReplaceFileW(SystemPath(target).c_str(), SystemPath(replacement).c_str(), SystemPath(backup).c_str(),
                              REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != 0;
    }
    bool Move(const char* from, const char* to) override {
        return ::MoveFileExW(SystemPath(from).c_str(), SystemPath(to).c_str(), MOVEFILE_WRITE_THROUGH) != 0;
    }
    bool Delete(const char* name) override { return ::DeleteFileW(SystemPath(name).c_str()) != 0; }
    Presence Find(const char* name) override {
        if (::GetFileAttributesW(SystemPath(name).c_str()) != INVALID_FILE_ATTRIBUTES) return Presence::Present;
        const DWORD error = ::GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? Presence::Absent : Presence::Unknown;
    }
    DWORD LastError() override { return ::GetLastError(); }
};

}  // namespace

FileSystem& SystemFiles() {
    static SystemFileSystem files;
    return files;
}

std::wstring SystemPath(const char* name) {
    // Names come from the "A" functions, in the system's code page.
    std::wstring path = Widen(name, CP_ACP);
    if (path.size() < MAX_PATH) return path;
    std::wstring full = FullPath(path);
    constexpr std::wstring_view kExtended = L"\\\\?\\";
    if (full.starts_with(kExtended)) return full;
    if (full.starts_with(L"\\\\")) return std::wstring(kExtended) + L"UNC\\" + full.substr(2);
    return std::wstring(kExtended) + full;
}

}  // namespace stenvik::win32
