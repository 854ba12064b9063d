#include "win32/win_exception.h"

#include <gtest/gtest.h>

#include <string_view>

namespace stenvik::win32 {
namespace {

TEST(WinException, KeepsTheErrorCodeOfItsMoment) {
    ::SetLastError(ERROR_ACCESS_DENIED);
    const WinException e("Åtkomst nekad");
    ::SetLastError(0);
    EXPECT_EQ(e.GetError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(std::string_view(e.GetMessageA()), "Åtkomst nekad");
}

TEST(NewHandler, ThrowsOutOfMemory) {
    try {
        NewHandler(64);
        FAIL() << "NewHandler returned";
    } catch (WinException e) {
        EXPECT_EQ(std::string_view(e.GetMessageA()), "Out of memory");
    }
}

}  // namespace
}  // namespace stenvik::win32
