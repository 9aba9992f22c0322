// SPDX-License-Identifier: MIT
// Entry of the core test binaries: no display, no message box.
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
