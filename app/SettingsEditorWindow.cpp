#include "app/SettingsEditorWindow.h"

#include "app/FrameworkSettings.h"
#include "core/Settings.h"
#include "platform/Ask.h"
#include "ui/PagedDialog.h"
#include "ui/SettingsEditor.h"

namespace {

String UnreadableReport(const std::vector<int32_t>& settings) {
    String text = "These fields do not hold a number:\n";
    for (int32_t index : settings) {
        const Corvane_Setting& setting = FrameworkSetting(index);
        text.Append(String("\n") + setting.section + ": " + setting.label);
    }
    return text;
}

}  // namespace

bool RunSettingsEditor(const String& section) {
    SettingsEditor editor;
    SettingsEditorPages pages(editor);
    const PagedDialogNode* start = FindPagedNode(pages.Tree(), section);
    if (const PagedDialogNode* first = FirstPage(start ? *start : pages.Tree())) pages.initialPath = first->path;
    // A field that is not a number sends the user back to the pages as they left them.
    for (;;) {
        if (TheAsk().RunPagedDialog(pages, DialogRun()) != kAskOk) return false;
        std::vector<int32_t> unreadable = editor.Unreadable();
        if (unreadable.empty()) break;
        ShowMessage(pages.Title(), UnreadableReport(unreadable), kAskOkOnly, kAskNone, AskIcon::Warning);
    }
    bool written = editor.Apply();
    ApplyFrameworkSettings();
    if (!written) ShowMessage(pages.Title(), "The settings could not be saved to \"corvane.ini\".", kAskOkOnly,
                              kAskNone, AskIcon::Error);
    return true;
}
