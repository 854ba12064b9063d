// Saving and loading under failure: every system call of a save is made to
// fail in turn, and every outcome ReplaceFile documents is played through
// with the calls after it failing too, as is the old file moved aside under
// an error that says it stayed. After each run one complete copy, old or
// new, is left under the file's name or one derived from it, nothing else is
// left beside it, and the save is reported done only when the file holds the
// new text.

#include "win32/text_file.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/win32/faulty_files.h"
#include "tests/win32/scratch_folder.h"

namespace stenvik::win32 {
namespace {

using tests::Contents;
using tests::FaultyFiles;
using tests::Put;
using tests::RealFiles;
using tests::ScratchFolder;

constexpr char kName[] = "rader.txt";
constexpr char kOld[] = "gammal rad\r\n";
constexpr char kNew[] = " Match 1:   1  X \r\n Match 2:   2  1 ";

// A name whose path fits MAX_PATH while the copies beside it do not.
std::string LongName(const ScratchFolder& folder) { return std::string(MAX_PATH - 2 - folder.Path("").size(), 'r'); }

// The files in the folder with their contents, each by what follows
// `fileName` in its name ("" for the file itself, ".1.new", ...).
std::map<std::string, std::string> FilesBeside(const ScratchFolder& folder, const std::string& fileName) {
    std::map<std::string, std::string> files;
    for (const auto& name : folder.Files()) {
        const auto key = name.starts_with(fileName) ? name.substr(fileName.size()) : "unrelated " + name;
        files[key] = Contents(folder.Path(name));
    }
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
    EXPECT_EQ(folder.Files(), std::set<std::string>{kName});
}

TEST(WriteTextFile, EveryFailedCallLeavesOneWholeCopy) {
    for (const bool targetExists : {true, false}) {
        int failAt = 1;
        for (;; ++failAt) {
            SCOPED_TRACE(testing::Message() << "target exists " << targetExists << ", call " << failAt << " fails");
            ScratchFolder folder;
            const auto target = folder.Path(kName);
            if (targetExists) Put(target, kOld);
            FaultyFiles files;
            files.failAt = failAt;

            const bool saved = WriteTextFile(target.c_str(), kNew, files);

            EXPECT_EQ(Contents(target), saved ? kNew : targetExists ? kOld : "(none)");
            if (files.failed.empty()) {
                EXPECT_TRUE(saved);
                EXPECT_EQ(folder.Files(), std::set<std::string>{kName});
                break;
            }
            // A copy beside the file is left only as the one copy of the
            // new text, or when removing it failed.
            const bool deleteFailed = files.failed.contains("Delete 1");
            for (const auto& [name, text] : FilesBeside(folder, kName)) {
                if (name.empty()) continue;
                EXPECT_TRUE(text == kOld || text == kNew) << name;
                EXPECT_TRUE(deleteFailed || (text == kNew && !targetExists && !saved)) << name;
            }
        }
        // The new file's open, write, flush and close, the look for a free
        // backup name, the replace and the removal of the backup (or, with
        // no file yet, the move): every one of them was failed once.
        EXPECT_GE(failAt, 8);
    }
}

// What ReplaceFile's outcome, and failures of the calls after it, leave.
struct Outcome {
    const char* what;
    bool targetExists;
    DWORD replaceError;  // 0: the real outcome
    std::set<std::string> failing;
    bool saved;
    std::map<std::string, std::string> left;  // by what follows the file's name
    bool movesAside = false;                  // the old file goes to the backup whatever the error
};

constexpr DWORD kNotRemoved = ERROR_UNABLE_TO_REMOVE_REPLACED;    // all three where they were
constexpr DWORD kNotMoved = ERROR_UNABLE_TO_MOVE_REPLACEMENT;     // all three where they were
constexpr DWORD kNotMoved2 = ERROR_UNABLE_TO_MOVE_REPLACEMENT_2;  // the old file is the backup
constexpr bool kAside = true;

const std::vector<Outcome> kOutcomes = {
    {"replaced", true, 0, {}, true, {{"", kNew}}},
    {"replaced, backup kept", true, 0, {"Delete 1"}, true, {{"", kNew}, {".bak", kOld}}},
    {"no file yet", false, ERROR_FILE_NOT_FOUND, {}, true, {{"", kNew}}},
    {"no file yet, not moved", false, ERROR_FILE_NOT_FOUND, {"Move 1"}, false, {{".new", kNew}}},
    {"old not removed", true, kNotRemoved, {}, false, {{"", kOld}}},
    {"old not removed, new kept", true, kNotRemoved, {"Delete 1"}, false, {{"", kOld}, {".new", kNew}}},
    {"new not moved", true, kNotMoved, {}, false, {{"", kOld}}},
    {"new not moved, nor removed", true, kNotMoved, {"Delete 1"}, false, {{"", kOld}, {".new", kNew}}},
    {"old backed up, new moved after", true, kNotMoved2, {}, true, {{"", kNew}}},
    {"old backed up, new moved, backup kept", true, kNotMoved2, {"Delete 1"}, true, {{"", kNew}, {".bak", kOld}}},
    {"old backed up and put back", true, kNotMoved2, {"Move 1"}, false, {{"", kOld}}},
    {"old put back, new kept", true, kNotMoved2, {"Move 1", "Delete 1"}, false, {{"", kOld}, {".new", kNew}}},
    {"old backed up, neither moves", true, kNotMoved2, {"Move 1", "Move 2"}, false, {{".bak", kOld}, {".new", kNew}}},
    {"old not removed, yet moved aside", true, kNotRemoved, {}, true, {{"", kNew}}, kAside},
    {"new not moved, yet old moved aside", true, kNotMoved, {}, true, {{"", kNew}}, kAside},
    {"moved aside, backup kept", true, kNotMoved, {"Delete 1"}, true, {{"", kNew}, {".bak", kOld}}, kAside},
    {"moved aside and put back", true, kNotRemoved, {"Move 1"}, false, {{"", kOld}}, kAside},
    {"aside, neither moves", true, kNotMoved, {"Move 1", "Move 2"}, false, {{".bak", kOld}, {".new", kNew}}, kAside},
    {"moved aside, not found out", true, kNotRemoved, {"Find 2"}, false, {{".bak", kOld}, {".new", kNew}}, kAside},
    {"refused", true, ERROR_ACCESS_DENIED, {}, false, {{"", kOld}}},
    {"refused, new kept", true, ERROR_ACCESS_DENIED, {"Delete 1"}, false, {{"", kOld}, {".new", kNew}}},
    {"refused, file not found out", true, ERROR_ACCESS_DENIED, {"Find 2"}, false, {{"", kOld}, {".new", kNew}}},
    {"refused, no file yet", false, ERROR_ACCESS_DENIED, {}, true, {{"", kNew}}},
    {"refused, no file yet, not moved", false, ERROR_ACCESS_DENIED, {"Move 1"}, false, {{".new", kNew}}},
};

TEST(WriteTextFile, EveryReplaceOutcomeLeavesOneWholeCopy) {
    for (const auto& outcome : kOutcomes) {
        for (const bool longName : {false, true}) {
            SCOPED_TRACE(testing::Message() << outcome.what << (longName ? ", name near MAX_PATH" : ""));
            ScratchFolder folder;
            const auto name = longName ? LongName(folder) : std::string(kName);
            const auto target = folder.Path(name);
            if (outcome.targetExists) Put(target, kOld);
            FaultyFiles files;
            files.replaceError = outcome.replaceError;
            files.movesAside = outcome.movesAside;
            files.failing = outcome.failing;

            EXPECT_EQ(WriteTextFile(target.c_str(), kNew, files), outcome.saved);
            EXPECT_EQ(files.failed, outcome.failing);
            EXPECT_EQ(FilesBeside(folder, name), outcome.left);
        }
    }
}

TEST(WriteTextFile, NeverOverwritesAFileUnderADerivedName) {
    const std::map<std::string, std::string> earlier = {{".new", "tidigare rader"}, {".bak", "kopia"}};
    struct Case {
        std::set<std::string> failing;
        bool saved;
        std::map<std::string, std::string> left;
    };
    const Case cases[] = {
        {{}, true, {{"", kNew}}},
        {{"Move 1", "Move 2"}, false, {{".1.bak", kOld}, {".1.new", kNew}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.failing.size() << " moves fail");
        ScratchFolder folder;
        Put(folder.Path(kName), kOld);
        for (const auto& [suffix, text] : earlier) Put(folder.Path(kName + suffix), text);
        FaultyFiles files;
        files.replaceError = c.failing.empty() ? 0 : ERROR_UNABLE_TO_MOVE_REPLACEMENT_2;
        files.failing = c.failing;

        EXPECT_EQ(WriteTextFile(folder.Path(kName).c_str(), kNew, files), c.saved);
        auto left = c.left;
        left.insert(earlier.begin(), earlier.end());
        EXPECT_EQ(FilesBeside(folder, kName), left);
    }
}

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
        FaultyFiles files;
        files.failAt = failAt;
        const auto text = ReadTextFile(folder.Path("in.txt").c_str(), files);
        if (files.failed.empty()) {
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
