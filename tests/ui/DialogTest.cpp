#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "ui/DialogLanguage.h"
#include "ui/DialogResources.h"

namespace {

struct Recorder : DialogObserver {
    std::vector<int32_t> values, enables;
    void ControlValueChanged(int32_t index) override { values.push_back(index); }
    void ControlEnabledChanged(int32_t index) override { enables.push_back(index); }
};

Dialog Build(const char* text) {
    ListedDialogResources none;
    Dialog dialog;
    String error;
    EXPECT_TRUE(ParseLayout(dialog, text, none, nullptr, &error)) << error.c_str();
    dialog.EvaluateDependencies();
    return dialog;
}

std::vector<bool> Enabled(const Dialog& d) {
    std::vector<bool> on;
    for (int32_t i = 0; i < d.Count(); ++i) on.push_back(d.Control(i).enabled);
    return on;
}

TEST(DialogDependencies, CheckboxChainsCascadeAndInvert) {
    // 0 master, 1 follows it, 2 is the nearest checkbox for 3, so 3 follows 2 only.
    Dialog d = Build("checkbox; checkbox { depend_cb=1 }; edit { depend_cb=1 }; "
                     "edit { depend_cb=2 }; text { depend_cb=0 }");
    EXPECT_EQ(Enabled(d), (std::vector<bool>{true, false, false, true, true}));
    Recorder r;
    d.SetObserver(&r);
    d.SetChecked(0, true);
    EXPECT_EQ(Enabled(d), (std::vector<bool>{true, true, false, true, true}));
    d.SetChecked(1, true);
    EXPECT_EQ(Enabled(d), (std::vector<bool>{true, true, true, false, true}));
    // Unchecking the master disables 1, and with it everything hanging on 1.
    d.SetChecked(0, false);
    EXPECT_EQ(Enabled(d), (std::vector<bool>{true, false, false, true, true}));
    EXPECT_EQ(r.values, (std::vector<int32_t>{0, 1, 0}));
    EXPECT_EQ(r.enables, (std::vector<int32_t>{1, 2, 3, 1, 2, 3}));
}

TEST(DialogDependencies, RadioGroupsAndEditboxText) {
    Dialog d = Build("radio { group=1; checked }; radio { group=1 }; edit { depend_rb=1 }; "
                     "combo { entries='a[4]'; storage='id'; depend_rb=1 }; button { depend_eb=1 }");
    // The nearest radio is the unchecked second one; the button follows the combo.
    EXPECT_EQ(Enabled(d), (std::vector<bool>{true, true, false, false, false}));
    d.Control(1).checked = true;
    d.ControlChanged(1);
    EXPECT_FALSE(d.Control(0).checked);
    EXPECT_EQ(Enabled(d), (std::vector<bool>{true, true, true, true, false}));
    EXPECT_TRUE(d.SetValue(3, "4"));
    EXPECT_TRUE(d.Control(4).enabled);
    d.SetText(2, "now");  // the edit is not the nearest editbox-or-combo of the button
    d.SetText(3, "");
    EXPECT_FALSE(d.Control(4).enabled);
}

TEST(DialogDependencies, ComboIdsAndInvertedCombo) {
    Dialog d = Build("combo { entries='None[0],Solid[1],Dashed[2]'; storage='id'; text=1 }; "
                     "edit { depend_combo=0 }; edit { depend_combo=1 }; edit { depend_combo=-2 }");
    EXPECT_EQ(Enabled(d), (std::vector<bool>{true, false, true, true}));
    d.SetValue(0, "2");
    EXPECT_EQ(Enabled(d), (std::vector<bool>{true, false, false, false}));
    d.SetValue(0, "0");
    EXPECT_EQ(Enabled(d), (std::vector<bool>{true, true, false, true}));
    // No selection satisfies no id.
    d.Control(0).Select(-1);
    d.ControlChanged(0);
    EXPECT_EQ(Enabled(d), (std::vector<bool>{true, false, false, true}));
}

TEST(DialogDependencies, NoControllerBeforeLeavesTheControlAlone) {
    Dialog d = Build("edit { depend_cb=1 }; checkbox");
    EXPECT_TRUE(d.Control(0).enabled);
}

TEST(DialogValues, StorageModes) {
    Dialog d = Build("combo { entries='a[7]{x},b[9]{y}'; storage='index' }; list { entries='p,q' }");
    DialogControl& combo = d.Control(0);
    EXPECT_TRUE(combo.Value().IsEmpty());
    EXPECT_FALSE(combo.SetValue("2"));
    EXPECT_FALSE(combo.SetValue("one"));
    EXPECT_TRUE(combo.SetValue("1"));
    combo.storage = StorageMode::kId;
    EXPECT_STREQ(combo.Value().c_str(), "9");
    EXPECT_FALSE(combo.SetValue("8"));
    EXPECT_EQ(combo.selection, 1);
    combo.storage = StorageMode::kAlias;
    EXPECT_TRUE(combo.SetValue("x"));
    EXPECT_STREQ(combo.text.c_str(), "a");
    // A combo that cannot be typed into refuses unknown text; an editable one keeps it.
    combo.storage = StorageMode::kText;
    EXPECT_FALSE(combo.SetValue("zz"));
    combo.editable = true;
    EXPECT_TRUE(combo.SetValue("zz"));
    EXPECT_EQ(combo.selection, -1);
    EXPECT_STREQ(combo.Value().c_str(), "zz");

    DialogControl& list = d.Control(1);
    EXPECT_TRUE(list.SetValue("q"));
    EXPECT_STREQ(list.Value().c_str(), "q");
    EXPECT_FALSE(list.SetValue("r"));
}

TEST(DialogValues, SortingKeepsTheSelectedEntry) {
    Dialog d = Build("combo { entries='c,B,a'; storage='index'; text=0 }");
    DialogControl& combo = d.Control(0);
    combo.SetSorted(true);
    EXPECT_STREQ(combo.entries[0].label.c_str(), "a");
    EXPECT_STREQ(combo.entries[1].label.c_str(), "B");
    EXPECT_EQ(combo.selection, 2);
    combo.AddEntries({{"b2", 0, {}}});
    EXPECT_STREQ(combo.entries[2].label.c_str(), "b2");
    EXPECT_STREQ(combo.text.c_str(), "c");
}

}  // namespace
