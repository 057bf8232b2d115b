#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "core/Fatal.h"
#include "core/String.h"
#include "platform/Ask.h"

namespace {

// The hook runs in the dying child; it reports what it saw on stderr for the parent's
// regular expression.
const char* gExpected = nullptr;
void ReportIfExpected(const char* message) {
    std::fputs(std::strcmp(message, gExpected) == 0 ? "hook-saw-expected" : "hook-saw-other",
               stderr);
}

void ThrowingHandler(const char*, void*) { throw std::runtime_error("cannot save"); }
void CountingHandler(const char*, void* context) { ++*static_cast<int*>(context); }
void ReentrantHandler(const char*, void*) { Fatal("second"); }

int gCalls = 0;
void ReportCalls(const char*) { std::fprintf(stderr, "calls=%d", gCalls); }

class FatalDeathTest : public testing::Test {
protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

}  // namespace

TEST_F(FatalDeathTest, CheckedStringIndexNamesModuleAndLine) {
    EXPECT_EXIT(
        {
            gExpected = "Internal Fatal Error\r\nModule: cv_core\r\nLine: 11499";
            SetFatalHook(ReportIfExpected);
            String s("abc");
            s.At(3);
        },
        testing::ExitedWithCode(1), "hook-saw-expected");
    EXPECT_EXIT(
        {
            gExpected = "Internal Fatal Error\r\nModule: cv_core\r\nLine: 11499";
            SetFatalHook(ReportIfExpected);
            String().SetAt(0, 'x');
        },
        testing::ExitedWithCode(1), "hook-saw-expected");
}

TEST_F(FatalDeathTest, AServiceNobodyInstalledIsAFatalError) {
    EXPECT_EXIT(
        {
            InstallAsk(nullptr);
            TheAsk();
        },
        testing::ExitedWithCode(1), "No question asker installed");
}

TEST_F(FatalDeathTest, WithoutHookTheMessageGoesToStderr) {
    EXPECT_EXIT(Fatal("disk %s is %d%% full", "C:", 99), testing::ExitedWithCode(1),
                "disk C: is 99% full");
}

TEST_F(FatalDeathTest, LongMessagesAreCutToTheWorkArea) {
    EXPECT_EXIT(
        {
            SetFatalHook([](const char* message) {
                std::fprintf(stderr, "length=%d", int(std::strlen(message)));
            });
            Fatal("%5000d", 1);
        },
        testing::ExitedWithCode(1), "length=4095");
}

TEST_F(FatalDeathTest, HandlersRunBeforeTheHookAndFailingOnesAreSkipped) {
    EXPECT_EXIT(
        {
            RegisterFatalHandler(ThrowingHandler, nullptr);
            RegisterFatalHandler(CountingHandler, &gCalls);
            RegisterFatalHandler(CountingHandler, &gCalls);
            UnregisterFatalHandler(CountingHandler, &gCalls);
            SetFatalHook(ReportCalls);
            Fatal("x");
        },
        testing::ExitedWithCode(1), "calls=1");
}

TEST_F(FatalDeathTest, AtMostOneHundredHandlerCalls) {
    EXPECT_EXIT(
        {
            int registered = 0;
            while (RegisterFatalHandler(CountingHandler, &gCalls)) ++registered;
            std::fprintf(stderr, "registered=%d ", registered);
            SetFatalHook(ReportCalls);
            Fatal("x");
        },
        testing::ExitedWithCode(1), "registered=128 calls=100");
}

TEST_F(FatalDeathTest, FatalInsideAHandlerEndsAtOnce) {
    EXPECT_EXIT(
        {
            RegisterFatalHandler(ReentrantHandler, nullptr);
            SetFatalHook([](const char*) { std::fputs("hook-ran", stderr); });
            Fatal("first");
        },
        testing::ExitedWithCode(1), "^$");
}
