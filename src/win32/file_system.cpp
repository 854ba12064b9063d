#include "file_system.h"

namespace stenvik::win32 {

namespace {

class SystemFileSystem final : public FileSystem {
public:
    HANDLE Open(const char* name, DWORD access, DWORD share, DWORD disposition) override {
        return ::CreateFileA(name, access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
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
        return ::ReplaceFileA(target, replacement, backup, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != 0;
    }
    bool Move(const char* from, const char* to) override {
        return ::MoveFileExA(from, to, MOVEFILE_WRITE_THROUGH) != 0;
    }
    bool Delete(const char* name) override { return ::DeleteFileA(name) != 0; }
    DWORD LastError() override { return ::GetLastError(); }
};

}  // namespace

FileSystem& SystemFiles() {
    static SystemFileSystem files;
    return files;
}

}  // namespace stenvik::win32
