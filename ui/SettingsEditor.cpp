#include "ui/SettingsEditor.h"

#include <algorithm>
#include <cmath>

#include "core/Config.h"
#include "core/Fatal.h"
#include "core/Settings.h"
#include "ui/DialogLanguage.h"
#include "ui/DialogResources.h"

namespace {

std::vector<SettingsListener*>& Listeners() {
    static std::vector<SettingsListener*> listeners;
    return listeners;
}

std::vector<String> PathParts(const char* path) {
    std::vector<String> parts;
    const char* start = path;
    for (const char* p = path;; ++p) {
        if (*p != '\\' && *p != 0) continue;
        if (p > start) parts.emplace_back(start, int32_t(p - start));
        if (*p == 0) break;
        start = p + 1;
    }
    return parts;
}

String LastPart(const String& path) {
    std::vector<String> parts = PathParts(path.c_str());
    return parts.empty() ? String() : parts.back();
}

bool SameSection(const char* a, const String& b) {
    return a && b.Compare(a, false) == 0;
}

bool CarriesValue(ControlKind kind) {
    return kind != ControlKind::kStaticText && kind != ControlKind::kDivider &&
           kind != ControlKind::kPushButton;
}

// What a control holds, in the form SettingValueText gives a value.
String ControlValueText(const DialogControl& c) {
    switch (c.kind) {
    case ControlKind::kCheckbox:
    case ControlKind::kRadioButton: return c.checked ? "1" : "0";
    case ControlKind::kCombobox:
    case ControlKind::kListbox: return c.Value();
    case ControlKind::kScrollbar: return String::Formatted("%d", c.scroll.value);
    // A glyph chooser holds the chosen byte itself; the setting stores its number.
    case ControlKind::kGlyphChooser:
        return String::Formatted("%d", c.text.IsEmpty() ? 0 : int(static_cast<unsigned char>(c.text[0])));
    default: return c.text;
    }
}

bool IsRangedNumber(int32_t type) {
    return type >= kVarByte && type <= kVarRational;
}

bool IsRealType(int32_t type) {
    return type == kVarSmallRational || type == kVarRational;
}

// Whole types round a fractional limit inwards, so the result stays inside it.
void ClampToLimits(Var& value, double minimum, double maximum) {
    int32_t type = value.Type();
    double at = value.ToReal();
    double bound;
    if (at < minimum) bound = IsRealType(type) ? minimum : std::ceil(minimum);
    else if (at > maximum) bound = IsRealType(type) ? maximum : std::floor(maximum);
    else return;
    Var limited = IsRealType(type) ? Var::Rational(bound) : Var::Whole(type, int64_t(bound));
    if (limited.ConvertTo(type)) value = limited;
}

void ClampToSetting(Var& value, const Corvane_Setting& setting) {
    if (!(setting.flags & kSettingRanged)) return;
    Var limit;
    if (!setting.minimum.IsNull() && value.Compare(setting.minimum, kVarLess)) limit = setting.minimum;
    else if (!setting.maximum.IsNull() && value.Compare(setting.maximum, kVarGreater)) limit = setting.maximum;
    else return;
    if (limit.ConvertTo(value.Type())) value = limit;
}

bool SameValue(const Var& a, const Var& b) {
    if (a.Type() != b.Type()) return false;
    if (a.Storage() == kVarStoreText) return a.TextValue().Equals(b.TextValue());
    return a.Compare(b, kVarEqual);
}

void AddSection(SettingsSection& root, int32_t index) {
    SettingsSection* node = &root;
    for (const String& part : PathParts(FrameworkSetting(index).section)) {
        auto found = std::find_if(node->children.begin(), node->children.end(),
                                  [&](const SettingsSection& child) { return child.name.Equals(part); });
        if (found == node->children.end()) {
            SettingsSection child;
            child.name = part;
            child.path = node->path;
            if (!child.path.IsEmpty()) child.path.Append('\\');
            child.path.Append(part);
            node->children.push_back(std::move(child));
            found = node->children.end() - 1;
        }
        node = &*found;
    }
    node->settings.push_back(index);
}

}  // namespace

SettingsSection BuildSettingsTree() {
    SettingsSection root;
    for (int32_t i = 0; i < kSettingCount; ++i) AddSection(root, i);
    return root;
}

const SettingsSection* FindSettingsSection(const SettingsSection& root, const String& path) {
    if (root.path.Compare(path, false) == 0) return &root;
    for (const SettingsSection& child : root.children)
        if (const SettingsSection* found = FindSettingsSection(child, path)) return found;
    return nullptr;
}

String SettingValueText(const Var& value) {
    int32_t type = value.Type();
    if (type == kVarBoolean) return value.ToBoolean() ? "1" : "0";
    if (IsRealType(type)) return RealToText(value.ToReal());
    if (type == kVarString) return value.TextValue();
    if (type == kVarIPAddress || type == kVarCharacter || VarStorageOf(type) != kVarStoreWhole)
        return value.ToText();
    return String::Formatted("%lld", static_cast<long long>(value.ToWhole()));
}

SettingsPage::SettingsPage(const String& section, DialogResources& resources)
    : section_(section), dialog_(LastPart(section)) {
    for (int32_t i = 0; i < kSettingCount; ++i) {
        const Corvane_Setting& setting = FrameworkSetting(i);
        if (!SameSection(setting.section, section)) continue;
        SettingsPageEntry entry;
        entry.setting = i;
        entry.firstControl = dialog_.Count();
        int32_t position = 0;
        String error;
        if (!ParseLayout(dialog_, setting.layout, resources, &position, &error)) {
            Fatal("The settings page \"%s\" cannot be built: the layout of setting %d (%s) "
                  "does not parse.\r\n\r\n%s",
                  section.c_str(), i, setting.key ? setting.key : setting.label, error.c_str());
        }
        entry.controlCount = dialog_.Count() - entry.firstControl;
        if (!(setting.flags & kSettingPageHeader)) {
            for (int32_t c = entry.firstControl; c < dialog_.Count(); ++c) {
                if (CarriesValue(dialog_.Control(c).kind)) {
                    entry.valueControl = c;
                    break;
                }
            }
        }
        entries_.push_back(entry);
    }
    Load();
}

const SettingsPageEntry* SettingsPage::EntryOf(int32_t setting) const {
    for (const SettingsPageEntry& entry : entries_)
        if (entry.setting == setting) return &entry;
    return nullptr;
}

void SettingsPage::Load() {
    loaded_.assign(entries_.size(), String());
    for (size_t e = 0; e < entries_.size(); ++e) {
        const SettingsPageEntry& entry = entries_[e];
        if (entry.valueControl < 0) continue;
        const Var& value = FrameworkSetting(entry.setting).value;
        String text = SettingValueText(value);
        int32_t index = entry.valueControl;
        DialogControl& control = dialog_.Control(index);
        switch (control.kind) {
        case ControlKind::kCheckbox:
        case ControlKind::kRadioButton: dialog_.SetChecked(index, value.ToBoolean()); break;
        case ControlKind::kCombobox:
        case ControlKind::kListbox: dialog_.SetValue(index, text); break;
        case ControlKind::kScrollbar:
            control.scroll.value = std::clamp(int32_t(value.ToWhole()), control.scroll.minimum,
                                              control.scroll.maximum);
            break;
        case ControlKind::kGlyphChooser: {
            int64_t glyph = value.ToWhole();
            dialog_.SetText(index, glyph > 0 && glyph < 256 ? String::Formatted("%c", char(glyph)) : String());
            break;
        }
        default: dialog_.SetText(index, text); break;
        }
        loaded_[e] = ControlValueText(dialog_.Control(index));
    }
    dialog_.EvaluateDependencies();
}

std::vector<int32_t> SettingsPage::Changed() const {
    std::vector<int32_t> changed;
    for (size_t e = 0; e < entries_.size(); ++e) {
        const SettingsPageEntry& entry = entries_[e];
        if (entry.valueControl < 0) continue;
        if (!ControlValueText(dialog_.Control(entry.valueControl)).Equals(loaded_[e]))
            changed.push_back(entry.setting);
    }
    return changed;
}

bool SettingsPage::ReadValue(int32_t setting, Var& value) const {
    const SettingsPageEntry* entry = EntryOf(setting);
    if (!entry || entry->valueControl < 0) return false;
    const DialogControl& control = dialog_.Control(entry->valueControl);
    const Corvane_Setting& own = FrameworkSetting(setting);
    int32_t type = own.value.Type();
    String text = ControlValueText(control);
    Var read = own.value;
    if (type == kVarString) {
        read = Var::Text(text);
    } else if (type == kVarBoolean) {
        // A choice of "No" and "Yes" stored by index reads as a flag too.
        Var whole;
        if (whole.SetFromText(kVarLargeInteger, text.c_str())) read = Var::Boolean(whole.ToWhole() != 0);
        else if (!read.SetFromText(kVarBoolean, text.c_str())) return false;
    } else {
        if (!read.SetFromText(type, text.c_str())) return false;
        if (IsRangedNumber(type)) {
            if (control.kind == ControlKind::kEditbox && control.edit.incdec)
                ClampToLimits(read, control.edit.minimum, control.edit.maximum);
            ClampToSetting(read, own);
        }
    }
    value = read;
    return true;
}

void AddSettingsListener(SettingsListener* listener) {
    std::vector<SettingsListener*>& listeners = Listeners();
    if (listener && std::find(listeners.begin(), listeners.end(), listener) == listeners.end())
        listeners.push_back(listener);
}

void RemoveSettingsListener(SettingsListener* listener) {
    std::vector<SettingsListener*>& listeners = Listeners();
    listeners.erase(std::remove(listeners.begin(), listeners.end(), listener), listeners.end());
}

SettingsEditor::SettingsEditor(DialogResources& resources)
    : resources_(resources), tree_(BuildSettingsTree()) {}

SettingsEditor::SettingsEditor() : SettingsEditor(TheDialogResources()) {}

SettingsPage* SettingsEditor::Page(const String& path) {
    for (const std::unique_ptr<SettingsPage>& page : pages_)
        if (page->Section().Compare(path, false) == 0) return page.get();
    const SettingsSection* section = FindSettingsSection(tree_, path);
    if (!section || !section->IsPage()) return nullptr;
    pages_.push_back(std::make_unique<SettingsPage>(section->path, resources_));
    return pages_.back().get();
}

std::vector<int32_t> SettingsEditor::Unreadable() const {
    std::vector<int32_t> unreadable;
    for (const std::unique_ptr<SettingsPage>& page : pages_) {
        for (int32_t setting : page->Changed()) {
            Var value;
            if (!page->ReadValue(setting, value)) unreadable.push_back(setting);
        }
    }
    std::sort(unreadable.begin(), unreadable.end());
    return unreadable;
}

bool SettingsEditor::Apply(const String& file) {
    std::vector<int32_t> changed;
    bool saved = true;
    for (const std::unique_ptr<SettingsPage>& page : pages_) {
        for (int32_t setting : page->Changed()) {
            Var value;
            if (!page->ReadValue(setting, value)) continue;
            Corvane_Setting& own = FrameworkSetting(setting);
            if (SameValue(value, own.value)) continue;
            own.value = value;
            if (!SaveFrameworkSetting(setting, file)) saved = false;
            changed.push_back(setting);
        }
    }
    for (const std::unique_ptr<SettingsPage>& page : pages_) page->Load();
    if (changed.empty()) return saved;
    std::sort(changed.begin(), changed.end());
    // A listener may remove itself while it hears the change.
    std::vector<SettingsListener*> listeners = Listeners();
    for (SettingsListener* listener : listeners) listener->SettingsChanged(changed);
    return saved;
}
