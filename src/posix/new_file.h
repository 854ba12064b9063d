#pragma once
// A file's new content while it is being written, in the folder it will be
// saved in. Where the file system has unnamed files (O_TMPFILE) it has no
// name at all until it is complete, so a killed save leaves nothing behind;
// elsewhere it has a short random name, whatever the length of the name it
// will take, and one planted file cannot block it. Until Commit, destroying
// it leaves no trace.

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <system_error>

#include "posix/posix_files.h"

namespace stenvik::posix {

class NewFile {
public:
    explicit NewFile(PosixFiles& files) : _files(files) {}
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;
    ~NewFile();

    // `mode` as for open(2): narrowed by the umask.
    [[nodiscard]] std::error_code Create(const std::filesystem::path& folder, mode_t mode);
    int fd() const { return _fd; }

    // Puts the complete file on disk and gives it the name `target` in the
    // same folder, over the file there when `replace`. A new unnamed file is
    // linked, which keeps a file that has taken the name meanwhile; a named
    // one is renamed, as file systems without unnamed files may lack links.
    [[nodiscard]] std::error_code Commit(const std::filesystem::path& target, bool replace);

private:
    [[nodiscard]] std::error_code Link(const std::filesystem::path& name);
    [[nodiscard]] std::error_code LinkUnderShortName();

    PosixFiles& _files;
    int _fd = -1;
    std::filesystem::path _folder;
    std::optional<std::filesystem::path> _name;  // the name it has in the folder, if any
};

}  // namespace stenvik::posix
