// "SPARA raderna" through the platform's real save dialog: the file holds
// exactly the rows box's bytes, an existing file is replaced after the
// question, and a failed save says so and leaves the old file alone.

#include "core/rc.h"
#include "tests/win32/e2e/stenvik_test.h"
#include "tests/win32/scratch_folder.h"

namespace stenvik::win32::tests {
namespace {

class SaveTest : public StenvikTest {
protected:
    // Clicks "SPARA raderna" and returns the save dialog it opens.
    HWND OpenSaveDialog() {
        PostClick(program.Control(rc::kSave));
        HWND dialog = nullptr;
        WaitUntil([&] { return (dialog = OwnedWindow(program.ProcessId(), program.Dialog())) != nullptr; });
        return dialog;
    }

    // Types `path` as the file name, presses the dialog's OK button and, if
    // `replace`, answers the question whether to replace the file with yes.
    void SaveAs(const std::string& path, bool replace = false) {
        const HWND dialog = OpenSaveDialog();
        ASSERT_NE(dialog, nullptr) << "no save dialog";
        ASSERT_TRUE(WaitUntil([&] { return FileNameBox(dialog) != nullptr; }));
        ::SendMessageA(FileNameBox(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
        PostClick(::GetDlgItem(dialog, IDOK));
        if (replace) {
            HWND question = nullptr;
            ASSERT_TRUE(WaitUntil([&] { return (question = OwnedWindow(program.ProcessId(), dialog)) != nullptr; }))
                << "no question whether to replace the file";
            PostClick(::GetDlgItem(question, IDYES));
        }
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(dialog); })) << "the save dialog stayed open";
    }

    // True once the program's save has ended: the folder holds `name` alone,
    // with `size` bytes. Seen without opening the file, since a reader that
    // has it open makes the program's replacing of it fail.
    bool SavedAs(const std::string& name, std::size_t size) const {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        return folder.Files() == std::set<std::string>{name} &&
               ::GetFileAttributesExA(folder.Path(name).c_str(), GetFileExInfoStandard, &data) &&
               (ULONGLONG{data.nFileSizeHigh} << 32 | data.nFileSizeLow) == size;
    }

    static HWND FileNameBox(HWND dialog) {
        // The name box of the explorer-style dialog: a combo box on newer
        // systems, an edit control on older ones.
        constexpr int kNameCombo = 0x47C;  // cmb13 of <dlgs.h>
        constexpr int kNameEdit = 0x480;   // edt1
        if (const HWND combo = ::GetDlgItem(dialog, kNameCombo)) return combo;
        return ::GetDlgItem(dialog, kNameEdit);
    }

    ScratchFolder folder;
};

TEST_F(SaveTest, SavesTheRowsBoxByteForByte) {
    program.Click(rc::kEnkelrader);
    program.Click(rc::kRowCounts[3].id);
    program.Click(rc::kGenerate);
    const auto rows = program.Rows();
    const auto path = folder.Path("rader.txt");

    SaveAs(path);

    ASSERT_TRUE(WaitUntil([&] { return SavedAs("rader.txt", rows.size()); }));
    EXPECT_EQ(Contents(path), rows);
}

TEST_F(SaveTest, AddsTheExtensionToANameWithout) {
    program.Click(rc::kInstructions);
    program.Click(rc::kEnkelrader);
    program.Click(rc::kGenerate);
    const auto rows = program.Rows();

    SaveAs(folder.Path("rader"));

    ASSERT_TRUE(WaitUntil([&] { return SavedAs("rader.txt", rows.size()); }));
    EXPECT_EQ(Contents(folder.Path("rader.txt")), rows);
}

TEST_F(SaveTest, ReplacesAnExistingFileAfterAsking) {
    const auto path = folder.Path("rader.txt");
    Put(path, std::string(10000, 'x'));
    program.Click(rc::kSystem);
    program.Click(rc::kGenerate);
    const auto rows = program.Rows();

    SaveAs(path, true);

    ASSERT_TRUE(WaitUntil([&] { return SavedAs("rader.txt", rows.size()); }));
    EXPECT_EQ(Contents(path), rows);
}

TEST_F(SaveTest, AnEmptyRowsBoxFailsAndLeavesTheOldFile) {
    const auto path = folder.Path("rader.txt");
    Put(path, "gammal");
    program.Click(rc::kSystem);
    program.Click(rc::kGenerate);
    program.SetRows("");

    SaveAs(path, true);

    HWND message = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (message = OwnedWindow(program.ProcessId(), program.Dialog())) != nullptr; }));
    EXPECT_EQ(TextOf(message), "Error");
    EXPECT_NE(ChildWithText(message, "Save file failed."), nullptr);
    PostClick(::GetDlgItem(message, IDOK));
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(message); }));
    EXPECT_EQ(Contents(path), "gammal");
    EXPECT_EQ(folder.Files(), std::set<std::string>{"rader.txt"});
}

TEST_F(SaveTest, CancellingWritesNothing) {
    program.Click(rc::kEnkelrader);
    program.Click(rc::kGenerate);
    const HWND dialog = OpenSaveDialog();
    ASSERT_NE(dialog, nullptr);
    PostClick(::GetDlgItem(dialog, IDCANCEL));
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(dialog); }));
    program.Flush();
    EXPECT_EQ(OwnedWindow(program.ProcessId(), program.Dialog()), nullptr);
    EXPECT_TRUE(folder.Files().empty());
}

}  // namespace
}  // namespace stenvik::win32::tests
