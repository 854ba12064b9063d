#pragma once
// The few Windows file calls that saving and loading make, behind one small
// interface, so that a test can make any one of them fail and check that no
// failure ever costs the user a file.

#include <windows.h>

#include <string>

namespace stenvik::win32 {

// Whether a name is in use; Unknown when the system cannot tell.
enum class Presence { Absent, Present, Unknown };

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
    // step, the old file becoming `backup`. Where the three files are after
    // a failure depends on the error, as ReplaceFile documents it.
    virtual bool Replace(const char* target, const char* replacement, const char* backup) = 0;
    // Renames `from` to `to` in one step; fails when `to` exists.
    virtual bool Move(const char* from, const char* to) = 0;
    virtual bool Delete(const char* name) = 0;
    virtual Presence Find(const char* name) = 0;
    virtual DWORD LastError() = 0;

protected:
    ~FileSystem() = default;
};

// The real calls.
FileSystem& SystemFiles();

// `name` as the wide file functions take it. From MAX_PATH characters on, as
// the copies beside a file whose name nearly fills MAX_PATH have, only the
// extended-length form ("\\?\C:\...", "\\?\UNC\server\...") works, and it
// must be absolute and normalised; shorter names pass unchanged.
std::wstring SystemPath(const char* name);

}  // namespace stenvik::win32
