#pragma once
// The few Windows file calls that saving and loading make, behind one small
// interface, so that a test can make any one of them fail, or leave the files
// as a failing Windows would, and check that no failure ever costs the user
// a file.

#include <windows.h>

namespace stenvik::win32 {

class FileSystem {
public:
    // INVALID_HANDLE_VALUE on failure.
    virtual HANDLE Open(const char* name, DWORD access, DWORD share, DWORD disposition) = 0;
    virtual bool Write(HANDLE file, const void* data, DWORD size, DWORD& written) = 0;
    virtual bool Read(HANDLE file, void* data, DWORD size, DWORD& read) = 0;
    virtual bool Size(HANDLE file, LONGLONG& size) = 0;
    virtual bool Flush(HANDLE file) = 0;
    virtual bool Close(HANDLE file) = 0;
    // Puts `replacement` in the place of the existing file `target` in one
    // step, the old file going to `backup`; on failure, LastError() says
    // where each of the three files is (see ReplaceFile).
    virtual bool Replace(const char* target, const char* replacement, const char* backup) = 0;
    // Renames `from` to `to`, which must not exist yet.
    virtual bool Move(const char* from, const char* to) = 0;
    virtual bool Delete(const char* name) = 0;
    virtual DWORD LastError() = 0;

protected:
    ~FileSystem() = default;
};

// The real calls.
FileSystem& SystemFiles();

}  // namespace stenvik::win32
