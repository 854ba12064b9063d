#include "text_file.h"

#include <utility>

#include "sibling_name.h"

namespace stenvik::win32 {

namespace {

constexpr char kNewExtension[] = ".new";
constexpr char kBackupExtension[] = ".bak";
// An earlier failed save may have left its copies under the first names,
// each perhaps the only copy of its text: they are never reused.
constexpr int kMaxSiblings = 100;

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

struct Sibling {
    std::string name;
    HANDLE handle = INVALID_HANDLE_VALUE;
};

// A new, empty file beside `fileName` under the first free sibling name:
// made only where no file is, so that nothing of the user's is overwritten.
Sibling CreateSibling(const char* fileName, const char* extension, FileSystem& files) {
    for (int index = 0; index < kMaxSiblings; ++index) {
        Sibling sibling{SiblingName(fileName, index, extension)};
        if (sibling.name.empty()) break;
        sibling.handle = files.Open(sibling.name.c_str(), GENERIC_WRITE, 0, CREATE_NEW);
        if (sibling.handle != INVALID_HANDLE_VALUE) return sibling;
        const DWORD error = files.LastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) break;
    }
    return {};
}

bool WriteWhole(HANDLE handle, std::string_view text, FileSystem& files) {
    OpenFile file(files, handle);
    const auto size = static_cast<DWORD>(text.size());
    DWORD written = 0;
    return files.Write(file.Handle(), text.data(), size, written) && written == size && files.Flush(file.Handle()) &&
           file.Close();
}

// The new text, complete under `fresh`, takes the place of `fileName`; the
// old file, if any, goes to `backup` (reserved, empty) and is removed once
// the new text is in place. When that fails, every file is left where
// ReplaceFile's error says it is, and a copy is removed only when the file
// still holds a complete text: what is not under `fileName` stays under
// `fresh` or `backup`, to be found beside it.
bool PutInPlace(const char* fileName, const char* fresh, const char* backup, FileSystem& files) {
    if (files.Replace(fileName, fresh, backup)) {
        files.Delete(backup);
        return true;
    }
    switch (files.LastError()) {
        case ERROR_FILE_NOT_FOUND: {
            // Nothing to replace yet: the new file takes the free name. If it
            // cannot, it is the only copy of the text and stays.
            const bool moved = files.Move(fresh, fileName);
            files.Delete(backup);
            return moved;
        }
        case ERROR_UNABLE_TO_MOVE_REPLACEMENT_2:
            // The old text is under `backup`, the new one under `fresh` and
            // nothing under the file's name: the new one, or else the old one,
            // takes it, and the other goes only then.
            if (files.Move(fresh, fileName)) {
                files.Delete(backup);
                return true;
            }
            if (files.Move(backup, fileName)) files.Delete(fresh);
            return false;
        default:
            // ERROR_UNABLE_TO_REMOVE_REPLACED, ERROR_UNABLE_TO_MOVE_REPLACEMENT
            // (a backup name given) and every other failure: all three files
            // are where they were, the old text under the file's name.
            files.Delete(fresh);
            files.Delete(backup);
            return false;
    }
}

}  // namespace

bool WriteTextFile(const char* fileName, std::string_view text, FileSystem& files) {
    if (text.size() > MAXDWORD) return false;
    const auto fresh = CreateSibling(fileName, kNewExtension, files);
    if (fresh.handle == INVALID_HANDLE_VALUE) return false;
    if (!WriteWhole(fresh.handle, text, files)) {
        files.Delete(fresh.name.c_str());
        return false;
    }
    // ReplaceFile overwrites a backup file: the name is taken first, so that
    // it is never one of the user's.
    const auto backup = CreateSibling(fileName, kBackupExtension, files);
    if (backup.handle == INVALID_HANDLE_VALUE) {
        files.Delete(fresh.name.c_str());
        return false;
    }
    // Empty, and only a name: a failed close loses nothing.
    files.Close(backup.handle);
    return PutInPlace(fileName, fresh.name.c_str(), backup.name.c_str(), files);
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
