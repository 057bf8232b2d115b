#include <gtest/gtest.h>

#include "app/AppIdentity.h"
#include "app/MainWindow.h"
#include "app/ResizeWindow.h"
#include "platform/headless/HeadlessAsk.h"
#include "platform/headless/HeadlessWindow.h"
#include "ui/Menu.h"

namespace {

class ResizeWindowTest : public testing::Test {
protected:
    void SetUp() override {
        SetAppIdentity(NivoraIdentity());
        TheHeadlessAsk().Reset();
        TheHeadlessWindowSystem().Reset();
        ASSERT_TRUE(TheWindowSystem().RegisterFrameClass("Nivora Window Class"));
        window = std::make_unique<MainWindow>();
        ASSERT_TRUE(window->Create("Nivora Window Class"));
        frame = TheHeadlessWindowSystem().LastFrame();
        WindowPlacement placed;
        placed.left = 40, placed.top = 30, placed.right = 840, placed.bottom = 630;
        placed.show = WindowPlacement::kMaximized;
        frame->SetPlacement(placed);
    }

    // The command as the menu offers it.
    int32_t MenuCommand() {
        for (int32_t i = 0; i < window->MenuBar().Count(); ++i) {
            const MenuItem& top = window->MenuBar().Item(i);
            if (top.label != "&Options") continue;
            for (int32_t j = 0; j < top.submenu->Count(); ++j) {
                const MenuItem& item = top.submenu->Item(j);
                if (item.submenu && item.label == "&Window") return item.submenu->Item(0).command;
            }
        }
        return 0;
    }

    WindowPlacement Placement() {
        WindowPlacement p;
        EXPECT_TRUE(frame->GetPlacement(p));
        return p;
    }

    std::unique_ptr<MainWindow> window;
    HeadlessFrame* frame = nullptr;
};

TEST_F(ResizeWindowTest, OkResizesFromTheTopLeftCorner) {
    int32_t command = MenuCommand();
    ASSERT_NE(command, 0);
    TheHeadlessAsk().QueueDialog(
        [](Dialog& d) {
            d.SetText(kResizeWidthEdit, "1000");
            // Typed past the edit's range.
            d.Control(kResizeHeightEdit).text = "50";
            d.ControlChanged(kResizeHeightEdit);
        },
        kAskOk);
    window->OnFrameCommand(command);

    ASSERT_EQ(TheHeadlessAsk().Asked().size(), 1u);
    const AskedQuestion& q = TheHeadlessAsk().Asked()[0];
    EXPECT_EQ(q.kind, AskKind::Dialog);
    EXPECT_STREQ(q.caption.c_str(), "Resize Window");
    ASSERT_TRUE(q.dialog);
    const Dialog& shown = *q.dialog;
    ASSERT_EQ(shown.Count(), 6);
    EXPECT_STREQ(shown.Control(0).caption.c_str(), "&Width:");
    EXPECT_STREQ(shown.Control(3).caption.c_str(), "&Height:");
    for (int32_t edit : {kResizeWidthEdit, kResizeHeightEdit}) {
        const DialogControl& c = shown.Control(edit);
        EXPECT_EQ(c.kind, ControlKind::kEditbox);
        EXPECT_TRUE(c.edit.incdec);
        EXPECT_EQ(c.edit.limit, 5);
        EXPECT_EQ(c.layoutFlags & kLayoutNewRow, 0u);
        EXPECT_STREQ(shown.Control(edit + 1).caption.c_str(), "pixels");
    }
    EXPECT_EQ(LayoutWidthGroup(shown.Control(0).layoutFlags), LayoutWidthGroup(shown.Control(3).layoutFlags));
    EXPECT_NE(LayoutWidthGroup(shown.Control(0).layoutFlags), 0);
    EXPECT_STREQ(shown.Control(kResizeWidthEdit).text.c_str(), "800");
    EXPECT_STREQ(shown.Control(kResizeHeightEdit).text.c_str(), "600");
    EXPECT_EQ(q.dialogButtons, (std::vector<AskButton>{kAskOk, kAskCancel}));

    WindowPlacement p = Placement();
    EXPECT_EQ(p.left, 40);
    EXPECT_EQ(p.top, 30);
    EXPECT_EQ(p.right - p.left, 1000);
    EXPECT_EQ(p.bottom - p.top, kResizeMinimum);
    EXPECT_EQ(p.show, WindowPlacement::kNormal);
}

TEST_F(ResizeWindowTest, CancelLeavesTheWindowAlone) {
    WindowPlacement before = Placement();
    TheHeadlessAsk().QueueDialog([](Dialog& d) { d.SetText(kResizeWidthEdit, "1000"); }, kAskCancel);
    window->OnFrameCommand(kCmdResizeWindow);
    EXPECT_EQ(TheHeadlessAsk().Asked().size(), 1u);
    EXPECT_TRUE(Placement() == before);
}

}  // namespace
