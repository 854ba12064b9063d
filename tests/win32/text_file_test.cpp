// Saving and loading under failure: every system call of a save is made to
// fail in turn, and after each run the file must be all old or all new, with
// no temporary file left behind.

#include "text_file.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "scratch_folder.h"

namespace stenvik::win32 {
namespace {

using tests::Contents;
using tests::Put;
using tests::ScratchFolder;

// The real file system, except that call number `failAt` fails. A failing
// close or flush still happens underneath, as a real one that reports an
// error after the fact; every other failing call does nothing.
class FailingFiles final : public FileSystem {
public:
    explicit FailingFiles(int failAt) : _failAt(failAt) {}

    bool injected = false;

    bool CreateTempFile(const char* folder, char* name) override {
        return !Fails() && real.CreateTempFile(folder, name);
    }
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
    bool Replace(const char* target, const char* replacement) override {
        return !Fails() && real.Replace(target, replacement);
    }
    bool Move(const char* from, const char* to) override { return !Fails() && real.Move(from, to); }
    bool Delete(const char* name) override { return !Fails() && real.Delete(name); }
    DWORD LastError() override { return real.LastError(); }

private:
    bool Fails() {
        if (++_calls != _failAt) return false;
        injected = true;
        ::SetLastError(ERROR_ACCESS_DENIED);
        return true;
    }

    FileSystem& real = SystemFiles();
    int _failAt;
    int _calls = 0;
};

// Writes or reads one byte less than asked, and says so.
class ShortFiles final : public FileSystem {
public:
    bool CreateTempFile(const char* folder, char* name) override { return real.CreateTempFile(folder, name); }
    HANDLE Open(const char* name, DWORD access, DWORD share, DWORD disposition) override {
        return real.Open(name, access, share, disposition);
    }
    bool Write(HANDLE file, const void* data, DWORD size, DWORD& written) override {
        return real.Write(file, data, size - 1, written);
    }
    bool Read(HANDLE file, void* data, DWORD size, DWORD& read) override {
        return real.Read(file, data, size - 1, read);
    }
    bool Size(HANDLE file, LONGLONG& size) override { return real.Size(file, size); }
    bool Flush(HANDLE file) override { return real.Flush(file); }
    bool Close(HANDLE file) override { return real.Close(file); }
    bool Replace(const char* target, const char* replacement) override { return real.Replace(target, replacement); }
    bool Move(const char* from, const char* to) override { return real.Move(from, to); }
    bool Delete(const char* name) override { return real.Delete(name); }
    DWORD LastError() override { return real.LastError(); }

private:
    FileSystem& real = SystemFiles();
};

constexpr char kOld[] = "gammal rad\r\n";
constexpr char kNew[] = " Match 1:   1  X \r\n Match 2:   2  1 ";

TEST(WriteTextFile, WritesExactlyTheTextsBytes) {
    ScratchFolder folder;
    const std::string text = "abc\r\n\xE5\xE4\xF6";  // Windows-1252 "åäö", no terminator added
    ASSERT_TRUE(WriteTextFile(folder.Path("rader.txt").c_str(), text, SystemFiles()));
    EXPECT_EQ(Contents(folder.Path("rader.txt")), text);
    EXPECT_EQ(folder.Files(), std::set<std::string>{"rader.txt"});
}

TEST(WriteTextFile, ReplacesTheWholeOfALongerFile) {
    ScratchFolder folder;
    const auto target = folder.Path("rader.txt");
    Put(target, std::string(5000, 'x'));
    ASSERT_TRUE(WriteTextFile(target.c_str(), "abc", SystemFiles()));
    EXPECT_EQ(Contents(target), "abc");
}

TEST(WriteTextFile, EveryFailureLeavesTheOldFileOrNoneAndNoTemporaryFile) {
    for (const bool targetExists : {true, false}) {
        int failAt = 1;
        for (;; ++failAt) {
            SCOPED_TRACE(testing::Message() << "target exists " << targetExists << ", call " << failAt << " fails");
            ScratchFolder folder;
            const auto target = folder.Path("rader.txt");
            if (targetExists) Put(target, kOld);
            FailingFiles files(failAt);

            const bool saved = WriteTextFile(target.c_str(), kNew, files);

            if (!files.injected) {
                EXPECT_TRUE(saved);
                EXPECT_EQ(Contents(target), kNew);
                EXPECT_EQ(folder.Files(), std::set<std::string>{"rader.txt"});
                break;
            }
            EXPECT_FALSE(saved);
            EXPECT_EQ(Contents(target), targetExists ? kOld : "(none)");
            EXPECT_EQ(folder.Files(), targetExists ? std::set<std::string>{"rader.txt"} : std::set<std::string>{});
        }
        // Temporary file, open, write, flush, close, replace (and a move when
        // there is nothing to replace): every one of them was failed once.
        EXPECT_GE(failAt, 7);
    }
}

TEST(WriteTextFile, AShortWriteIsAFailure) {
    ScratchFolder folder;
    const auto target = folder.Path("rader.txt");
    Put(target, kOld);
    ShortFiles files;
    EXPECT_FALSE(WriteTextFile(target.c_str(), kNew, files));
    EXPECT_EQ(Contents(target), kOld);
    EXPECT_EQ(folder.Files(), std::set<std::string>{"rader.txt"});
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
        FailingFiles files(failAt);
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
class HugeFiles final : public FileSystem {
public:
    bool CreateTempFile(const char*, char*) override { return false; }
    HANDLE Open(const char* name, DWORD access, DWORD share, DWORD disposition) override {
        return real.Open(name, access, share, disposition);
    }
    bool Write(HANDLE, const void*, DWORD, DWORD&) override { return false; }
    bool Read(HANDLE file, void* data, DWORD size, DWORD& read) override { return real.Read(file, data, size, read); }
    bool Size(HANDLE, LONGLONG& size) override {
        size = 0x1'0000'0003;
        return true;
    }
    bool Flush(HANDLE) override { return false; }
    bool Close(HANDLE file) override { return real.Close(file); }
    bool Replace(const char*, const char*) override { return false; }
    bool Move(const char*, const char*) override { return false; }
    bool Delete(const char*) override { return false; }
    DWORD LastError() override { return 0; }

private:
    FileSystem& real = SystemFiles();
};

TEST(ReadTextFile, AFileTooLongForTheRowsBoxIsAFailure) {
    ScratchFolder folder;
    Put(folder.Path("in.txt"), "abc");
    HugeFiles files;
    EXPECT_EQ(ReadTextFile(folder.Path("in.txt").c_str(), files), std::nullopt);
}

}  // namespace
}  // namespace stenvik::win32
