#include "text_file.h"

#include <utility>

namespace stenvik::win32 {

namespace {

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

// A file that is removed again unless it is kept.
class TempFile {
public:
    TempFile(FileSystem& files, const char* name) : _files(files), _name(name) {}
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile() {
        if (!_kept) _files.Delete(_name);
    }

    void Keep() { _kept = true; }

private:
    FileSystem& _files;
    const char* _name;
    bool _kept = false;
};

// The folder of `fileName` with its trailing separator, or "." for a bare name.
std::string FolderOf(std::string_view fileName) {
    const auto separator = fileName.find_last_of("\\/");
    if (separator == std::string_view::npos) return ".";
    return std::string(fileName.substr(0, separator + 1));
}

bool WriteWhole(const char* fileName, std::string_view text, FileSystem& files) {
    OpenFile file(files, files.Open(fileName, GENERIC_WRITE, 0, TRUNCATE_EXISTING));
    if (!file.IsOpen()) return false;
    const auto size = static_cast<DWORD>(text.size());
    DWORD written = 0;
    return files.Write(file.Handle(), text.data(), size, written) && written == size && files.Flush(file.Handle()) &&
           file.Close();
}

}  // namespace

bool WriteTextFile(const char* fileName, std::string_view text, FileSystem& files) {
    if (text.size() > MAXDWORD) return false;
    char tempName[MAX_PATH] = {};
    if (!files.CreateTempFile(FolderOf(fileName).c_str(), tempName)) return false;
    TempFile temp(files, tempName);
    if (!WriteWhole(tempName, text, files)) return false;
    if (!files.Replace(fileName, tempName)) {
        // Either there is no file to replace yet, or the old one is gone and
        // the new one did not take its name: in both cases move it there.
        const DWORD error = files.LastError();
        if (error != ERROR_FILE_NOT_FOUND && error != ERROR_UNABLE_TO_MOVE_REPLACEMENT) return false;
        if (!files.Move(tempName, fileName)) return false;
    }
    temp.Keep();
    return true;
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
