// The dialog template compiled into stenvik.exe against the core's dialog
// table: frame, font, and every control's class, style, identifier, text and
// rectangle, in template order. Also the icons, version and manifest.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/codepage.h"
#include "core/dialog_table.h"
#include "core/rc.h"
#include "core/result_dialog_table.h"
#include "tests/win32/program_path.h"

namespace stenvik::win32 {
namespace {

// Reads an extended dialog template (DLGTEMPLATEEX and its DLGITEMTEMPLATEEX
// items) field by field.
class TemplateReader {
public:
    TemplateReader(const std::uint8_t* data, std::size_t size) : _data(data), _size(size) {}

    template <typename T>
    T Take() {
        if (_pos + sizeof(T) > _size) throw std::out_of_range("template ends early");
        T value;
        std::memcpy(&value, _data + _pos, sizeof(T));
        _pos += sizeof(T);
        return value;
    }
    // A zero-terminated UTF-16 string, as UTF-8.
    std::string Text() {
        std::u16string text;
        for (char16_t unit = Take<char16_t>(); unit != 0; unit = Take<char16_t>()) text += unit;
        std::string utf8(text.size() * 3 + 1, '\0');
        const int length = ::WideCharToMultiByte(CP_UTF8, 0, reinterpret_cast<const wchar_t*>(text.c_str()),
                                                 static_cast<int>(text.size()), utf8.data(),
                                                 static_cast<int>(utf8.size()), nullptr, nullptr);
        utf8.resize(static_cast<std::size_t>(length));
        return utf8;
    }
    // A string or an ordinal (0xFFFF and a number); predefined classes come as ordinals.
    std::string TextOrOrdinal() {
        const std::size_t start = _pos;
        if (Take<std::uint16_t>() != 0xFFFF) {
            _pos = start;
            return Text();
        }
        switch (const auto ordinal = Take<std::uint16_t>()) {
            case 0x80: return "BUTTON";
            case 0x81: return "EDIT";
            case 0x82: return "STATIC";
            default: return "#" + std::to_string(ordinal);
        }
    }
    // x, y, width, height in dialog units, as text for readable failures.
    std::string TakeRect() {
        const auto x = Take<std::int16_t>();
        const auto y = Take<std::int16_t>();
        const auto cx = Take<std::int16_t>();
        const auto cy = Take<std::int16_t>();
        return Text(dialog::Rect{x, y, cx, cy});
    }
    static std::string Text(const dialog::Rect& rect) {
        return std::to_string(rect.x) + "," + std::to_string(rect.y) + " " + std::to_string(rect.cx) + "x" +
               std::to_string(rect.cy);
    }
    void AlignTo4() { _pos = (_pos + 3) & ~std::size_t{3}; }

private:
    const std::uint8_t* _data;
    std::size_t _size;
    std::size_t _pos = 0;
};

std::string Text(const dialog::Rect& rect) { return TemplateReader::Text(rect); }

std::string Utf8(std::u8string_view text) { return std::string(AsChars(text)); }

class ProgramResources : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(_module, nullptr) << tests::ProgramPath(); }
    void TearDown() override {
        if (_module != nullptr) ::FreeLibrary(_module);
    }

    std::pair<const std::uint8_t*, std::size_t> Resource(int id, LPCSTR type) const {
        const HRSRC found = ::FindResourceA(_module, MAKEINTRESOURCEA(id), type);
        if (found == nullptr) return {nullptr, 0};
        return {static_cast<const std::uint8_t*>(::LockResource(::LoadResource(_module, found))),
                ::SizeofResource(_module, found)};
    }

    HMODULE _module = ::LoadLibraryExA(tests::ProgramPath().c_str(), nullptr,
                                       LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
};

// The template's header: the frame, the number of items and the font.
void ExpectFrame(TemplateReader& dialog, const dialog::Frame& frame, const std::string& caption, std::size_t items) {
    EXPECT_EQ(dialog.Take<std::uint16_t>(), 1);       // version
    EXPECT_EQ(dialog.Take<std::uint16_t>(), 0xFFFF);  // extended template
    EXPECT_EQ(dialog.Take<std::uint32_t>(), 0u);      // help identifier
    EXPECT_EQ(dialog.Take<std::uint32_t>(), frame.exStyle);
    EXPECT_EQ(dialog.Take<std::uint32_t>(), frame.style);
    const auto count = dialog.Take<std::uint16_t>();
    ASSERT_EQ(count, items);
    EXPECT_EQ(dialog.TakeRect(), Text(frame.rect));
    EXPECT_EQ(dialog.TextOrOrdinal(), "");  // no menu
    EXPECT_EQ(dialog.TextOrOrdinal(), "");  // the standard dialog class
    EXPECT_EQ(dialog.Text(), caption);
    EXPECT_EQ(dialog.Take<std::uint16_t>(), frame.pointSize);
    EXPECT_EQ(dialog.Take<std::uint16_t>(), FW_NORMAL);
    EXPECT_EQ(dialog.Take<std::uint8_t>(), 0);  // not italic
    EXPECT_EQ(dialog.Take<std::uint8_t>(), DEFAULT_CHARSET);
    EXPECT_EQ(dialog.Text(), Utf8(frame.font));
}

void ExpectItem(TemplateReader& dialog, std::string_view className, int id, std::u8string_view text,
                const dialog::Rect& rect, std::uint32_t style) {
    SCOPED_TRACE(Utf8(text) + " " + std::to_string(id));
    dialog.AlignTo4();
    EXPECT_EQ(dialog.Take<std::uint32_t>(), 0u);  // help identifier
    EXPECT_EQ(dialog.Take<std::uint32_t>(), 0u);  // extended style
    EXPECT_EQ(dialog.Take<std::uint32_t>(), style);
    EXPECT_EQ(dialog.TakeRect(), Text(rect));
    // "No identifier" is 0xFFFF, -1 as a 16-bit value.
    EXPECT_EQ(dialog.Take<std::uint32_t>(), static_cast<std::uint16_t>(id));
    EXPECT_EQ(dialog.TextOrOrdinal(), className);
    EXPECT_EQ(dialog.TextOrOrdinal(), Utf8(text));
    EXPECT_EQ(dialog.Take<std::uint16_t>(), 0);  // no creation data
}

TEST_F(ProgramResources, DialogMatchesTheTable) {
    const auto [data, size] = Resource(rc::kDialog, MAKEINTRESOURCEA(5));  // RT_DIALOG
    ASSERT_NE(data, nullptr);
    TemplateReader dialog(data, size);
    ASSERT_NO_FATAL_FAILURE(ExpectFrame(dialog, dialog::kFrame, dialog::CaptionUtf8(), dialog::kControls.size()));
    for (const auto& control : dialog::kControls) {
        ExpectItem(dialog, dialog::ClassOf(control.kind), control.id, control.text, control.rect,
                   dialog::StyleOf(control));
    }
}

// Its prompt spans two lines, which the resource compiler has to keep.
TEST_F(ProgramResources, ResultDialogMatchesItsTable) {
    const auto& frame = dialog::result::kFrame;
    const auto [data, size] = Resource(frame.id, MAKEINTRESOURCEA(5));  // RT_DIALOG
    ASSERT_NE(data, nullptr);
    TemplateReader dialog(data, size);
    ASSERT_NO_FATAL_FAILURE(ExpectFrame(dialog, frame, Utf8(frame.captionStart), dialog::result::kItems.size()));
    for (const auto& item : dialog::result::kItems) {
        ExpectItem(dialog, item.className, item.id, item.text, item.rect, item.style);
    }
}

TEST_F(ProgramResources, IconsVersionAndManifestAreThere) {
    EXPECT_NE(Resource(rc::kIconLarge, MAKEINTRESOURCEA(14)).first, nullptr);  // RT_GROUP_ICON
    EXPECT_NE(Resource(rc::kIconSmall, MAKEINTRESOURCEA(14)).first, nullptr);
    EXPECT_NE(Resource(1, MAKEINTRESOURCEA(16)).first, nullptr);  // RT_VERSION

    const auto [manifest, size] = Resource(1, MAKEINTRESOURCEA(24));  // RT_MANIFEST
    ASSERT_NE(manifest, nullptr);
    const std::string text(reinterpret_cast<const char*>(manifest), size);
    for (const char* wanted : {"Microsoft.Windows.Common-Controls", "PerMonitorV2", "asInvoker"}) {
        EXPECT_NE(text.find(wanted), std::string::npos) << wanted;
    }
}

// The large icon holds 32x32 and 48x48 images, the small one 32x32.
TEST_F(ProgramResources, IconSizes) {
    struct Case {
        int id;
        std::vector<int> sizes;
    };
    for (const auto& [id, sizes] : {Case{rc::kIconLarge, {32, 48}}, Case{rc::kIconSmall, {32}}}) {
        const auto [group, size] = Resource(id, MAKEINTRESOURCEA(14));
        ASSERT_NE(group, nullptr);
        TemplateReader reader(group, size);
        reader.Take<std::uint16_t>();  // reserved
        reader.Take<std::uint16_t>();  // type: icon
        std::vector<int> found;
        for (auto images = reader.Take<std::uint16_t>(); images > 0; --images) {
            found.push_back(reader.Take<std::uint8_t>());  // width
            reader.Take<std::uint8_t>();                   // height
            reader.Take<std::uint8_t>();                   // colours
            reader.Take<std::uint8_t>();                   // reserved
            reader.Take<std::uint16_t>();                  // planes
            reader.Take<std::uint16_t>();                  // bits per pixel
            reader.Take<std::uint32_t>();                  // bytes
            reader.Take<std::uint16_t>();                  // icon identifier
        }
        std::sort(found.begin(), found.end());
        EXPECT_EQ(found, sizes) << id;
    }
}

}  // namespace
}  // namespace stenvik::win32
