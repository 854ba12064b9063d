#include "tests/win32/faulty_files.h"

namespace stenvik::win32::tests {

HANDLE FaultyFiles::Open(const char* name, DWORD access, DWORD share, DWORD disposition) {
    return Injects("Open") ? INVALID_HANDLE_VALUE : real.Open(name, access, share, disposition);
}

bool FaultyFiles::Write(HANDLE file, const void* data, DWORD size, DWORD& written) {
    return !Injects("Write") && real.Write(file, data, size, written);
}

bool FaultyFiles::Read(HANDLE file, void* data, DWORD size, DWORD& read) {
    return !Injects("Read") && real.Read(file, data, size, read);
}

bool FaultyFiles::Size(HANDLE file, LONGLONG& size) { return !Injects("Size") && real.Size(file, size); }

bool FaultyFiles::Flush(HANDLE file) {
    const bool fails = Injects("Flush");
    return real.Flush(file) && !fails;
}

bool FaultyFiles::Close(HANDLE file) {
    const bool fails = Injects("Close");
    return real.Close(file) && !fails;
}

bool FaultyFiles::Replace(const char* target, const char* replacement, const char* backup) {
    if (Injects("Replace")) return false;
    if (replaceError == 0) return real.Replace(target, replacement, backup);
    // Only this failure moves a file: the old one is under the backup name,
    // the new one could not follow it. After the others, with a backup name
    // given, all three are where they were, unless the old file is to be
    // moved aside all the same.
    if (replaceError == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 || movesAside) real.Move(target, backup);
    ::SetLastError(replaceError);
    return false;
}

bool FaultyFiles::Move(const char* from, const char* to) { return !Injects("Move") && real.Move(from, to); }

bool FaultyFiles::Delete(const char* name) { return !Injects("Delete") && real.Delete(name); }

Presence FaultyFiles::Find(const char* name) { return Injects("Find") ? Presence::Unknown : real.Find(name); }

bool FaultyFiles::Injects(const char* call) {
    if (!Fails(call)) return false;
    ::SetLastError(ERROR_ACCESS_DENIED);
    return true;
}

}  // namespace stenvik::win32::tests
