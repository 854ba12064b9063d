#pragma once
// The fixture of the end-to-end tests: a freshly started stenvik.exe.

#include <gtest/gtest.h>

#include <optional>

#include "tests/win32/e2e/running_stenvik.h"

namespace stenvik::win32::tests {

class StenvikTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(program.Started()) << "no dialog within the time allowed"; }

    RunningStenvik program;
};

}  // namespace stenvik::win32::tests
