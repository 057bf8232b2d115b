#include <gtest/gtest.h>

#include "platform/headless/HeadlessPlatform.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    InstallHeadlessPlatform();
    return RUN_ALL_TESTS();
}
