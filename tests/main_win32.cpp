#include <gtest/gtest.h>

#include "platform/headless/HeadlessPlatform.h"
#include "platform/win32/Win32Platform.h"

// The cross-built tests run the real Win32 system services (files, profiles,
// registry, sockets, clock); questions to the user stay scripted so that the
// tests can answer them.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    InstallHeadlessPlatform();
    InstallWin32SystemServices();
    return RUN_ALL_TESTS();
}
