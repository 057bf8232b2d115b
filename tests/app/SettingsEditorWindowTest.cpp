#include <gtest/gtest.h>

#include "app/AppIdentity.h"
#include "app/FrameworkSettings.h"
#include "app/MainWindow.h"
#include "app/MenuHelp.h"
#include "core/Config.h"
#include "core/Settings.h"
#include "editbox/EditboxSettings.h"
#include "platform/headless/HeadlessAsk.h"
#include "platform/headless/HeadlessFolders.h"
#include "platform/headless/HeadlessWindow.h"
#include "tests/core/FileTestSupport.h"
#include "ui/DialogResources.h"
#include "ui/Menu.h"
#include "ui/PagedDialog.h"
#include "ui/SettingsEditor.h"

namespace {

class SettingsEditorWindowTest : public testing::Test {
protected:
    void SetUp() override {
        if (!TheHeadlessFolders().InUse()) GTEST_SKIP() << "the real common files folder is not ours to write";
        TheHeadlessFolders().commonProgramFiles = base.Path() + TheFileSystem().PathSeparator() + "Common";
        ComputeConfigFolder();
        previousResources = InstallDialogResources(&resources);
        RegisterFrameworkSettings();
        ApplyFrameworkSettings();
        SetAppIdentity(NivoraIdentity());
        TheHeadlessAsk().Reset();
        TheHeadlessWindowSystem().Reset();
        ASSERT_TRUE(TheWindowSystem().RegisterFrameClass("Nivora Window Class"));
        window = std::make_unique<MainWindow>();
        ASSERT_TRUE(window->Create("Nivora Window Class"));
    }
    void TearDown() override {
        window.reset();
        InstallDialogResources(previousResources);
        RegisterFrameworkSettings();
        ApplyFrameworkSettings();
        if (TheHeadlessFolders().InUse()) TheHeadlessFolders().Reset();
        ComputeConfigFolder();
    }

    const Menu* OptionsMenu() {
        for (int32_t i = 0; i < window->MenuBar().Count(); ++i) {
            const MenuItem& top = window->MenuBar().Item(i);
            if (top.label == "&Options") return top.submenu.get();
        }
        return nullptr;
    }

    // Goes to the editboxes' page and types the caret width.
    static void TypeCaretWidth(PagedDialog& paged, const char* width) {
        Dialog* page = paged.Page("Controls\\Editboxes");
        ASSERT_NE(page, nullptr);
        SettingsPage probe("Controls\\Editboxes", TheDialogResources());
        page->SetText(probe.EntryOf(kSetCaretWidth)->valueControl, width);
    }

    String StoredCaretWidth() {
        String stored = "<absent>";
        ReadProfileTextIfPresent(kSettingsSection, "CaretWidth", stored, CorvaneIniPath());
        return stored;
    }

    TestFolder base;
    ListedDialogResources resources = ListedDialogResources::Sample();
    DialogResources* previousResources = nullptr;
    std::unique_ptr<MainWindow> window;
};

TEST_F(SettingsEditorWindowTest, TheMenuOffersEverySectionBeforeTheWindowSubmenu) {
    const Menu* options = OptionsMenu();
    ASSERT_NE(options, nullptr);
    int32_t settings = -1, windowAt = -1;
    for (int32_t i = 0; i < options->Count(); ++i) {
        if (options->Item(i).label == "&Settings") settings = i;
        if (options->Item(i).label == "&Window") windowAt = i;
    }
    ASSERT_GE(settings, 0);
    EXPECT_EQ(settings + 1, windowAt);
    const Menu& sub = *options->Item(settings).submenu;
    const SettingsSection tree = BuildSettingsTree();
    ASSERT_EQ(size_t(sub.Count()), tree.children.size() + 1);
    EXPECT_EQ(sub.Item(0).command, kCmdSettingsAll);
    for (int32_t i = 0; i < sub.Count(); ++i) {
        if (i > 0) {
            EXPECT_STREQ(sub.Item(i).label.c_str(), (tree.children[size_t(i - 1)].name + "...").c_str());
        }
        EXPECT_NE(MenuHelpText(sub.Item(i).command), nullptr) << sub.Item(i).label.c_str();
    }

    // A section opens at its first page.
    TheHeadlessAsk().QueueButton(kAskCancel);
    window->OnFrameCommand(sub.Item(1).command);
    ASSERT_EQ(TheHeadlessAsk().Asked().size(), 1u);
    const AskedQuestion& q = TheHeadlessAsk().Asked()[0];
    EXPECT_EQ(q.kind, AskKind::PagedDialog);
    EXPECT_STREQ(q.caption.c_str(), "Settings");
    EXPECT_EQ(q.pagePaths.front(), tree.children[0].path);
    const SettingsSection* start = FindSettingsSection(tree, q.initialPath);
    ASSERT_NE(start, nullptr);
    EXPECT_TRUE(start->IsPage());
    EXPECT_EQ(q.initialPath.Left(tree.children[0].path.Length()), tree.children[0].path);
}

TEST_F(SettingsEditorWindowTest, OkWritesCorvaneIniAndTheEditboxFollows) {
    TheHeadlessAsk().QueuePagedDialog([](PagedDialog& paged) { TypeCaretWidth(paged, "5"); }, kAskOk);
    window->OnFrameCommand(kCmdSettingsAll);
    EXPECT_STREQ(StoredCaretWidth().c_str(), "5");
    EXPECT_EQ(TheEditboxSettings().caretWidth, 5);
    EXPECT_EQ(SettingNumber(kSetCaretWidth), 5);
}

TEST_F(SettingsEditorWindowTest, CancelAndUnreadableFieldsChangeNothing) {
    TheHeadlessAsk().QueuePagedDialog([](PagedDialog& paged) { TypeCaretWidth(paged, "5"); }, kAskCancel);
    window->OnFrameCommand(kCmdSettingsAll);
    EXPECT_STREQ(StoredCaretWidth().c_str(), "<absent>");
    EXPECT_EQ(TheEditboxSettings().caretWidth, 2);

    // Not a number: named, and the pages come back as the user left them.
    TheHeadlessAsk().Reset();
    TheHeadlessAsk().QueuePagedDialog([](PagedDialog& paged) { TypeCaretWidth(paged, "wide"); }, kAskOk);
    TheHeadlessAsk().QueueButton(kAskOk);
    String kept;
    TheHeadlessAsk().QueuePagedDialog(
        [&kept](PagedDialog& paged) {
            SettingsPage probe("Controls\\Editboxes", TheDialogResources());
            kept = paged.Page("Controls\\Editboxes")->Control(probe.EntryOf(kSetCaretWidth)->valueControl).text;
        },
        kAskCancel);
    window->OnFrameCommand(kCmdSettingsAll);
    const auto& asked = TheHeadlessAsk().Asked();
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[1].kind, AskKind::Message);
    EXPECT_NE(asked[1].text.Find("Caret Width"), -1) << asked[1].text.c_str();
    EXPECT_STREQ(kept.c_str(), "wide");
    EXPECT_STREQ(StoredCaretWidth().c_str(), "<absent>");
}

}  // namespace
