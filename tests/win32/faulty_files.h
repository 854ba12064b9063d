#pragma once
// The real file system with faults put in, for the tests of saving and
// loading: a call fails by its number among all calls or among the calls of
// its name, and Replace can end in any failure ReplaceFile documents, with
// the files left where Windows documents them for it.

#include "tests/support/call_faults.h"
#include "win32/file_system.h"

namespace stenvik::win32::tests {

// Passes every call to the real file system; a fake overrides only what it
// is about.
class RealFiles : public FileSystem {
public:
    HANDLE Open(const char* name, DWORD access, DWORD share, DWORD disposition) override {
        return real.Open(name, access, share, disposition);
    }
    bool Write(HANDLE file, const void* data, DWORD size, DWORD& written) override {
        return real.Write(file, data, size, written);
    }
    bool Read(HANDLE file, void* data, DWORD size, DWORD& read) override { return real.Read(file, data, size, read); }
    bool Size(HANDLE file, LONGLONG& size) override { return real.Size(file, size); }
    bool Flush(HANDLE file) override { return real.Flush(file); }
    bool Close(HANDLE file) override { return real.Close(file); }
    bool Replace(const char* target, const char* replacement, const char* backup) override {
        return real.Replace(target, replacement, backup);
    }
    bool Move(const char* from, const char* to) override { return real.Move(from, to); }
    bool Delete(const char* name) override { return real.Delete(name); }
    Presence Find(const char* name) override { return real.Find(name); }
    DWORD LastError() override { return real.LastError(); }

protected:
    ~RealFiles() = default;

    FileSystem& real = SystemFiles();
};

// A failing close or flush still happens underneath, as a real one that
// reports an error after the fact; every other failing call does nothing
// (a failing Find cannot tell). The calls are named as FileSystem names them.
class FaultyFiles final : public RealFiles, public support::CallFaults {
public:
    // The error Replace ends with, leaving the files as documented; 0 for
    // the real outcome.
    DWORD replaceError = 0;
    // Whether that failing Replace has moved the old file to the backup name
    // all the same, whatever its error says.
    bool movesAside = false;

    HANDLE Open(const char* name, DWORD access, DWORD share, DWORD disposition) override;
    bool Write(HANDLE file, const void* data, DWORD size, DWORD& written) override;
    bool Read(HANDLE file, void* data, DWORD size, DWORD& read) override;
    bool Size(HANDLE file, LONGLONG& size) override;
    bool Flush(HANDLE file) override;
    bool Close(HANDLE file) override;
    bool Replace(const char* target, const char* replacement, const char* backup) override;
    bool Move(const char* from, const char* to) override;
    bool Delete(const char* name) override;
    Presence Find(const char* name) override;

private:
    // Whether this call fails; if so, with access denied.
    bool Injects(const char* call);
};

}  // namespace stenvik::win32::tests
