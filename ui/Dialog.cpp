#include "ui/Dialog.h"

#include <algorithm>
#include <cstdlib>

#include "core/Fatal.h"

namespace {

int32_t ParseWhole(const String& text) { return int32_t(std::strtol(text.c_str(), nullptr, 10)); }

bool IsWhole(const String& text) {
    const char* p = text.c_str();
    while (IsWhiteSpace(*p)) ++p;
    if (*p == '-' || *p == '+') ++p;
    if (!IsDigit(*p)) return false;
    while (IsDigit(*p)) ++p;
    while (IsWhiteSpace(*p)) ++p;
    return *p == 0;
}

String WholeText(int32_t n) {
    String s;
    s.FromInt(n);
    return s;
}

}  // namespace

bool DialogControl::IsEmpty() const {
    switch (kind) {
    case ControlKind::kEditbox: return text.IsEmpty();
    case ControlKind::kCombobox: return text.IsEmpty() && selection < 0;
    case ControlKind::kListbox: return selection < 0;
    default: return caption.IsEmpty();
    }
}

String DialogControl::Value() const {
    const DialogEntry* chosen =
        selection >= 0 && selection < int32_t(entries.size()) ? &entries[size_t(selection)] : nullptr;
    switch (storage) {
    case StorageMode::kIndex: return chosen ? WholeText(selection) : String();
    case StorageMode::kId: return chosen ? WholeText(chosen->id) : String();
    case StorageMode::kAlias: return chosen ? chosen->alias : String();
    case StorageMode::kText: break;
    }
    if (kind == ControlKind::kCombobox) return text;
    return chosen ? chosen->label : String();
}

bool DialogControl::SetValue(const String& value) {
    int32_t found = -1;
    switch (storage) {
    case StorageMode::kIndex:
        if (!IsWhole(value)) return false;
        return Select(ParseWhole(value));
    case StorageMode::kId:
        if (!IsWhole(value)) return false;
        for (size_t i = 0; i < entries.size() && found < 0; ++i)
            if (entries[i].id == ParseWhole(value)) found = int32_t(i);
        break;
    case StorageMode::kAlias:
        for (size_t i = 0; i < entries.size() && found < 0; ++i)
            if (entries[i].alias.Equals(value)) found = int32_t(i);
        break;
    case StorageMode::kText:
        for (size_t i = 0; i < entries.size() && found < 0; ++i)
            if (entries[i].label.Equals(value)) found = int32_t(i);
        if (found < 0 && kind == ControlKind::kCombobox && editable) {
            selection = -1;
            text = value;
            return true;
        }
        break;
    }
    return found >= 0 && Select(found);
}

bool DialogControl::Select(int32_t index) {
    if (index < -1 || index >= int32_t(entries.size())) return false;
    selection = index;
    if (kind == ControlKind::kCombobox) text = index >= 0 ? entries[size_t(index)].label : String();
    return true;
}

void DialogControl::AddEntries(const std::vector<DialogEntry>& more) {
    entries.insert(entries.end(), more.begin(), more.end());
    if (sorted) SetSorted(true);
}

void DialogControl::SetSorted(bool on) {
    sorted = on;
    if (!on) return;
    // The selection follows its entry through the sort.
    std::vector<std::pair<DialogEntry, bool>> keyed;
    for (size_t i = 0; i < entries.size(); ++i)
        keyed.emplace_back(entries[i], int32_t(i) == selection);
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        return a.first.label.Compare(b.first.label) < 0;
    });
    selection = -1;
    for (size_t i = 0; i < keyed.size(); ++i) {
        entries[i] = keyed[i].first;
        if (keyed[i].second) selection = int32_t(i);
    }
}

void DialogControl::SetEditable(bool on) {
    editable = on;
    storage = on ? StorageMode::kText : StorageMode::kId;
}

DialogControl& Dialog::Control(int32_t index) {
    if (index < 0 || index >= Count()) FatalInternal("cv_dialog", __LINE__);
    return controls_[size_t(index)];
}

const DialogControl& Dialog::Control(int32_t index) const {
    if (index < 0 || index >= Count()) FatalInternal("cv_dialog", __LINE__);
    return controls_[size_t(index)];
}

DialogControl& Dialog::Add(ControlKind kind, uint32_t layoutFlags) {
    DialogControl& control = controls_.emplace_back();
    control.kind = kind;
    control.layoutFlags = layoutFlags;
    return control;
}

int32_t Dialog::DefaultButton() const {
    for (int32_t i = 0; i < Count(); ++i)
        if (controls_[size_t(i)].kind == ControlKind::kPushButton && controls_[size_t(i)].button.isDefault)
            return i;
    return -1;
}

void Dialog::NotifyValue(int32_t index) {
    if (observer_) observer_->ControlValueChanged(index);
}

void Dialog::ClearRadioGroup(int32_t index) {
    const DialogControl& chosen = Control(index);
    if (chosen.kind != ControlKind::kRadioButton || !chosen.checked) return;
    for (int32_t i = 0; i < Count(); ++i) {
        DialogControl& other = controls_[size_t(i)];
        if (i != index && other.kind == ControlKind::kRadioButton && other.checked &&
            other.radioGroup == chosen.radioGroup) {
            other.checked = false;
            NotifyValue(i);
        }
    }
}

void Dialog::ControlChanged(int32_t index) {
    ClearRadioGroup(index);
    EvaluateDependencies();
}

void Dialog::SetChecked(int32_t index, bool checked) {
    Control(index).checked = checked;
    NotifyValue(index);
    ControlChanged(index);
}

void Dialog::SetText(int32_t index, const String& text) {
    DialogControl& control = Control(index);
    control.text = text;
    if (control.kind == ControlKind::kCombobox) control.selection = -1;
    NotifyValue(index);
    ControlChanged(index);
}

bool Dialog::SetValue(int32_t index, const String& value) {
    if (!Control(index).SetValue(value)) return false;
    NotifyValue(index);
    ControlChanged(index);
    return true;
}

void Dialog::EvaluateDependencies() {
    int32_t lastCheckbox = -1, lastRadio = -1, lastEditOrCombo = -1, lastCombo = -1;
    for (int32_t i = 0; i < Count(); ++i) {
        DialogControl& control = controls_[size_t(i)];
        int32_t from = -1;
        switch (control.dependency) {
        case DependencyKind::kNone: break;
        case DependencyKind::kCheckbox: from = lastCheckbox; break;
        case DependencyKind::kRadioButton: from = lastRadio; break;
        case DependencyKind::kEditbox: from = lastEditOrCombo; break;
        case DependencyKind::kCombobox: from = lastCombo; break;
        }
        if (from >= 0) {
            const DialogControl& controller = controls_[size_t(from)];
            bool holds = controller.enabled;
            if (holds) {
                switch (control.dependency) {
                case DependencyKind::kCheckbox:
                case DependencyKind::kRadioButton: holds = controller.checked; break;
                case DependencyKind::kEditbox: holds = !controller.IsEmpty(); break;
                case DependencyKind::kCombobox:
                    holds = controller.selection >= 0 &&
                            controller.selection < int32_t(controller.entries.size()) &&
                            controller.entries[size_t(controller.selection)].id == control.dependencyValue;
                    break;
                case DependencyKind::kNone: break;
                }
            }
            bool enabled = holds != control.dependencyInverted;
            if (enabled != control.enabled) {
                control.enabled = enabled;
                if (observer_) observer_->ControlEnabledChanged(i);
            }
        }
        switch (control.kind) {
        case ControlKind::kCheckbox: lastCheckbox = i; break;
        case ControlKind::kRadioButton: lastRadio = i; break;
        case ControlKind::kEditbox: lastEditOrCombo = i; break;
        case ControlKind::kCombobox: lastEditOrCombo = lastCombo = i; break;
        default: break;
        }
    }
}
