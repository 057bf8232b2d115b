#include <gtest/gtest.h>

#include "core/Settings.h"
#include "ui/DialogLanguage.h"
#include "ui/DialogResources.h"

namespace {

class DialogLanguage : public testing::Test {
protected:
    void SetUp() override { previous_ = InstallDialogResources(&resources_); }
    void TearDown() override { InstallDialogResources(previous_); }

    // Parses into a fresh dialog and expects success.
    Dialog Parse(const char* text) {
        Dialog dialog;
        String error;
        EXPECT_TRUE(ParseLayout(dialog, text, nullptr, &error)) << error.c_str();
        return dialog;
    }

    ListedDialogResources resources_ = ListedDialogResources::Sample();
    DialogResources* previous_ = nullptr;
};

struct Failure {
    const char* text;
    int32_t position;
    const char* message;
};

TEST_F(DialogLanguage, EachErrorNamesItsPositionAndMarksACopyOfTheText) {
    const Failure failures[] = {
        {"text {}; ;", 9, "Type name expected"},
        {"'open", 0, "Type name expected"},
        {"edit samerow", 5, "'{' or ';' expected after type name."},
        {"edit { 5 }", 7, "Property name expected"},
        {"edit { incdec=.5 }", 14, "Expected a property value inside tick marks."},
        {"edit { text='a }", 12, "Expected a property value inside tick marks."},
        {"edit { limit=4x }", 14, "Expected a semi-colon or closing brace."},
        {"edit {} x", 8, "Expected a semi-colon."},
        {"checkbox; widget { text='a' }", 16, "Invalid type: widget"},
        {"Text", 4, "Invalid type: Text"},
    };
    for (const Failure& f : failures) {
        Dialog dialog;
        int32_t position = -1;
        String error;
        EXPECT_FALSE(ParseLayout(dialog, f.text, &position, &error)) << f.text;
        EXPECT_EQ(position, f.position) << f.text;
        String marked = f.text;
        marked.Insert(f.position, " <!ERROR!> ");
        EXPECT_STREQ(error.c_str(), (String(f.message) + "\r\n\r\n" + marked).c_str()) << f.text;
    }
}

TEST_F(DialogLanguage, ControlsMadeBeforeAnErrorStay) {
    Dialog dialog;
    EXPECT_FALSE(ParseLayout(dialog, "checkbox; edit; nonsense {}"));
    ASSERT_EQ(dialog.Count(), 2);
    EXPECT_EQ(dialog.Control(1).kind, ControlKind::kEditbox);
}

TEST_F(DialogLanguage, SeparatorsBlocksAndQuotes) {
    EXPECT_EQ(Parse("").Count(), 0);
    EXPECT_EQ(Parse(" \r\n\t ").Count(), 0);
    Dialog d = Parse("edit {}; edit; 'It''s'; text { text='The style of a table''s column dividers.' }");
    ASSERT_EQ(d.Count(), 4);
    EXPECT_EQ(d.Control(2).kind, ControlKind::kStaticText);
    EXPECT_STREQ(d.Control(2).caption.c_str(), "It's");
    EXPECT_STREQ(d.Control(3).caption.c_str(), "The style of a table's column dividers.");
    // A trailing ';' and white space after the last element are both fine.
    EXPECT_EQ(Parse("checkbox { checked };  ").Count(), 1);
}

TEST_F(DialogLanguage, LayoutFlags) {
    Dialog d = Parse("text { text='a' }; edit { samerow; widthgroup=3 }; edit { widthgroup=0 }; "
                     "edit { widthgroup=8; indent }; checkbox { samerow }");
    EXPECT_EQ(d.Control(0).layoutFlags, kLayoutNewRow | kLayoutNaturalWidth);
    EXPECT_EQ(d.Control(1).layoutFlags, 3u << kLayoutWidthGroupShift);
    EXPECT_EQ(d.Control(2).layoutFlags, kLayoutNewRow | kLayoutNaturalWidth);
    EXPECT_EQ(d.Control(3).layoutFlags, kLayoutNewRow | kLayoutIndent | kLayoutNaturalWidth);
    EXPECT_EQ(d.Control(4).layoutFlags, 0u);
}

TEST_F(DialogLanguage, EditOptions) {
    Dialog d = Parse("edit { limit=4; incdec='3,50,.5' }; edit { incdec='-2.6' }; edit { incdec }; "
                     "edit { incdec='1 2 3 4' }; edit { filespec; multiline; fixed; password; label='Name:'; text='x' }; "
                     "edit { dirspec; multiline }; edit { multiline }");
    const EditOptions& range = d.Control(0).edit;
    EXPECT_EQ(range.limit, 4);
    EXPECT_EQ(range.numericMode, 1);
    EXPECT_EQ(range.minimum, 3.0);
    EXPECT_EQ(range.maximum, 50.0);
    EXPECT_EQ(range.step, 0.5);
    EXPECT_EQ(d.Control(1).edit.incrementMode, -3);
    EXPECT_EQ(d.Control(1).edit.minimum, -1.7e308);
    for (int32_t i : {2, 3}) {
        EXPECT_TRUE(d.Control(i).edit.incdec);
        EXPECT_EQ(d.Control(i).edit.maximum, 1.7e308);
        EXPECT_EQ(d.Control(i).edit.step, 1.0);
    }
    const DialogControl& files = d.Control(4);
    EXPECT_EQ(files.edit.chooser, EditChooser::kMultipleFiles);
    EXPECT_FALSE(files.edit.multiline);
    EXPECT_TRUE(files.edit.fixedPitch && files.edit.password);
    EXPECT_STREQ(files.caption.c_str(), "Name:");
    EXPECT_STREQ(files.text.c_str(), "x");
    EXPECT_EQ(d.Control(5).edit.chooser, EditChooser::kDirectory);
    EXPECT_TRUE(d.Control(6).edit.multiline);
}

TEST_F(DialogLanguage, NumberListsAndBooleans) {
    std::vector<double> n = ExtractNumbers("a-1.5,+2;.25 x- . 7.");
    ASSERT_EQ(n.size(), 4u);
    EXPECT_EQ(n[0], -1.5);
    EXPECT_EQ(n[1], 2.0);
    EXPECT_EQ(n[2], 0.25);
    EXPECT_EQ(n[3], 7.0);
    for (const char* no : {"", " ", "0", "N", "no", " F ", "FALSE"}) EXPECT_FALSE(ParseLayoutBoolean(no)) << no;
    for (const char* yes : {"1", "yes", "t", "00"}) EXPECT_TRUE(ParseLayoutBoolean(yes)) << yes;
}

TEST_F(DialogLanguage, EntriesWithIdsAliasesAndCommas) {
    std::vector<DialogEntry> e = ParseEntries(" Solid[1] , Outset[2]{out},a,,b, ,{x}[3]{y}");
    ASSERT_EQ(e.size(), 4u);
    EXPECT_STREQ(e[0].label.c_str(), "Solid");
    EXPECT_EQ(e[0].id, 1);
    EXPECT_STREQ(e[1].alias.c_str(), "out");
    EXPECT_EQ(e[1].id, 2);
    EXPECT_STREQ(e[2].label.c_str(), "a,b");
    EXPECT_EQ(e[2].id, 0);
    EXPECT_STREQ(e[3].label.c_str(), "{x}");
    EXPECT_EQ(e[3].id, 3);
    EXPECT_STREQ(e[3].alias.c_str(), "y");
}

TEST_F(DialogLanguage, ComboboxSteps) {
    Dialog d = Parse(
        "combo { entries='b,a' };"                                        // 0 defaults
        "combo { entries='b,a'; sorted };"                                // 1 value-less: false
        "combo { entries='b,a'; sorted=1; editable='no' };"                 // 2
        "combo { charsetspec; text=161 };"                                // 3
        "combo { fontspec='fixed,device'; editable=1 };"                  // 4
        "combo { entries='Disabled,Enabled'; storage='index'; text=1 };"  // 5
        "combo { entries='x[1]{one},y[2]{two}'; storage='ALIAS'; text='two' };"  // 6
        "combo { entries='x[1],y[2]'; storage='id'; text=2; editable=1 };"       // 7
        "combo { entries='x,y'; text='typed'; label='Pick:' };"           // 8
        "combo { entries='x'; storage='bogus' }");                        // 9
    EXPECT_TRUE(d.Control(0).editable);
    EXPECT_FALSE(d.Control(0).sorted);
    EXPECT_EQ(d.Control(0).storage, StorageMode::kText);
    EXPECT_STREQ(d.Control(0).entries[0].label.c_str(), "b");
    EXPECT_FALSE(d.Control(1).sorted);
    EXPECT_STREQ(d.Control(2).entries[0].label.c_str(), "a");
    EXPECT_FALSE(d.Control(2).editable);
    // Storage survives the editable option that would otherwise pick id.
    EXPECT_EQ(d.Control(2).storage, StorageMode::kText);

    const DialogControl& charsets = d.Control(3);
    EXPECT_FALSE(charsets.editable);
    EXPECT_EQ(charsets.storage, StorageMode::kId);
    EXPECT_STREQ(charsets.text.c_str(), "Greek");

    const DialogControl& faces = d.Control(4);
    EXPECT_EQ(faces.fontKindMask, kFontKindFixed | kFontKindDevice);
    ASSERT_EQ(faces.entries.size(), 3u);
    EXPECT_STREQ(faces.entries[0].label.c_str(), "Courier New");
    EXPECT_STREQ(faces.entries[1].label.c_str(), "Printer Gothic");
    EXPECT_TRUE(faces.sorted && faces.editable);

    EXPECT_EQ(d.Control(5).selection, 1);
    EXPECT_FALSE(d.Control(5).editable);
    EXPECT_STREQ(d.Control(5).Value().c_str(), "1");
    EXPECT_EQ(d.Control(6).selection, 1);
    EXPECT_STREQ(d.Control(6).Value().c_str(), "two");
    EXPECT_EQ(d.Control(7).storage, StorageMode::kId);
    EXPECT_TRUE(d.Control(7).editable);
    EXPECT_STREQ(d.Control(7).text.c_str(), "y");
    EXPECT_EQ(d.Control(8).selection, -1);
    EXPECT_STREQ(d.Control(8).Value().c_str(), "typed");
    EXPECT_STREQ(d.Control(8).caption.c_str(), "Pick:");
    EXPECT_EQ(d.Control(9).storage, StorageMode::kText);
    EXPECT_TRUE(d.Control(9).editable);
}

TEST_F(DialogLanguage, OtherElements) {
    Dialog d = Parse(
        "text { text='Head'; fancy; center; right }; text { right }; button { text='OK'; default; icon=-3 };"
        "button { showhelp='Intro' }; radio { group=2; checked }; divider { text='ignored' }; "
        "list { caption='Files'; entries='a,b,c'; dclick; storage='index'; selection='2' };"
        "scroll { vertical; min=5; max=9; notches=2; bsize=12; leaptoclick }; scroll { min=-3; leaptoclick='yes' }; glyph");
    EXPECT_EQ(d.Control(0).alignment, kAlignCenter);
    EXPECT_TRUE(d.Control(0).fancy);
    EXPECT_EQ(d.Control(1).alignment, kAlignRight);
    EXPECT_TRUE(d.Control(2).button.isDefault);
    EXPECT_EQ(d.Control(2).button.icon, kIconCancel);
    EXPECT_EQ(d.DefaultButton(), 2);
    EXPECT_TRUE(d.Control(3).button.showsHelp);
    EXPECT_STREQ(d.Control(3).button.helpTopicToShow.c_str(), "Intro");
    EXPECT_FALSE(d.Control(3).button.hasIcon);
    EXPECT_EQ(d.Control(4).radioGroup, 2);
    EXPECT_TRUE(d.Control(4).checked);
    EXPECT_TRUE(d.Control(5).caption.IsEmpty());
    const DialogControl& list = d.Control(6);
    EXPECT_STREQ(list.caption.c_str(), "Files");
    EXPECT_TRUE(list.doubleClick);
    EXPECT_EQ(list.selection, 2);
    const ScrollOptions& v = d.Control(7).scroll;
    EXPECT_TRUE(v.vertical);
    EXPECT_FALSE(v.leapToClick);  // a value-less boolean is false
    EXPECT_EQ(v.value, 5);
    EXPECT_EQ(v.notches, 2);
    EXPECT_EQ(v.buttonSize, 12);
    const ScrollOptions& h = d.Control(8).scroll;
    EXPECT_EQ(h.maximum, 100);
    EXPECT_EQ(h.value, -3);
    EXPECT_TRUE(h.leapToClick);
    EXPECT_EQ(d.Control(9).kind, ControlKind::kGlyphChooser);
}

TEST_F(DialogLanguage, CommonProperties) {
    Dialog d = Parse(
        "checkbox { depend_cb=0; depend_rb=2; depend_combo=5; bold; underline; small; large };"
        "edit { depend_combo=-2; huge; focus; title='T'; tips='Tip' };"
        "text { text='  Menu font face: '; help='~*~'; depend_combo=0 };"
        "checkbox { text='A::'; help='~*~'; depend_eb=1 }");
    const DialogControl& a = d.Control(0);
    EXPECT_EQ(a.dependency, DependencyKind::kRadioButton);
    EXPECT_TRUE(a.dependencyInverted);
    EXPECT_EQ(a.fontStyle, kFontBold | kFontUnderline);
    EXPECT_DOUBLE_EQ(a.fontScale, 0.85);
    const DialogControl& b = d.Control(1);
    EXPECT_EQ(b.dependency, DependencyKind::kCombobox);
    EXPECT_EQ(b.dependencyValue, 2);
    EXPECT_TRUE(b.dependencyInverted);
    EXPECT_DOUBLE_EQ(b.fontScale, 1.9);
    EXPECT_STREQ(b.tip.c_str(), "Tip");
    EXPECT_STREQ(b.tipTitle.c_str(), "T");
    EXPECT_EQ(d.FocusIndex(), 1);
    EXPECT_STREQ(d.Control(2).helpTopic.c_str(), "Menu font face");
    EXPECT_EQ(d.Control(2).dependency, DependencyKind::kCombobox);
    EXPECT_EQ(d.Control(2).dependencyValue, 0);
    EXPECT_FALSE(d.Control(2).dependencyInverted);
    EXPECT_STREQ(d.Control(3).helpTopic.c_str(), "A:");
    EXPECT_EQ(d.Control(3).dependency, DependencyKind::kEditbox);
}

TEST_F(DialogLanguage, EverySettingsLayoutParses) {
    RegisterFrameworkSettings();
    for (int32_t i = 0; i < kSettingCount; ++i) {
        Dialog dialog;
        int32_t position = -1;
        String error;
        EXPECT_TRUE(ParseLayout(dialog, FrameworkSetting(i).layout, &position, &error))
            << "setting " << i << " at " << position << ":\n" << error.c_str();
        EXPECT_GT(dialog.Count(), 0) << "setting " << i;
    }
}

}  // namespace
