#include <gtest/gtest.h>

#include "platform/headless/HeadlessAsk.h"
#include "ui/Dialog.h"
#include "ui/Prompt.h"

namespace {

class Prompt : public testing::Test {
protected:
    void SetUp() override { TheHeadlessAsk().Reset(); }
    void TearDown() override { TheHeadlessAsk().Reset(); }

    static void Type(const char* text) {
        TheHeadlessAsk().QueueDialog([text](Dialog& d) { d.SetText(1, text); }, kAskOk);
    }
};

TEST_F(Prompt, ShowsTheTextAndTheFieldWithItsLimit) {
    int32_t line = 12;
    Type("40");
    ASSERT_TRUE(PromptForNumber("Jump", "Line number (it's 1-based):", 5, line));
    EXPECT_EQ(line, 40);
    ASSERT_EQ(TheHeadlessAsk().Asked().size(), 1u);
    const AskedQuestion& q = TheHeadlessAsk().Asked()[0];
    EXPECT_EQ(q.kind, AskKind::Dialog);
    EXPECT_STREQ(q.caption.c_str(), "Jump");
    const Dialog& shown = *q.dialog;
    ASSERT_EQ(shown.Count(), 2);
    EXPECT_STREQ(shown.Control(0).caption.c_str(), "Line number (it's 1-based):");
    EXPECT_STREQ(shown.Control(1).text.c_str(), "12");
    EXPECT_EQ(shown.Control(1).edit.limit, 5);
    EXPECT_EQ(shown.FocusIndex(), 1);
    EXPECT_EQ(q.dialogButtons, (std::vector<AskButton>{kAskOk, kAskCancel}));
}

TEST_F(Prompt, CancelKeepsTheValueAndANumberIsAskedForAgain) {
    int32_t line = 7;
    TheHeadlessAsk().QueueDialog([](Dialog& d) { d.SetText(1, "99"); }, kAskCancel);
    EXPECT_FALSE(PromptForNumber("Jump", "Line:", 5, line));
    EXPECT_EQ(line, 7);

    TheHeadlessAsk().Reset();
    Type("x9");
    TheHeadlessAsk().QueueButton(kAskOk);  // the refusal's OK
    Type(" 9 ");
    ASSERT_TRUE(PromptForNumber("Jump", "Line:", 5, line));
    EXPECT_EQ(line, 9);
    ASSERT_EQ(TheHeadlessAsk().Asked().size(), 3u);
    EXPECT_STREQ(TheHeadlessAsk().Asked()[1].text.c_str(), "Please enter a whole number.");
    // Asked again with what was typed, so the user can correct it.
    EXPECT_STREQ(TheHeadlessAsk().Asked()[2].dialog->Control(1).text.c_str(), "x9");

    PromptRequest request;
    request.caption = "Name";
    request.text = "Macro name:";
    request.value = "old";
    Type("it's new");
    ASSERT_TRUE(RunPrompt(request));
    EXPECT_STREQ(request.value.c_str(), "it's new");
}

}  // namespace
