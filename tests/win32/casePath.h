// A path under the temporary folder named after the running test case, so that cases of test
// programs that run at the same time never share a file or folder.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <windows.h>

inline std::string casePath(const char* prefix) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    return std::string(temp) + prefix + ::testing::UnitTest::GetInstance()->current_test_info()->name();
}
