#include "app/Options.h"

#include <memory>

#include "app/AppIdentity.h"
#include "app/Document.h"
#include "app/MainWindow.h"
#include "app/OptionsCharacterSets.h"
#include "editbox/Editbox.h"
#include "editbox/EditboxSettings.h"
#include "platform/Font.h"
#include "ui/Menu.h"
#include "ui/SettingsEditor.h"
#include "ui/Toolbar.h"

namespace {

// The editbox keeps "WordBreak" and "FixedPitch" in the same section.
class EditboxSettingsExchange : public EditboxOptionExchange {
public:
    explicit EditboxSettingsExchange(SettingsExchange& exchange) : exchange_(exchange) {}
    bool IsLoading() const override { return exchange_.IsLoading(); }
    void ExchangeBool(const char* key, bool& value) override { exchange_.Flag(key, value); }

private:
    SettingsExchange& exchange_;
};

String DefaultCharacterSetName() {
    const CharacterSet* set = FindCharacterSet(TheEditboxSettings().fontCharset);
    return set ? String(set->name) : String(CharacterSetAt(0).name);
}

}  // namespace

Options::Options() : characterSet(DefaultCharacterSetName()) {}

bool Options::Toggle(int32_t command, Document& document) {
    DocumentSettings& settings = document.Settings();
    switch (command) {
        case kCmdDetectChanges: settings.detectChanges = !settings.detectChanges; return true;
        case kCmdFullPathOnCaption: fullPath = !fullPath; return true;
        case kCmdLockFile: settings.lockFile = !settings.lockFile; return true;
        case kCmdRecordHistory: settings.recordHistory = !settings.recordHistory; return true;
        case kCmdStatusBarShown: statusBarShown = !statusBarShown; return true;
        case kCmdToolbarShown: toolbarShown = !toolbarShown; return true;
        default: return false;
    }
}

void Options::BuildMenu(Menu& menu, const Document& document) const {
    const DocumentSettings& settings = document.Settings();
    // "Open with" for all file types and the menu's help join the menu with shell
    // integration and the help viewer; until then the flag is only carried along.
    menu.Add("Detect external changes", kCmdDetectChanges).checked = settings.detectChanges;
    menu.Add("Full path on caption", kCmdFullPathOnCaption).checked = fullPath;
    menu.Add("Lock file", kCmdLockFile).checked = settings.lockFile;
    menu.Add("Record file history", kCmdRecordHistory).checked = settings.recordHistory;
    menu.Add("Status bar visible", kCmdStatusBarShown).checked = statusBarShown;
    menu.Add("Toolbar visible", kCmdToolbarShown).checked = toolbarShown;
    menu.AddSeparator();
    Menu& sets = menu.AddSubmenu("Character set");
    for (int32_t n = 0; const CharacterSet* set = OfferedCharacterSet(n); ++n) {
        sets.Add(set->name, kCmdCharacterSetFirst + n).checked =
            characterSet.Compare(set->name, false) == 0;
    }
    Menu& framework = menu.AddSubmenu("&Settings");
    framework.Add("&All settings...", kCmdSettingsAll);
    const SettingsSection tree = BuildSettingsTree();
    for (size_t n = 0; n < tree.children.size() && kCmdSettingsSectionFirst + int32_t(n) < kCmdSettingsSectionEnd; ++n) {
        framework.Add(tree.children[n].name + "...", kCmdSettingsSectionFirst + int32_t(n));
    }
    Menu& window = menu.AddSubmenu("&Window");
    window.Add("&Resize Window...", kCmdResizeWindow);
}

bool Options::SelectCharacterSet(int32_t command) {
    if (command < kCmdCharacterSetFirst || command >= kCmdCharacterSetEnd) return false;
    const CharacterSet* set = OfferedCharacterSet(command - kCmdCharacterSetFirst);
    if (!set) return false;
    characterSet = set->name;
    return true;
}

int32_t Options::CharacterSetCode() const {
    const CharacterSet* set = FindCharacterSet(characterSet);
    return set ? set->code : TheEditboxSettings().fontCharset;
}

void Options::ApplyCharacterSet(Editbox& editbox) const {
    const EditboxSettings& settings = TheEditboxSettings();
    FontRequest variable;
    variable.face = settings.fontFace;
    variable.points = settings.fontPoints;
    variable.bold = settings.fontBold;
    variable.italic = settings.fontItalic;
    variable.charset = CharacterSetCode();
    FontRequest fixed;
    fixed.face = settings.fixedFontFace;
    fixed.points = settings.fontPoints;
    fixed.bold = settings.fixedFontBold;
    fixed.italic = settings.fixedFontItalic;
    fixed.fixedPitch = true;
    fixed.charset = variable.charset;
    editbox.SetFonts(TheFontSource().OpenFont(variable), TheFontSource().OpenFont(fixed));
}

void Options::Exchange(SettingsExchange& x, Editbox& editbox, Document& document) {
    EditboxSettingsExchange editboxExchange(x);
    editbox.ExchangeOptions(editboxExchange);

    DocumentSettings& settings = document.Settings();
    x.Flag("FullPath", fullPath);
    String chosenSet = characterSet;
    if (x.Text("Charset", chosenSet) && FindCharacterSet(chosenSet)) characterSet = chosenSet;
    x.Flag("LockFile", settings.lockFile);
    x.Flag("StatusbarShown", statusBarShown);
    x.Flag("OpenWithNivora", openWithAll);
    x.Flag("DetectChanges", settings.detectChanges);
    x.Flag("ToolbarShown", toolbarShown);
    String toolbar = ToolbarButtonsToText(toolbarButtons);
    if (x.Text("Toolbar", toolbar) && x.IsLoading()) TextToToolbarButtons(toolbar, toolbarButtons);

    x.Text("LastDocument", settings.lastDocument);
    x.Text("LastDirectory", settings.lastDirectory);
    x.Flag("RecordHistory", settings.recordHistory);
    x.Flag("AutoOpen", settings.autoOpen);
    // Never write a placement nobody measured: the framework's own default is
    // better than a window of no size.
    if (x.IsLoading() || windowPosKnown) {
        WindowPlacement placement = windowPos;
        if (x.Placement("WindowPos", placement) && x.IsLoading()) {
            windowPos = placement;
            windowPosKnown = true;
        }
    }
    x.TextList("FileHistory", document.History().Entries());
    if (x.IsLoading()) document.History().CutToLimit();
}

void Options::Load(Editbox& editbox, Document& document, const String& file) {
    SettingsExchange exchange(TheAppIdentity().productName, SettingsExchange::kLoad, file);
    Exchange(exchange, editbox, document);
}

void Options::Save(Editbox& editbox, Document& document, const String& file) {
    SettingsExchange exchange(TheAppIdentity().productName, SettingsExchange::kSave, file);
    Exchange(exchange, editbox, document);
}

Toolbar Options::ArrangeToolbar(const Toolbar& full) const {
    if (toolbarButtons.Count() == 0) return full;
    Toolbar arranged;
    for (int32_t command : toolbarButtons) {
        if (command == 0) {
            arranged.AddSeparator();
        } else if (const ToolbarButton* button = full.Find(command)) {
            arranged.AddButton(button->command, button->name, button->help, button->image);
        }
    }
    return arranged;
}

void Options::RecordToolbar(const Toolbar& toolbar) {
    toolbarButtons.Clear();
    for (int32_t i = 0; i < toolbar.Count(); ++i) toolbarButtons.Append(toolbar.Button(i).command);
}

String ToolbarButtonsToText(const Vector<int32_t>& buttons) {
    String text;
    for (int32_t i = 0; i < buttons.Count(); ++i) {
        if (i > 0) text.Append(',');
        text.Append(String::Formatted("%d", buttons[i]));
    }
    return text;
}

void TextToToolbarButtons(const String& text, Vector<int32_t>& buttons) {
    buttons.Clear();
    int32_t start = 0;
    while (start < text.Length()) {
        int32_t end = text.Find(',', start);
        if (end < 0) end = text.Length();
        int32_t command = 0;
        String item = text.Mid(start, end - start);
        item.Trim();
        if (TextToNumber(item, command) && command >= 0) buttons.Append(command);
        start = end + 1;
    }
}
