#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "core/Config.h"
#include "core/Settings.h"
#include "tests/core/FileTestSupport.h"
#include "ui/DialogResources.h"
#include "ui/SettingsEditor.h"

namespace {

struct Heard : SettingsListener {
    std::vector<std::vector<int32_t>> calls;
    void SettingsChanged(const std::vector<int32_t>& indexes) override { calls.push_back(indexes); }
};

class SettingsEditing : public testing::Test {
protected:
    void SetUp() override {
        RegisterFrameworkSettings();
        AddSettingsListener(&heard);
    }
    void TearDown() override {
        RemoveSettingsListener(&heard);
        RegisterFrameworkSettings();
    }
    String Stored(const char* key) {
        String stored;
        if (!ReadProfileTextIfPresent(kSettingsSection, key, stored, ini)) return "<absent>";
        return stored;
    }

    ListedDialogResources resources = ListedDialogResources::Sample();
    Heard heard;
    TestFolder folder;
    String ini = folder.Name("corvane.ini");
};

std::vector<std::string> Names(const SettingsSection& node) {
    std::vector<std::string> names;
    for (const SettingsSection& child : node.children) names.push_back(child.name.c_str());
    return names;
}

TEST_F(SettingsEditing, TreeFollowsTheTableAndGroupsPathParts) {
    SettingsSection root = BuildSettingsTree();
    EXPECT_EQ(Names(root), (std::vector<std::string>{"Controls", "Windows", "Balloon Help", "Menus", "Skin",
                                                     "Networking", "Sound", "Printer", "Spell Checker"}));
    const SettingsSection& controls = root.children[0];
    EXPECT_EQ(Names(controls), (std::vector<std::string>{"Font", "Editboxes", "Buttons", "Scrollbars",
                                                         "Comboboxes", "Groupboxes", "Tables"}));
    EXPECT_EQ(controls.settings, (std::vector<int32_t>{kSetGapFactor, kSetBorderThickness, kSetBlackControlEdge,
                                                       kSetEnhancedBorders, kSetControlIconQuality}));
    const SettingsSection* skin = FindSettingsSection(root, "skin");
    ASSERT_NE(skin, nullptr);
    EXPECT_FALSE(skin->IsPage());
    ASSERT_EQ(skin->children.size(), 1u);
    EXPECT_STREQ(skin->children[0].path.c_str(), "Skin\\Options");
    EXPECT_EQ(skin->children[0].settings.size(), 11u);
    const SettingsSection* buttons = FindSettingsSection(root, "Windows\\Caption\\Buttons");
    ASSERT_NE(buttons, nullptr);
    EXPECT_STREQ(buttons->name.c_str(), "Buttons");
    EXPECT_EQ(buttons->settings.front(), kSetShowSizeButtons);
    EXPECT_EQ(FindSettingsSection(root, "Windows\\Nothing"), nullptr);

    SettingsEditor editor(resources);
    EXPECT_EQ(editor.Page("Skin"), nullptr);
    EXPECT_EQ(editor.Page("Nowhere"), nullptr);
    EXPECT_EQ(editor.Page("networking\\dns"), editor.Page("Networking\\DNS"));
}

TEST_F(SettingsEditing, EditboxesPageAppendsEachTextAndFindsItsValueControl) {
    FrameworkSetting(kSetSelectOnPaste).value = Var::Boolean(true);
    SettingsPage page("Controls\\Editboxes", resources);
    const Dialog& d = page.Controls();
    EXPECT_STREQ(d.Title().c_str(), "Editboxes");
    ASSERT_EQ(page.Entries().size(), 8u);
    EXPECT_EQ(d.Count(), 17);

    const SettingsPageEntry* paste = page.EntryOf(kSetSelectOnPaste);
    ASSERT_NE(paste, nullptr);
    EXPECT_EQ(paste->firstControl, 0);
    EXPECT_EQ(paste->valueControl, 0);
    EXPECT_TRUE(d.Control(0).checked);

    const SettingsPageEntry* indent = page.EntryOf(kSetAutoIndent);
    ASSERT_NE(indent, nullptr);
    EXPECT_EQ(indent->firstControl, 2);
    EXPECT_EQ(indent->controlCount, 2);
    EXPECT_EQ(indent->valueControl, 3);
    EXPECT_EQ(d.Control(3).kind, ControlKind::kCombobox);
    EXPECT_STREQ(d.Control(3).text.c_str(), "Enabled");

    const SettingsPageEntry* caret = page.EntryOf(kSetCaretWidth);
    ASSERT_NE(caret, nullptr);
    EXPECT_EQ(caret->firstControl, 14);
    EXPECT_EQ(caret->controlCount, 3);
    EXPECT_EQ(caret->valueControl, 15);
    EXPECT_EQ(d.Control(15).kind, ControlKind::kEditbox);
    EXPECT_STREQ(d.Control(15).text.c_str(), "2");
    EXPECT_STREQ(d.Control(16).caption.c_str(), "pixels");

    // A glyph chooser holds the glyph itself, as the native one draws it.
    EXPECT_STREQ(d.Control(page.EntryOf(kSetBA_Increment)->valueControl).text.c_str(), "\x07");
    EXPECT_STREQ(d.Control(page.EntryOf(kSetTabDistanceVariable)->valueControl).text.c_str(), "1");
    EXPECT_EQ(page.EntryOf(kSetGapFactor), nullptr);
    EXPECT_TRUE(page.Changed().empty());
}

TEST_F(SettingsEditing, OkWritesChangedSettingsAndTellsListeners) {
    SettingsEditor editor(resources);
    SettingsPage* page = editor.Page("Controls\\Editboxes");
    ASSERT_NE(page, nullptr);
    int32_t caret = page->EntryOf(kSetCaretWidth)->valueControl;
    page->Controls().SetText(caret, "5");
    page->Controls().SetChecked(page->EntryOf(kSetSelectOnPaste)->valueControl, true);
    // Typed back to what it was: not a change.
    int32_t tab = page->EntryOf(kSetTabDistanceFixed)->valueControl;
    page->Controls().SetText(tab, "08");
    EXPECT_EQ(page->Changed(), (std::vector<int32_t>{kSetSelectOnPaste, kSetTabDistanceFixed, kSetCaretWidth}));

    EXPECT_TRUE(editor.Apply(ini));
    EXPECT_EQ(SettingNumber(kSetCaretWidth), 5);
    EXPECT_EQ(FrameworkSetting(kSetCaretWidth).value.Type(), kVarInteger);
    EXPECT_TRUE(SettingFlag(kSetSelectOnPaste));
    EXPECT_STREQ(Stored("CaretWidth").c_str(), "5");
    EXPECT_STREQ(Stored("SelectOnPaste").c_str(), "1");
    EXPECT_STREQ(Stored("TabDistanceFixed").c_str(), "<absent>");
    ASSERT_EQ(heard.calls.size(), 1u);
    EXPECT_EQ(heard.calls[0], (std::vector<int32_t>{kSetSelectOnPaste, kSetCaretWidth}));
    // The page reloaded: its controls are the baseline again.
    EXPECT_TRUE(page->Changed().empty());
    EXPECT_STREQ(page->Controls().Control(tab).text.c_str(), "8");

    RegisterFrameworkSettings();
    LoadFrameworkSettings(ini);
    EXPECT_EQ(SettingNumber(kSetCaretWidth), 5);

    // Nothing changed: nothing written, nobody told.
    EXPECT_TRUE(editor.Apply(ini));
    EXPECT_EQ(heard.calls.size(), 1u);
}

TEST_F(SettingsEditing, NumbersAreBroughtIntoRangeAndNonNumbersRefused) {
    SettingsEditor editor(resources);
    SettingsPage* page = editor.Page("Controls\\Editboxes");
    Dialog& d = page->Controls();
    d.SetText(page->EntryOf(kSetCaretWidth)->valueControl, "500");
    d.SetText(page->EntryOf(kSetTabDistanceVariable)->valueControl, "0.1");
    d.SetText(page->EntryOf(kSetTabDistanceFixed)->valueControl, "eight");
    SettingsPage* font = editor.Page("Controls\\Font");
    font->Controls().SetText(font->EntryOf(kSetControlFontSize)->valueControl, "12.5");
    EXPECT_EQ(editor.Unreadable(), (std::vector<int32_t>{kSetTabDistanceFixed}));

    EXPECT_TRUE(editor.Apply(ini));
    EXPECT_EQ(SettingNumber(kSetCaretWidth), 99);
    EXPECT_DOUBLE_EQ(SettingReal(kSetTabDistanceVariable), 0.5);
    EXPECT_DOUBLE_EQ(SettingReal(kSetControlFontSize), 12.5);
    EXPECT_EQ(FrameworkSetting(kSetControlFontSize).value.Type(), kVarRational);
    EXPECT_EQ(SettingNumber(kSetTabDistanceFixed), 8);
    EXPECT_STREQ(Stored("TabDistanceFixed").c_str(), "<absent>");
    EXPECT_STREQ(Stored("ControlFontSize").c_str(), "12.5");
    ASSERT_EQ(heard.calls.size(), 1u);
    EXPECT_EQ(heard.calls[0],
              (std::vector<int32_t>{kSetControlFontSize, kSetTabDistanceVariable, kSetCaretWidth}));
}

TEST_F(SettingsEditing, CancelLeavesSettingsAndFileAlone) {
    {
        SettingsEditor editor(resources);
        SettingsPage* page = editor.Page("Controls\\Editboxes");
        page->Controls().SetText(page->EntryOf(kSetCaretWidth)->valueControl, "7");
        page->Controls().SetChecked(page->EntryOf(kSetSelectOnPaste)->valueControl, true);
    }
    EXPECT_EQ(SettingNumber(kSetCaretWidth), 2);
    EXPECT_FALSE(SettingFlag(kSetSelectOnPaste));
    EXPECT_STREQ(Stored("CaretWidth").c_str(), "<absent>");
    EXPECT_TRUE(heard.calls.empty());
}

TEST_F(SettingsEditing, CombosExchangeIdsIndexesAndTexts) {
    FrameworkSetting(kSetControlFontCharset).value = Var::Integer(161);
    SettingsEditor editor(resources);
    SettingsPage* font = editor.Page("Controls\\Font");
    Dialog& f = font->Controls();
    int32_t charset = font->EntryOf(kSetControlFontCharset)->valueControl;
    EXPECT_STREQ(f.Control(charset).text.c_str(), "Greek");
    int32_t face = font->EntryOf(kSetControlFontFace)->valueControl;
    EXPECT_STREQ(f.Control(face).text.c_str(), "Arial");
    int32_t fixed = font->EntryOf(kSetFixedControlFontFace)->valueControl;
    EXPECT_TRUE(f.SetValue(charset, "204"));
    EXPECT_TRUE(f.SetValue(face, "MS Sans Serif"));

    SettingsPage* menubar = editor.Page("Windows\\Menu Bar");
    int32_t justify = menubar->EntryOf(kSetMenubarJustify)->valueControl;
    EXPECT_STREQ(menubar->Controls().Control(justify).text.c_str(), "Left");
    menubar->Controls().Control(justify).Select(2);
    SettingsPage* edits = editor.Page("Controls\\Editboxes");
    edits->Controls().Control(edits->EntryOf(kSetAutoIndent)->valueControl).Select(0);

    EXPECT_TRUE(editor.Apply(ini));
    EXPECT_EQ(SettingNumber(kSetControlFontCharset), 204);
    EXPECT_STREQ(SettingText(kSetControlFontFace).c_str(), "MS Sans Serif");
    EXPECT_EQ(SettingNumber(kSetMenubarJustify), 2);
    EXPECT_EQ(SettingNumber(kSetAutoIndent), 0);
    EXPECT_STREQ(Stored("MenubarJustify").c_str(), "2");
    EXPECT_STREQ(Stored("ControlFontFace").c_str(), "MS Sans Serif");
    EXPECT_STREQ(SettingText(kSetFixedControlFontFace).c_str(), "Courier New");
    EXPECT_STREQ(f.Control(fixed).text.c_str(), "Courier New");

    // A face that is not installed cannot be shown; the setting keeps it.
    FrameworkSetting(kSetFixedControlFontFace).value = Var::Text("Nonesuch");
    font->Load();
    EXPECT_TRUE(font->Changed().empty());
    EXPECT_TRUE(editor.Apply(ini));
    EXPECT_STREQ(SettingText(kSetFixedControlFontFace).c_str(), "Nonesuch");
}

TEST_F(SettingsEditing, ABrokenLayoutTextIsFatalAndNamesItsSetting) {
    RegisterSetting(kSetSelectOnPaste, "SelectOnPaste", "Select After Paste", Var::Boolean(false),
                    "Controls\\Editboxes", "checkbox { text='Select after paste' ", 0);
    EXPECT_EXIT(SettingsPage("Controls\\Editboxes", resources), testing::ExitedWithCode(1),
                "Controls.Editboxes.*SelectOnPaste");
}

bool Suits(const DialogControl& c, int32_t type) {
    bool choice = c.kind == ControlKind::kCombobox;
    if (type == kVarBoolean) return c.kind == ControlKind::kCheckbox;
    if (type == kVarString) return c.kind == ControlKind::kEditbox || (choice && c.storage == StorageMode::kText);
    if (type == kVarRational) return c.kind == ControlKind::kEditbox;
    if (type == kVarInteger)
        return c.kind == ControlKind::kEditbox || c.kind == ControlKind::kGlyphChooser ||
               (choice && (c.storage == StorageMode::kId || c.storage == StorageMode::kIndex));
    return false;
}

// Every setting is on exactly one page, and every one but the header has a value
// control that suits its type and reads back as the value it was loaded with.
TEST_F(SettingsEditing, EverySettingHasAPageEntryAndAFittingValueControl) {
    SettingsEditor editor(resources);
    std::set<int32_t> seen;
    std::vector<const SettingsSection*> pending{&editor.Tree()};
    while (!pending.empty()) {
        const SettingsSection* node = pending.back();
        pending.pop_back();
        for (const SettingsSection& child : node->children) pending.push_back(&child);
        if (!node->IsPage()) continue;
        SettingsPage* page = editor.Page(node->path);
        ASSERT_NE(page, nullptr) << node->path.c_str();
        EXPECT_EQ(page->Entries().size(), node->settings.size());
        int32_t next = 0;
        for (const SettingsPageEntry& entry : page->Entries()) {
            const Corvane_Setting& setting = FrameworkSetting(entry.setting);
            EXPECT_TRUE(seen.insert(entry.setting).second) << entry.setting;
            EXPECT_EQ(entry.firstControl, next) << entry.setting;
            EXPECT_GT(entry.controlCount, 0) << entry.setting;
            next = entry.firstControl + entry.controlCount;
            if (setting.flags & kSettingPageHeader) {
                EXPECT_EQ(entry.valueControl, -1);
                continue;
            }
            ASSERT_GE(entry.valueControl, entry.firstControl) << setting.key;
            ASSERT_LT(entry.valueControl, next) << setting.key;
            const DialogControl& c = page->Controls().Control(entry.valueControl);
            EXPECT_TRUE(Suits(c, setting.value.Type())) << setting.key << " " << int(c.kind);
            Var read;
            ASSERT_TRUE(page->ReadValue(entry.setting, read)) << setting.key;
            EXPECT_TRUE(read.Type() == setting.value.Type() && read.Compare(setting.value, kVarEqual))
                << setting.key << " reads back as " << read.ToText().c_str();
        }
        EXPECT_EQ(next, page->Controls().Count());
    }
    EXPECT_EQ(int32_t(seen.size()), kSettingCount);
}

}  // namespace
