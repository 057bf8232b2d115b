#include <vector>

#include "app/DocumentWindow.h"
#include "app/MainWindow.h"
#include "app/Options.h"
#include "app/OptionsCharacterSets.h"
#include "platform/Font.h"
#include "tests/app/DocumentTestSupport.h"
#include "ui/Menu.h"
#include "ui/Toolbar.h"

namespace {

// Remembers the character sets the editbox asked its fonts for.
class RecordingFontSource : public FontSource {
public:
    RecordingFontSource() : inner_(InstallFontSource(this)) {}
    ~RecordingFontSource() override { InstallFontSource(inner_); }
    std::unique_ptr<Font> OpenFont(const FontRequest& request) override {
        charsets.push_back(request.charset);
        return inner_->OpenFont(request);
    }
    std::vector<int32_t> charsets;

private:
    FontSource* inner_;
};

// One run of the editor's settings: what a window holds between start and exit.
struct EditorRun {
    TestDocumentHost host;
    Document document{host, &host.editbox};
    Options options;

    void Load(const String& ini) { options.Load(host.editbox, document, ini); }
    void Save(const String& ini) { options.Save(host.editbox, document, ini); }
};

class OptionsTest : public DocumentTestBase {
protected:
    TestFolder folder;
    String ini = folder.Name("globals.ini");
};

// The "Character set" submenu, wherever the menu puts it.
const Menu& CharacterSets(const Menu& menu) {
    for (int32_t i = 0; i < menu.Count(); ++i) {
        if (menu.Item(i).submenu) return *menu.Item(i).submenu;
    }
    ADD_FAILURE() << "no character set submenu";
    static const Menu none;
    return none;
}

// Every flag item toggles the very flag its check mark shows; every character set item
// selects that set and then carries the only check among the sets.
TEST_F(OptionsTest, EveryMenuItemActsOnWhatItsCheckShows) {
    EditorRun run;
    Menu menu;
    run.options.BuildMenu(menu, run.document);
    for (int32_t i = 0; i < menu.Count(); ++i) {
        const MenuItem& item = menu.Item(i);
        if (item.command == 0) continue;
        ASSERT_TRUE(run.options.Toggle(item.command, run.document)) << item.label.c_str();
        Menu after;
        run.options.BuildMenu(after, run.document);
        for (int32_t j = 0; j < menu.Count(); ++j) {
            EXPECT_EQ(after.Item(j).checked, menu.Item(j).checked != (j == i))
                << item.label.c_str() << " changed " << after.Item(j).label.c_str();
        }
        run.options.Toggle(item.command, run.document);
    }
    const Menu& sets = CharacterSets(menu);
    ASSERT_EQ(sets.Count(), OfferedCharacterSetCount());
    for (int32_t n = 0; n < sets.Count(); ++n) {
        ASSERT_TRUE(run.options.SelectCharacterSet(sets.Item(n).command));
        Menu after;
        run.options.BuildMenu(after, run.document);
        for (int32_t m = 0; m < sets.Count(); ++m) {
            EXPECT_EQ(CharacterSets(after).Item(m).checked, m == n) << sets.Item(n).label.c_str();
        }
    }
}

TEST_F(OptionsTest, EverythingComesBackInTheNextRun) {
    WindowPlacement placement{10, 20, 810, 620, WindowPlacement::kMaximized};
    {
        EditorRun first;
        first.host.editbox.SetWordWrap(true);
        first.host.editbox.SetFixedPitch(true);
        Options& o = first.options;
        o.fullPath = false;
        o.statusBarShown = false;
        o.toolbarShown = false;
        o.openWithAll = true;
        ASSERT_TRUE(o.SelectCharacterSet(kCmdCharacterSetFirst + 3));
        o.toolbarButtons.Append(11375);
        o.toolbarButtons.Append(0);
        o.toolbarButtons.Append(11373);
        o.windowPos = placement;
        o.windowPosKnown = true;
        DocumentSettings& s = first.document.Settings();
        s.lockFile = true;
        s.detectChanges = false;
        s.recordHistory = true;
        s.autoOpen = true;
        s.lastDocument = "C:\\docs\\last one.txt";
        s.lastDirectory = "C:\\docs\\";
        first.document.History().Add("C:\\b,c.txt");
        first.document.History().Add("C:\\a.txt");
        first.Save(ini);
    }
    EditorRun next;
    next.Load(ini);
    EXPECT_TRUE(next.host.editbox.WordWrap());
    EXPECT_TRUE(next.host.editbox.IsFixedPitch());
    const Options& o = next.options;
    EXPECT_FALSE(o.fullPath);
    EXPECT_FALSE(o.statusBarShown);
    EXPECT_FALSE(o.toolbarShown);
    EXPECT_TRUE(o.openWithAll);
    EXPECT_EQ(o.characterSet, OfferedCharacterSet(3)->name);
    ASSERT_EQ(o.toolbarButtons.Count(), 3);
    EXPECT_EQ(o.toolbarButtons[0], 11375);
    EXPECT_EQ(o.toolbarButtons[1], 0);
    EXPECT_EQ(o.toolbarButtons[2], 11373);
    EXPECT_TRUE(o.windowPosKnown);
    EXPECT_EQ(o.windowPos, placement);
    const DocumentSettings& s = next.document.Settings();
    EXPECT_TRUE(s.lockFile);
    EXPECT_FALSE(s.detectChanges);
    EXPECT_TRUE(s.autoOpen);
    EXPECT_EQ(s.lastDocument, "C:\\docs\\last one.txt");
    EXPECT_EQ(s.lastDirectory, "C:\\docs\\");
    ASSERT_EQ(next.document.History().Count(), 2);
    EXPECT_EQ(next.document.History().Entry(0), "C:\\a.txt");
    EXPECT_EQ(next.document.History().Entry(1), "C:\\b,c.txt");
}

TEST_F(OptionsTest, APlacementNobodyMeasuredIsNotWritten) {
    EditorRun run;
    run.Save(ini);
    EXPECT_LT(ReadBack(ini).Find("WindowPos"), 0);
}

TEST_F(OptionsTest, ARestoredHistoryIsCutToThirtyAndAnUnknownCharsetIgnored) {
    Array<String> names;
    for (int32_t i = 0; i < 35; ++i) names.Append(String::Formatted("C:\\f%d.txt", i));
    WriteProfileText("Nivora", "FileHistory", ListToText(names), ini);
    WriteProfileText("Nivora", "Charset", "Klingon", ini);
    EditorRun run;
    run.Load(ini);
    ASSERT_EQ(run.document.History().Count(), 30);
    EXPECT_EQ(run.document.History().Entry(29), "C:\\f29.txt");
    EXPECT_EQ(run.options.characterSet, "ANSI");
}

TEST_F(OptionsTest, AChosenCharacterSetReachesTheFontsAndSurvivesARestart) {
    RecordingFontSource fonts;
    int32_t n = OfferedCharacterSetCount() - 1;
    const CharacterSet* last = OfferedCharacterSet(n);
    {
        EditorRun run;
        EXPECT_FALSE(run.options.SelectCharacterSet(kCmdCharacterSetFirst + n + 1));
        EXPECT_FALSE(run.options.SelectCharacterSet(kCmdCharacterSetFirst - 1));
        ASSERT_TRUE(run.options.SelectCharacterSet(kCmdCharacterSetFirst + n));
        fonts.charsets.clear();
        run.options.ApplyCharacterSet(run.host.editbox);
        ASSERT_EQ(fonts.charsets.size(), 2u);  // the variable and the fixed font
        EXPECT_EQ(fonts.charsets[0], last->code);
        EXPECT_EQ(fonts.charsets[1], last->code);
        run.Save(ini);
    }
    EditorRun next;
    next.Load(ini);
    EXPECT_EQ(next.options.CharacterSetCode(), last->code);
    Menu menu;
    next.options.BuildMenu(menu, next.document);
    const Menu& sets = CharacterSets(menu);
    EXPECT_TRUE(sets.Item(n).checked);
    EXPECT_FALSE(sets.Item(0).checked);
}

TEST(ToolbarArrangement, FollowsTheStoredOrderAndSkipsUnknownButtons) {
    Toolbar full;
    full.AddButton(11373, "New", "Create a new document.", ToolbarImage::kNew);
    full.AddButton(11374, "Open", "Open a document (Ctrl+O).", ToolbarImage::kOpen);
    full.AddSeparator();
    full.AddButton(11375, "Save", "Save the document back to its file (Ctrl+S).", ToolbarImage::kSave);
    Options options;
    EXPECT_EQ(options.ArrangeToolbar(full).Count(), 4);

    TextToToolbarButtons("11375, 0,x,99999,11373", options.toolbarButtons);
    EXPECT_EQ(ToolbarButtonsToText(options.toolbarButtons), "11375,0,99999,11373");
    Toolbar arranged = options.ArrangeToolbar(full);
    ASSERT_EQ(arranged.Count(), 3);
    EXPECT_EQ(arranged.Button(0).name, "Save");
    EXPECT_EQ(arranged.Button(1).command, 0);
    EXPECT_EQ(arranged.Button(2).help, "Create a new document.");
    EXPECT_EQ(arranged.Button(2).image, ToolbarImage::kNew);

    options.RecordToolbar(full);
    EXPECT_EQ(ToolbarButtonsToText(options.toolbarButtons), "11373,11374,0,11375");
}

}  // namespace
