// The toolbar and status bar as data. Hosts render them with native controls and
// read back nothing but clicks and resizes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/String.h"

// The pictures drawn for toolbar buttons (ui/ToolbarArt.h), one per button.
enum class ToolbarImage : int32_t {
    kNone = -1,
    kNew, kOpen, kSave, kSaveAs, kClose, kCut, kCopy, kPaste, kSearch, kSearchAndReplace,
    kSearchContinue, kUndo, kAlphabetize, kBookmarkRetrieve, kBookmarkSet, kCalculator,
    kCalendar, kCharacterMap, kDiscardDuplicates, kIndentSpace, kIndentTab, kJumpToLine,
    kJumpToOffset, kMacroManager, kMacroRecord, kMacroPlay, kNormalizeSpaces, kPrint,
    kRandomize, kReverseParagraphs, kReverseCharacters, kSpellCheck, kStatistics,
    kTrimTrailingSpaces, kUnindent,
    kCount
};

struct ToolbarButton {
    int32_t command = 0;  // 0 = separator
    String name;          // short label, also the tooltip title
    String help;
    ToolbarImage image = ToolbarImage::kNone;
    bool enabled = true;
};

class Toolbar {
public:
    void AddButton(int32_t command, const String& name, const String& help, ToolbarImage image);
    void AddSeparator();
    int32_t Count() const { return int32_t(buttons_.size()); }
    const ToolbarButton& Button(int32_t index) const { return buttons_[size_t(index)]; }
    const ToolbarButton* Find(int32_t command) const;
    // True when the state actually changed, so hosts redraw only what moved.
    bool SetEnabled(int32_t command, bool enabled);

private:
    std::vector<ToolbarButton> buttons_;
};

struct StatusField {
    int32_t widthInChars = 16;
    String hint;  // tooltip naming what the figures mean
    String text;
};

class StatusBar {
public:
    void AddField(int32_t widthInChars, const String& hint);
    int32_t Count() const { return int32_t(fields_.size()); }
    const StatusField& Field(int32_t index) const { return fields_[size_t(index)]; }
    // True when the text changed.
    bool SetText(int32_t index, const String& text);
    void SetWidth(int32_t index, int32_t widthInChars);

private:
    std::vector<StatusField> fields_;
};
