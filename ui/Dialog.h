// A dialog as portable data: the controls in creation order with everything the
// layout language sets on them, plus the two behaviours that must not depend on a
// window system (a combo's or list's value through its storage mode, and enabling by
// dependency). A host realises the controls natively and keeps both sides in step
// through DialogObserver and ControlChanged.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "core/String.h"

class TableModel;

// The framework's control type codes where it names them (2, 3, 4, 6).
enum class ControlKind : int32_t {
    kStaticText = 1,
    kCheckbox = 2,
    kRadioButton = 3,
    kEditbox = 4,
    kPushButton = 5,
    kCombobox = 6,
    kListbox = 7,
    kScrollbar = 8,
    kDivider = 9,
    kGlyphChooser = 10,
    kTable = 11,  // made by program code; the layout language has no word for it
};

// How a combobox or listbox value is read and written.
enum class StorageMode : int32_t { kIndex = 0, kId = 1, kText = 2, kAlias = 3 };

constexpr int32_t kAlignLeft = 96;
constexpr int32_t kAlignCenter = 97;
constexpr int32_t kAlignRight = 98;

constexpr int32_t kFontBold = 1;
constexpr int32_t kFontItalics = 2;
constexpr int32_t kFontUnderline = 4;

// Layout flags, one word per control.
constexpr uint32_t kLayoutNewRow = 0x1;
constexpr uint32_t kLayoutIndent = 0x2;
constexpr uint32_t kLayoutWidthGroupShift = 2;
constexpr uint32_t kLayoutWidthGroupMask = 0x7u << kLayoutWidthGroupShift;
constexpr uint32_t kLayoutNaturalWidth = 0x20;

inline int32_t LayoutWidthGroup(uint32_t flags) {
    return int32_t((flags & kLayoutWidthGroupMask) >> kLayoutWidthGroupShift);
}

// Button icons with a meaning of their own; other numbers name image resources.
constexpr int32_t kIconProceed = -1;
constexpr int32_t kIconStock = -2;
constexpr int32_t kIconCancel = -3;
constexpr int32_t kIconStop = -4;

// Font kinds of a font-face combobox, or'ed into its mask.
constexpr int32_t kFontKindTrueType = 1;
constexpr int32_t kFontKindRaster = 2;
constexpr int32_t kFontKindDevice = 4;
constexpr int32_t kFontKindFixed = 8;
constexpr int32_t kFontKindVariable = 16;

struct DialogEntry {
    String label;
    int32_t id = 0;
    String alias;
};

enum class EditChooser : int32_t { kNone, kDirectory, kFile, kMultipleFiles };

struct EditOptions {
    bool multiline = false;
    bool password = false;
    bool fixedPitch = false;
    int32_t limit = 0;  // characters; 0 = no limit
    EditChooser chooser = EditChooser::kNone;
    // Increment and decrement buttons.
    bool incdec = false;
    int32_t numericMode = 0;
    double minimum = -1.7e308;
    double maximum = 1.7e308;
    double step = 1.0;
    int32_t incrementMode = 0;
};

struct ButtonOptions {
    bool isDefault = false;
    bool showsHelp = false;  // opens helpTopicToShow and shows the help image
    String helpTopicToShow;
    bool hasIcon = false;
    int32_t icon = 0;
};

struct ScrollOptions {
    bool vertical = false;
    int32_t minimum = 0;
    int32_t maximum = 100;
    int32_t notches = 0;
    int32_t buttonSize = 0;
    bool leapToClick = false;
    int32_t value = 0;
};

enum class DependencyKind : int32_t {
    kNone = 0,
    kCheckbox = 2,
    kRadioButton = 3,
    kEditbox = 4,  // an editbox or a combobox that is not empty
    kCombobox = 6,  // a combobox whose selected entry has the id dependencyValue
};

struct DialogControl {
    ControlKind kind = ControlKind::kStaticText;
    uint32_t layoutFlags = 0;

    // The caption of a static text, checkbox, radio or button; the label drawn in
    // front of an edit or combo; a list's caption.
    String caption;
    // An editbox's text; a combobox's edit field (the label of its selection, or
    // what was typed into an editable one).
    String text;
    bool checked = false;  // checkbox, or the selected radio button
    bool enabled = true;

    bool fancy = false;  // the decorated heading variant of a static text
    int32_t alignment = kAlignLeft;

    // Combobox and listbox.
    std::vector<DialogEntry> entries;
    int32_t selection = -1;
    StorageMode storage = StorageMode::kText;
    bool sorted = false;
    bool editable = false;
    bool doubleClick = false;       // listbox
    bool characterSets = false;     // combobox filled with the character sets
    int32_t fontKindMask = 0;       // combobox filled with font faces of these kinds

    EditOptions edit;
    ButtonOptions button;
    int32_t radioGroup = 0;
    ScrollOptions scroll;
    std::shared_ptr<TableModel> table;  // kTable

    String tip;
    String tipTitle;
    String helpTopic;
    int32_t fontStyle = 0;
    double fontScale = 1.0;

    DependencyKind dependency = DependencyKind::kNone;
    int32_t dependencyValue = 0;
    bool dependencyInverted = false;

    bool IsComboOrList() const {
        return kind == ControlKind::kCombobox || kind == ControlKind::kListbox;
    }
    // What an editbox dependency asks of its controller: no text typed and, for a
    // combobox or listbox, no entry selected. Other kinds answer for their caption.
    bool IsEmpty() const;

    // The value through the storage mode: the selected entry's position, id, label or
    // alias as text ("" when nothing is selected). An editable combobox answers what
    // is in its edit field.
    String Value() const;
    // Selects the entry the value names. An editable combobox in text mode keeps a
    // text that matches no entry as typed; otherwise an unmatched value is refused and
    // nothing changes.
    bool SetValue(const String& value);
    // -1 deselects; out of range is refused.
    bool Select(int32_t index);
    void AddEntries(const std::vector<DialogEntry>& more);
    void SetSorted(bool sorted);
    // On its own, editability also picks the storage a combobox usually wants: text
    // when editable, id when not. The layout language overrides it afterwards.
    void SetEditable(bool editable);
};

// What a host learns from the portable side.
class DialogObserver {
public:
    virtual ~DialogObserver() = default;
    virtual void ControlValueChanged(int32_t index) = 0;
    virtual void ControlEnabledChanged(int32_t index) = 0;
};

class Dialog {
public:
    explicit Dialog(const String& title = String()) : title_(title) {}

    const String& Title() const { return title_; }
    int32_t Count() const { return int32_t(controls_.size()); }
    DialogControl& Control(int32_t index);
    const DialogControl& Control(int32_t index) const;

    // The reference holds until the next Add.
    DialogControl& Add(ControlKind kind, uint32_t layoutFlags);

    // -1 when no control asked for it.
    int32_t FocusIndex() const { return focus_; }
    void SetFocus(int32_t index) { focus_ = index; }
    // The first push button marked default, or -1.
    int32_t DefaultButton() const;

    void SetObserver(DialogObserver* observer) { observer_ = observer; }

    // The host calls this after writing the user's change into Control(index): a radio
    // button that became selected clears the others of its group, and every control's
    // enabled state is brought up to date.
    void ControlChanged(int32_t index);

    // Changes made by the program: the host hears of them, then as ControlChanged.
    void SetChecked(int32_t index, bool checked);
    void SetText(int32_t index, const String& text);
    bool SetValue(int32_t index, const String& value);

    // Walks the controls in creation order and enables or disables each dependent one
    // by the nearest controlling control of its kind before it; a disabled controller
    // disables its dependants, so chains cascade.
    void EvaluateDependencies();

private:
    void NotifyValue(int32_t index);
    void ClearRadioGroup(int32_t index);

    String title_;
    std::vector<DialogControl> controls_;
    int32_t focus_ = -1;
    DialogObserver* observer_ = nullptr;
};
