#include <gtest/gtest.h>

#include "app/CommandLine.h"

namespace {

StartRequest Parse(const char* line, CommandLineResult* result = nullptr) {
    StartRequest request;
    CommandLineResult r = ParseCommandLine(line, request);
    if (result) *result = r;
    else EXPECT_EQ(r.error, CommandLineError::None) << line;
    return request;
}

TEST(CommandLine, EmptyLineAsksForNothing) {
    StartRequest r = Parse("   ");
    EXPECT_TRUE(r.fileName.IsEmpty());
    EXPECT_EQ(r.jumpLine, -1);
    EXPECT_EQ(r.jumpOffset, -1);
    EXPECT_EQ(r.action, StartAction::None);
    EXPECT_TRUE(r.showWindow);
    EXPECT_TRUE(r.keepActionOnLoadFailure);
}

TEST(CommandLine, QuotedPathKeepsItsQuotesAndSpaces) {
    StartRequest r = Parse("\"C:\\My Docs\\a b.txt\" /jl12");
    EXPECT_STREQ(r.fileName.c_str(), "\"C:\\My Docs\\a b.txt\"");
    EXPECT_EQ(r.jumpLine, 12);
    // A quote inside a token runs to the next quote, wherever it starts.
    EXPECT_STREQ(Parse("C:\\x\"y z\"w").fileName.c_str(), "C:\\x\"y z\"w");
    // An unclosed quote takes the rest of the line.
    EXPECT_STREQ(Parse("\"open end").fileName.c_str(), "\"open end");
}

TEST(CommandLine, JumpNumbersStartAtTheFirstDigitOrSign) {
    EXPECT_EQ(Parse("/jl=42").jumpLine, 42);
    EXPECT_EQ(Parse("-JL+7").jumpLine, 7);
    EXPECT_EQ(Parse("/jl").jumpLine, 0);
    EXPECT_EQ(Parse("/jlx").jumpLine, 0);
    EXPECT_EQ(Parse("/jl-3").jumpLine, -1);
    EXPECT_EQ(Parse("/jl.5").jumpLine, 0);
    EXPECT_EQ(Parse("/jo1234").jumpOffset, 1234);
    EXPECT_EQ(Parse("/jo99999999999").jumpOffset, INT32_MAX);
}

TEST(CommandLine, SwitchesAndTheirSideEffects) {
    EXPECT_TRUE(Parse("/LAST").openLast);
    EXPECT_TRUE(Parse("-Cv_New_Version").openLast);
    EXPECT_EQ(Parse("/PC").action, StartAction::PrintWithDialog);
    EXPECT_EQ(Parse("/pd").action, StartAction::PrintDirectly);

    StartRequest a = Parse("/A\"txt\"");
    EXPECT_EQ(a.action, StartAction::Associate);
    EXPECT_STREQ(a.extension.c_str(), "txt");
    EXPECT_FALSE(a.keepActionOnLoadFailure);
    EXPECT_TRUE(a.showWindow);

    StartRequest u = Parse("/uninstall");
    EXPECT_EQ(u.action, StartAction::Uninstall);
    EXPECT_FALSE(u.showWindow);
    EXPECT_FALSE(u.keepActionOnLoadFailure);
}

TEST(CommandLine, PopupEndsTheParse) {
    StartRequest r = Parse("/popup\"Hello there\" /nonsense");
    EXPECT_TRUE(r.popup);
    EXPECT_STREQ(r.popupText.c_str(), "Hello there");
}

TEST(CommandLine, BadSwitchesNameTheTokenWithoutItsSlash) {
    CommandLineResult result;
    Parse("/pc /pd", &result);
    EXPECT_EQ(result.error, CommandLineError::InvalidSwitch);
    EXPECT_STREQ(result.token.c_str(), "pd");

    Parse("/UNINSTALL", &result);
    EXPECT_EQ(result.error, CommandLineError::InvalidSwitch);
    EXPECT_STREQ(result.token.c_str(), "UNINSTALL");

    Parse("/pd /a\"txt\"", &result);
    EXPECT_STREQ(result.token.c_str(), "a\"txt\"");

    Parse("-", &result);
    EXPECT_EQ(result.error, CommandLineError::InvalidSwitch);
    EXPECT_STREQ(result.token.c_str(), "");

    EXPECT_STREQ(CommandLineErrorFormat(CommandLineError::InvalidSwitch),
                 "Invalid command line switch:\r\n%s");
}

TEST(CommandLine, SecondFileNameIsAnInvalidParameter) {
    CommandLineResult result;
    Parse("one.txt /last \"two words.txt\"", &result);
    EXPECT_EQ(result.error, CommandLineError::InvalidParameter);
    EXPECT_STREQ(result.token.c_str(), "\"two words.txt\"");
    EXPECT_STREQ(CommandLineErrorFormat(CommandLineError::InvalidParameter),
                 "Invalid command line parameter:\r\n%s");
}

TEST(CommandLine, HelpIsFoundAnywhereInAnyCase) {
    EXPECT_TRUE(CommandLineAsksForHelp("file.txt -HELP"));
    EXPECT_TRUE(CommandLineAsksForHelp("/help"));
    EXPECT_FALSE(CommandLineAsksForHelp("help /helper"));
}

}  // namespace
