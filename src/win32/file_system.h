#pragma once
// The few Windows file calls that saving and loading make, behind one small
// interface, so that a test can make any one of them fail and check that no
// failure ever costs the user a file.

#include <windows.h>

namespace stenvik::win32 {

class FileSystem {
public:
    // Makes an empty file with a new name in `folder`; the name goes to
    // `name` (MAX_PATH characters).
    virtual bool CreateTempFile(const char* folder, char* name) = 0;
    // INVALID_HANDLE_VALUE on failure.
    virtual HANDLE Open(const char* name, DWORD access, DWORD share, DWORD disposition) = 0;
    virtual bool Write(HANDLE file, const void* data, DWORD size, DWORD& written) = 0;
    virtual bool Read(HANDLE file, void* data, DWORD size, DWORD& read) = 0;
    virtual bool Size(HANDLE file, LONGLONG& size) = 0;
    virtual bool Flush(HANDLE file) = 0;
    virtual bool Close(HANDLE file) = 0;
    // Puts `replacement` in the place of the existing file `target` in one step.
    virtual bool Replace(const char* target, const char* replacement) = 0;
    // Moves `from` to `to`, replacing `to` if it exists, in one step.
    virtual bool Move(const char* from, const char* to) = 0;
    virtual bool Delete(const char* name) = 0;
    virtual DWORD LastError() = 0;

protected:
    ~FileSystem() = default;
};

// The real calls.
FileSystem& SystemFiles();

}  // namespace stenvik::win32
