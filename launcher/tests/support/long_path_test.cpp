// The long forms of full paths that the file functions are given beyond
// the ANSI path limit.
#include <gtest/gtest.h>

#include "support/long_path.h"

TEST(LongPathForm, DrivesSharesAndFormsAlreadyLong) {
    EXPECT_EQ(vq::long_path_form(L"C:\\data\\vq.txt"), L"\\\\?\\C:\\data\\vq.txt");
    EXPECT_EQ(vq::long_path_form(L"\\\\server\\share\\vq.txt"), L"\\\\?\\UNC\\server\\share\\vq.txt");
    EXPECT_EQ(vq::long_path_form(L"\\\\?\\C:\\data\\vq.txt"), L"\\\\?\\C:\\data\\vq.txt");
    EXPECT_EQ(vq::long_path_form(L"\\\\.\\pipe\\x"), L"\\\\.\\pipe\\x");
}
