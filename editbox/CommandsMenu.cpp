// The context menu as one table: each row says its label, its command, when it is
// shown and how its label follows the selection. A new command is one more row.
#include <span>

#include "editbox/Commands.h"
#include "editbox/CommandsConditions.h"
#include "editbox/Editbox.h"
#include "editbox/InsertMode.h"
#include "platform/Clipboard.h"

namespace {

// What a label's first %s names.
enum class Target {
    None,
    CopySource,  // "selection" / "all text"
    PasteWhere,  // "over selection" / "at cursor"
    Selected,  // "selected" / "all": the paragraph tools and Reverse characters
    Selection,  // "selection" / "all": the case tools, indent and unindent
};

struct MenuRow {
    const char* label;
    int32_t command = 0;  // 0: a sub-menu
    Target target = Target::None;
    // The label's second %s: always, or only while a selection exists.
    const char* suffix = "";
    bool suffixNeedsSelection = false;
    bool (*shown)(const Editbox&) = nullptr;  // null: always
    bool (*ticked)(const Editbox&) = nullptr;
    std::span<const MenuRow> submenu = {};
};

bool CanCut(const Editbox& e) { return HasText(e) && IsEditable(e) && e.HasSelection(); }
bool CanCopy(const Editbox& e) { return HasText(e) && !e.IsCopyProhibited(); }
bool CanPaste(const Editbox& e) { return OffersPaste(e) && TheClipboard().HasText(); }
bool CanSelectAll(const Editbox& e) { return HasText(e) && !e.IsAllSelected(); }
bool CanUndo(const Editbox& e) { return e.CanUndo(); }
bool CanRedo(const Editbox& e) { return e.CanRedo(); }
bool CanSaveAs(const Editbox& e) { return e.Kind() == kEditboxKindDocument && HasText(e); }
bool IsFixedPitch(const Editbox& e) { return e.IsFixedPitch(); }
bool InsertModeOn(const Editbox&) { return IsInsertMode(); }
bool WordWrapOn(const Editbox& e) { return e.WordWrap(); }

constexpr MenuRow kOptions[] = {
    {.label = "&Fixed pitch", .command = kCmdEditFixedPitch, .shown = OffersFixedPitch,
     .ticked = IsFixedPitch},
    {.label = "&Insert mode\tInsert", .command = kCmdEditInsertMode, .shown = FollowsInsertMode,
     .ticked = InsertModeOn},
    {.label = "&Word wrap", .command = kCmdEditWordWrap, .shown = OffersWordWrap,
     .ticked = WordWrapOn},
};

constexpr MenuRow kConvertCase[] = {
    {.label = "Convert %s to lower case\tCtrl+Shift+L", .command = kCmdEditLowerCase,
     .target = Target::Selection, .shown = IsEditable},
    {.label = "Convert %s to upper case\tCtrl+Shift+U", .command = kCmdEditUpperCase,
     .target = Target::Selection, .shown = IsEditable},
    {.label = "Convert %s to sentence case", .command = kCmdEditSentenceCase,
     .target = Target::Selection, .shown = IsEditable},
    {.label = "Convert %s to title case", .command = kCmdEditTitleCase,
     .target = Target::Selection, .shown = IsEditable},
    {.label = "Toggle %s case", .command = kCmdEditToggleCase, .target = Target::Selection,
     .shown = IsEditable},
};

constexpr MenuRow kConvertEncoding[] = {
    {.label = "Decanonicalize from HTML", .command = kCmdEditDecodeHtml, .shown = IsEditable},
    {.label = "Decanonicalize from URL", .command = kCmdEditDecodeUrl, .shown = IsEditable},
    {.label = "Decode from BASE64", .command = kCmdEditDecodeBase64, .shown = IsEditable},
    {.label = "Decode from hex", .command = kCmdEditDecodeHex, .shown = IsEditable},
    {.label = "Decode from MIME header", .command = kCmdEditDecodeMimeHeader, .shown = IsEditable},
    {.label = "Decode from Quoted-Printable", .command = kCmdEditDecodeQuotedPrintable,
     .shown = IsEditable},
    {.label = "Decode from UTF-7", .command = kCmdEditDecodeUtf7, .shown = IsEditable},
    {.label = "Decode from UTF-8", .command = kCmdEditDecodeUtf8, .shown = IsEditable},
    {.label = "Decode from UUENCODE", .command = kCmdEditDecodeUuencode, .shown = IsEditable},
    {.label = "Canonicalize for HTML", .command = kCmdEditEncodeHtml, .shown = IsEditable},
    {.label = "Canonicalize for URL", .command = kCmdEditEncodeUrl, .shown = IsEditable},
    {.label = "Encode to BASE64", .command = kCmdEditEncodeBase64, .shown = IsEditable},
    {.label = "Encode to hex", .command = kCmdEditEncodeHex, .shown = IsEditable},
    {.label = "Encode to Quoted-Printable", .command = kCmdEditEncodeQuotedPrintable,
     .shown = IsEditable},
    {.label = "Encode to UTF-7", .command = kCmdEditEncodeUtf7, .shown = IsEditable},
    {.label = "Encode to UTF-8", .command = kCmdEditEncodeUtf8, .shown = IsEditable},
    {.label = "Encode to UUENCODE", .command = kCmdEditEncodeUuencode, .shown = IsEditable},
};

// Alphabetical by label, as the user scans it.
constexpr MenuRow kTools[] = {
    {.label = "Alphabetize %s paragraphs", .command = kCmdEditAlphabetize,
     .target = Target::Selected, .shown = IsEditable},
    {.label = "Convert case", .shown = IsEditable, .submenu = kConvertCase},
    {.label = "Convert encoding", .shown = IsEditable, .submenu = kConvertEncoding},
    {.label = "Discard duplicate paragraphs", .command = kCmdEditDiscardDuplicates,
     .shown = IsEditable},
    {.label = "Indent %s with space", .command = kCmdEditIndentWithSpace,
     .target = Target::Selection, .shown = IsEditable},
    {.label = "&Indent %s with tab%s", .command = kCmdEditIndentWithTab,
     .target = Target::Selection, .suffix = "\tTab", .suffixNeedsSelection = true,
     .shown = IsEditable},
    {.label = "&Normalize spaces", .command = kCmdEditNormalizeSpaces, .shown = IsEditable},
    {.label = "&Open from file", .command = kCmdEditOpenFromFile, .shown = OffersOpenFromFile},
    {.label = "Randomize %s paragraphs", .command = kCmdEditRandomize,
     .target = Target::Selected, .shown = IsEditable},
    {.label = "Reverse %s paragraphs", .command = kCmdEditReverseParagraphs,
     .target = Target::Selected, .shown = IsEditable},
    {.label = "Reverse %s characters", .command = kCmdEditReverseCharacters,
     .target = Target::Selected, .shown = IsEditable},
    {.label = "Save to file", .command = kCmdEditSaveToFile, .shown = HasText},
    {.label = "&Trim trailing spaces", .command = kCmdEditTrimTrailingSpaces, .shown = IsEditable},
    {.label = "&Unindent %s%s", .command = kCmdEditUnindent, .target = Target::Selection,
     .suffix = "\tShift+Tab", .suffixNeedsSelection = true, .shown = IsEditable},
};

constexpr MenuRow kContextMenu[] = {
    {.label = "Cut selection to clipboard\tCtrl+X", .command = kCmdEditCut, .shown = CanCut},
    {.label = "Copy %s to clipboard%s", .command = kCmdEditCopy, .target = Target::CopySource,
     .suffix = "\tCtrl+C", .shown = CanCopy},
    {.label = "Paste clipboard %s\tCtrl+V", .command = kCmdEditPaste,
     .target = Target::PasteWhere, .shown = CanPaste},
    {.label = "Select &all\tCtrl+A", .command = kCmdEditSelectAll, .shown = CanSelectAll},
    {.label = "&Undo\tCtrl+Z", .command = kCmdEditUndo, .shown = CanUndo},
    {.label = "&Redo\tCtrl+Y", .command = kCmdEditRedo, .shown = CanRedo},
    {.label = "&Open from file", .command = kCmdEditOpenFromFile, .shown = OffersOpenFromFile},
    {.label = "Save as", .command = kCmdEditSaveToFile, .shown = CanSaveAs},
    {.label = "Editbox options", .submenu = kOptions},
    {.label = "Editbox tools", .submenu = kTools},
};

const char* TargetWord(Target target, bool selection) {
    switch (target) {
        case Target::CopySource: return selection ? "selection" : "all text";
        case Target::PasteWhere: return selection ? "over selection" : "at cursor";
        case Target::Selected: return selection ? "selected" : "all";
        case Target::Selection: return selection ? "selection" : "all";
        case Target::None: break;
    }
    return "";
}

// Fills the label's %s in order: the target word, then the suffix.
String Label(const MenuRow& row, bool selection) {
    const char* fills[2] = {TargetWord(row.target, selection),
                            row.suffixNeedsSelection && !selection ? "" : row.suffix};
    String label;
    int32_t filled = 0;
    for (const char* p = row.label; *p; ++p) {
        if (p[0] == '%' && p[1] == 's' && filled < 2) {
            label.Append(fills[filled++]);
            ++p;
        } else {
            label.Append(*p);
        }
    }
    return label;
}

bool Shown(const Editbox& editbox, const MenuRow& row);

// A sub-menu none of whose entries apply would open as an empty box.
bool AnyShown(const Editbox& editbox, std::span<const MenuRow> rows) {
    for (const MenuRow& row : rows)
        if (Shown(editbox, row)) return true;
    return false;
}

bool Shown(const Editbox& editbox, const MenuRow& row) {
    if (row.shown && !row.shown(editbox)) return false;
    return row.command != 0 || AnyShown(editbox, row.submenu);
}

void AddRows(const Editbox& editbox, std::span<const MenuRow> rows, EditboxMenuSink& menu) {
    bool selection = editbox.HasSelection();
    for (const MenuRow& row : rows) {
        if (!Shown(editbox, row)) continue;
        if (row.command == 0) {
            menu.BeginSubmenu(row.label);
            AddRows(editbox, row.submenu, menu);
            menu.EndSubmenu();
        } else {
            menu.AddItem(Label(row, selection), row.command, row.ticked && row.ticked(editbox));
        }
    }
}

}  // namespace

void BuildContextMenu(const Editbox& editbox, EditboxMenuSink& menu) {
    AddRows(editbox, kContextMenu, menu);
}
