#include "win32/text_file.h"

#include <utility>

#include "win32/sibling_name.h"

namespace stenvik::win32 {

namespace {

// How many of "NAME.new", "NAME.1.new", ... "NAME.99.new" a save tries
// before it gives up.
constexpr int kDerivedNames = 100;

// An open file, closed on every path; Close() reports the outcome where it
// matters, since a failed close can mean data that never reached the disk.
class OpenFile {
public:
    OpenFile(FileSystem& files, HANDLE handle) : _files(files), _handle(handle) {}
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile() {
        if (IsOpen()) _files.Close(_handle);
    }

    bool IsOpen() const { return _handle != INVALID_HANDLE_VALUE; }
    HANDLE Handle() const { return _handle; }
    bool Close() { return _files.Close(std::exchange(_handle, INVALID_HANDLE_VALUE)); }

private:
    FileSystem& _files;
    HANDLE _handle;
};

// Writes all of `text` into the open file and closes it.
bool WriteAll(HANDLE handle, std::string_view text, FileSystem& files) {
    OpenFile file(files, handle);
    const auto size = static_cast<DWORD>(text.size());
    DWORD written = 0;
    return files.Write(file.Handle(), text.data(), size, written) && written == size && files.Flush(file.Handle()) &&
           file.Close();
}

// A complete copy of `text` in a new file beside `fileName`, made without
// touching any file that exists; its name, or nothing when it could not be
// written in full (and then nothing is left of it).
std::optional<std::string> WriteNewCopy(const char* fileName, std::string_view text, FileSystem& files) {
    for (int number = 0; number < kDerivedNames; ++number) {
        auto name = SiblingName(fileName, number, ".new");
        const HANDLE handle = files.Open(name.c_str(), GENERIC_WRITE, 0, CREATE_NEW);
        if (handle == INVALID_HANDLE_VALUE) {
            const DWORD error = files.LastError();
            if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) continue;
            return std::nullopt;
        }
        if (WriteAll(handle, text, files)) return name;
        files.Delete(name.c_str());
        return std::nullopt;
    }
    return std::nullopt;
}

// A name beside `fileName` that nothing has: the replaced file's backup
// takes it, and a backup overwrites whatever has its name.
std::optional<std::string> FreeName(const char* fileName, const char* extension, FileSystem& files) {
    for (int number = 0; number < kDerivedNames; ++number) {
        auto name = SiblingName(fileName, number, extension);
        if (files.Find(name.c_str()) == Presence::Absent) return name;
    }
    return std::nullopt;
}

// Where the old text is once replacing the file has failed; the new text
// is in the new copy in every case.
enum class OldText { InTarget, InBackup, Nowhere, Unknown };

OldText Where(Presence target, Presence backup) {
    if (target == Presence::Present) return OldText::InTarget;
    if (target == Presence::Unknown || backup == Presence::Unknown) return OldText::Unknown;
    return backup == Presence::Present ? OldText::InBackup : OldText::Nowhere;
}

class Save {
public:
    Save(const char* target, std::string newCopy, FileSystem& files)
        : _target(target), _newCopy(std::move(newCopy)), _files(files) {}

    bool Run() {
        const auto backup = FreeName(_target, ".bak", _files);
        if (!backup) {
            // No safe replacement without a name for the old file: nothing
            // has changed, and the new copy goes unless it is the only one.
            if (_files.Find(_target) == Presence::Present) _files.Delete(_newCopy.c_str());
            return false;
        }
        if (_files.Replace(_target, _newCopy.c_str(), backup->c_str())) {
            // The old text is no longer wanted; if it stays, it stays whole.
            _files.Delete(backup->c_str());
            return true;
        }
        return Recover(AfterFailedReplace(_files.LastError(), *backup), *backup);
    }

private:
    // Where the old text is once ReplaceFile has failed, given a backup name.
    // Its word is taken where the recovery only moves files, which never
    // overwrites; where it says the old file is still in place, the new copy
    // would go, so the files are looked at: a system may have moved the old
    // file aside all the same.
    OldText AfterFailedReplace(DWORD error, const std::string& backup) {
        switch (error) {
            case ERROR_UNABLE_TO_MOVE_REPLACEMENT_2: return OldText::InBackup;
            case ERROR_FILE_NOT_FOUND: return OldText::Nowhere;  // no file of that name yet
            default: {
                const Presence target = _files.Find(_target);
                return Where(target, target == Presence::Absent ? _files.Find(backup.c_str()) : Presence::Unknown);
            }
        }
    }

    // Puts the new copy in the file's place if it can, and removes a copy
    // only while another complete one stays: the user never loses both.
    bool Recover(OldText old, const std::string& backup) {
        switch (old) {
            case OldText::InTarget: _files.Delete(_newCopy.c_str()); return false;
            case OldText::InBackup:
                if (_files.Move(_newCopy.c_str(), _target)) {
                    _files.Delete(backup.c_str());
                    return true;
                }
                if (_files.Move(backup.c_str(), _target)) _files.Delete(_newCopy.c_str());
                return false;
            case OldText::Nowhere: return _files.Move(_newCopy.c_str(), _target);
            case OldText::Unknown: return false;
        }
        return false;
    }

    const char* _target;
    std::string _newCopy;
    FileSystem& _files;
};

}  // namespace

bool WriteTextFile(const char* fileName, std::string_view text, FileSystem& files) {
    if (text.size() > MAXDWORD) return false;
    auto newCopy = WriteNewCopy(fileName, text, files);
    return newCopy && Save(fileName, std::move(*newCopy), files).Run();
}

std::optional<std::string> ReadTextFile(const char* fileName, FileSystem& files) {
    OpenFile file(files, files.Open(fileName, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING));
    if (!file.IsOpen()) return std::nullopt;
    LONGLONG size = 0;
    if (!files.Size(file.Handle(), size) || size < 0 || size > kMaxTextFileSize) return std::nullopt;
    std::string text(static_cast<std::size_t>(size), '\0');
    DWORD read = 0;
    if (!files.Read(file.Handle(), text.data(), static_cast<DWORD>(size), read) || read != size) return std::nullopt;
    return text;
}

}  // namespace stenvik::win32
