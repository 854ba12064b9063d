// Saving and loading under failure: every system call of a save is made to
// fail in turn, after every outcome ReplaceFile documents, and after each
// run one complete copy, old or new, must be left under the file's name or
// one derived from it, with nothing else beside it.

#include "text_file.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "scratch_folder.h"

namespace stenvik::win32 {
namespace {

using tests::Contents;
using tests::Put;
using tests::ScratchFolder;

// The real file system; the fakes below change only what they are about.
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
    DWORD LastError() override { return real.LastError(); }

protected:
    ~RealFiles() = default;

    FileSystem& real = SystemFiles();
};

// Call number `failAt` fails. A failing close or flush still happens
// underneath, as a real one that reports an error after the fact; every
// other failing call does nothing. Replace fails with `replaceError`
// (unless it is 0), leaving the files as Windows documents for that error.
class FaultyFiles final : public RealFiles {
public:
    FaultyFiles(int failAt, DWORD replaceError = 0) : _failAt(failAt), _replaceError(replaceError) {}

    bool injected = false;
    bool deleteFailed = false;

    HANDLE Open(const char* name, DWORD access, DWORD share, DWORD disposition) override {
        return Fails() ? INVALID_HANDLE_VALUE : real.Open(name, access, share, disposition);
    }
    bool Write(HANDLE file, const void* data, DWORD size, DWORD& written) override {
        return !Fails() && real.Write(file, data, size, written);
    }
    bool Read(HANDLE file, void* data, DWORD size, DWORD& read) override {
        return !Fails() && real.Read(file, data, size, read);
    }
    bool Size(HANDLE file, LONGLONG& size) override { return !Fails() && real.Size(file, size); }
    bool Flush(HANDLE file) override {
        const bool fails = Fails();
        return real.Flush(file) && !fails;
    }
    bool Close(HANDLE file) override {
        const bool fails = Fails();
        return real.Close(file) && !fails;
    }
    bool Replace(const char* target, const char* replacement, const char* backup) override {
        if (Fails()) return false;
        if (_replaceError == 0) return real.Replace(target, replacement, backup);
        // The old file has gone to the backup name and the new one could not
        // follow it; after the other errors all three are where they were.
        if (_replaceError == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
            ::MoveFileExA(target, backup, MOVEFILE_REPLACE_EXISTING);
        }
        ::SetLastError(_replaceError);
        return false;
    }
    bool Move(const char* from, const char* to) override { return !Fails() && real.Move(from, to); }
    bool Delete(const char* name) override {
        if (!Fails()) return real.Delete(name);
        deleteFailed = true;
        return false;
    }

private:
    bool Fails() {
        if (++_calls != _failAt) return false;
        injected = true;
        ::SetLastError(ERROR_ACCESS_DENIED);
        return true;
    }

    int _failAt;
    DWORD _replaceError;
    int _calls = 0;
};

// Writes or reads one byte less than asked, and says so.
class ShortFiles final : public RealFiles {
public:
    bool Write(HANDLE file, const void* data, DWORD size, DWORD& written) override {
        return real.Write(file, data, size - 1, written);
    }
    bool Read(HANDLE file, void* data, DWORD size, DWORD& read) override {
        return real.Read(file, data, size - 1, read);
    }
};

constexpr char kName[] = "rader.txt";
constexpr char kOld[] = "gammal rad\r\n";
constexpr char kNew[] = " Match 1:   1  X \r\n Match 2:   2  1 ";

std::map<std::string, std::string> ContentsOf(const ScratchFolder& folder) {
    std::map<std::string, std::string> files;
    for (const auto& name : folder.Files()) files[name] = Contents(folder.Path(name));
    return files;
}

TEST(WriteTextFile, WritesExactlyTheTextsBytes) {
    ScratchFolder folder;
    const std::string text = "abc\r\n\xE5\xE4\xF6";  // Windows-1252 "åäö", no terminator added
    ASSERT_TRUE(WriteTextFile(folder.Path(kName).c_str(), text, SystemFiles()));
    EXPECT_EQ(Contents(folder.Path(kName)), text);
    EXPECT_EQ(folder.Files(), std::set<std::string>{kName});
}

TEST(WriteTextFile, ReplacesTheWholeOfALongerFile) {
    ScratchFolder folder;
    const auto target = folder.Path(kName);
    Put(target, std::string(5000, 'x'));
    ASSERT_TRUE(WriteTextFile(target.c_str(), "abc", SystemFiles()));
    EXPECT_EQ(Contents(target), "abc");
}

// One way a save can go: whether the file exists, how ReplaceFile ends
// (0: as the system has it) and what the save then reports, and whether an
// earlier save left copies under the first derived names.
struct SaveCase {
    bool targetExists;
    DWORD replaceError;
    bool saves;
};

constexpr SaveCase kSaveCases[] = {
    {false, 0, true},  // ERROR_FILE_NOT_FOUND: the new file is moved to the name
    {true, 0, true},
    {true, ERROR_UNABLE_TO_REMOVE_REPLACED, false},
    {true, ERROR_UNABLE_TO_MOVE_REPLACEMENT, false},
    {true, ERROR_UNABLE_TO_MOVE_REPLACEMENT_2, true},  // the new file is moved to the free name
    {true, ERROR_ACCESS_DENIED, false},
    {true, ERROR_SHARING_VIOLATION, false},
};

// The user's own files with the names a save would choose first.
const std::map<std::string, std::string> kEarlierCopies = {
    {"rader.txt.new", "tidigare rader"}, {"rader.txt.bak", "kopia"}, {"rader.txt.1.bak", "kopia 1"}};

TEST(WriteTextFile, EveryReplaceOutcomeWithEveryCallFailedLeavesOneCompleteCopy) {
    for (const auto& save : kSaveCases) {
        for (const bool namesTaken : {false, true}) {
            int failAt = 1;
            for (bool injected = true; injected; ++failAt) {
                SCOPED_TRACE(testing::Message()
                             << "target exists " << save.targetExists << ", Replace error " << save.replaceError
                             << ", names taken " << namesTaken << ", call " << failAt << " fails");
                ScratchFolder folder;
                if (save.targetExists) Put(folder.Path(kName), kOld);
                if (namesTaken) {
                    for (const auto& [name, text] : kEarlierCopies) Put(folder.Path(name), text);
                }
                FaultyFiles files(failAt, save.replaceError);

                const bool saved = WriteTextFile(folder.Path(kName).c_str(), kNew, files);

                injected = files.injected;
                auto left = ContentsOf(folder);
                if (namesTaken) {
                    for (const auto& [name, text] : kEarlierCopies) {
                        EXPECT_EQ(left[name], text) << name;
                        left.erase(name);
                    }
                }
                const auto named = left.find(kName);
                const bool holdsNew = named != left.end() && named->second == kNew;
                EXPECT_EQ(saved, holdsNew);
                if (!injected) {
                    EXPECT_EQ(saved, save.saves);
                }
                bool copyLeft = false;
                for (const auto& [name, text] : left) {
                    EXPECT_TRUE(name.starts_with(kName)) << name;
                    copyLeft = copyLeft || text == kOld || text == kNew;
                    // Only a reserved name that could not be removed again is empty.
                    EXPECT_TRUE(text == kOld || text == kNew || (text.empty() && files.deleteFailed)) << name;
                }
                if (named != left.end()) {
                    EXPECT_EQ(named->second, saved ? kNew : kOld);
                    // The file holds a complete text: any other copy is one
                    // whose removal failed.
                    if (!files.deleteFailed) {
                        EXPECT_EQ(left.size(), 1u);
                    }
                }
                if (save.targetExists) {
                    EXPECT_TRUE(copyLeft) << "no complete copy is left";
                }
            }
            // Every save creates, writes, flushes, closes, reserves and
            // replaces before anything can be left to fail.
            EXPECT_GE(failAt, 9);
        }
    }
}

TEST(WriteTextFile, ANameTooLongForItsSiblingsIsSavedUnderShorterOnes) {
    ScratchFolder folder;
    const auto target = folder.Path(std::string(MAX_PATH - 1 - folder.Path("").size(), 'r'));
    Put(target, kOld);
    ASSERT_TRUE(WriteTextFile(target.c_str(), kNew, SystemFiles()));
    EXPECT_EQ(Contents(target), kNew);
    EXPECT_EQ(folder.Files().size(), 1u);
}

TEST(WriteTextFile, AShortWriteIsAFailure) {
    ScratchFolder folder;
    const auto target = folder.Path(kName);
    Put(target, kOld);
    ShortFiles files;
    EXPECT_FALSE(WriteTextFile(target.c_str(), kNew, files));
    EXPECT_EQ(Contents(target), kOld);
    EXPECT_EQ(folder.Files(), std::set<std::string>{kName});
}

TEST(WriteTextFile, AMissingFolderIsAFailure) {
    ScratchFolder folder;
    EXPECT_FALSE(WriteTextFile(folder.Path("saknas\\rader.txt").c_str(), kNew, SystemFiles()));
    EXPECT_TRUE(folder.Files().empty());
}

TEST(ReadTextFile, ReadsEveryByte) {
    ScratchFolder folder;
    const std::string bytes("X\r\n\0\xE5", 5);
    Put(folder.Path("in.txt"), bytes);
    EXPECT_EQ(ReadTextFile(folder.Path("in.txt").c_str(), SystemFiles()), bytes);
    Put(folder.Path("empty.txt"), "");
    EXPECT_EQ(ReadTextFile(folder.Path("empty.txt").c_str(), SystemFiles()), "");
    EXPECT_EQ(ReadTextFile(folder.Path("saknas.txt").c_str(), SystemFiles()), std::nullopt);
}

TEST(ReadTextFile, EveryFailureIsReported) {
    ScratchFolder folder;
    Put(folder.Path("in.txt"), kOld);
    for (int failAt = 1;; ++failAt) {
        SCOPED_TRACE(testing::Message() << "call " << failAt << " fails");
        FaultyFiles files(failAt);
        const auto text = ReadTextFile(folder.Path("in.txt").c_str(), files);
        if (!files.injected) {
            EXPECT_EQ(text, kOld);
            break;
        }
        // The close after a whole read does not matter to the text.
        if (failAt < 4) {
            EXPECT_EQ(text, std::nullopt);
        }
    }
}

TEST(ReadTextFile, AShortReadIsAFailure) {
    ScratchFolder folder;
    Put(folder.Path("in.txt"), kOld);
    ShortFiles files;
    EXPECT_EQ(ReadTextFile(folder.Path("in.txt").c_str(), files), std::nullopt);
}

// Reports a size past 4 GiB whose low 32 bits are small.
class HugeFiles final : public RealFiles {
public:
    bool Size(HANDLE, LONGLONG& size) override {
        size = 0x1'0000'0003;
        return true;
    }
};

TEST(ReadTextFile, AFileTooLongForTheRowsBoxIsAFailure) {
    ScratchFolder folder;
    Put(folder.Path("in.txt"), "abc");
    HugeFiles files;
    EXPECT_EQ(ReadTextFile(folder.Path("in.txt").c_str(), files), std::nullopt);
}

}  // namespace
}  // namespace stenvik::win32
