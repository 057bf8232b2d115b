#include "core/Settings.h"

#include "core/Cipher.h"
#include "core/Config.h"
#include "core/Fatal.h"

const char* const kSettingsSection = "Corvane";

namespace {

struct Table {
    Corvane_Setting settings[kSettingCount];
    bool registered[kSettingCount] = {};
};

Table& TheTable() {
    static Table table;
    return table;
}

// Start-up registers the table; code that runs without it (tests of one part) gets
// the defaults on first use.
Table& RegisteredTable() {
    Table& table = TheTable();
    if (!table.registered[0]) RegisterFrameworkSettings();
    return table;
}

const String& SettingsFile(const String& file) {
    return file.IsEmpty() ? CorvaneIniPath() : file;
}

bool IsWhole(int32_t type) {
    return type >= kVarCharacter && type <= kVarUnsignedLargeInteger;
}

bool IsReal(int32_t type) {
    return type == kVarSmallRational || type == kVarRational;
}

void BringIntoRange(Corvane_Setting& setting) {
    if (!(setting.flags & kSettingRanged)) return;
    if (!setting.minimum.IsNull() && setting.value.Compare(setting.minimum, kVarLess)) {
        setting.value = setting.minimum;
    } else if (!setting.maximum.IsNull() && setting.value.Compare(setting.maximum, kVarGreater)) {
        setting.value = setting.maximum;
    }
}

}  // namespace

void RegisterSetting(int32_t index, const char* key, const char* label, const Var& value,
                     const char* section, const char* layout, uint32_t flags) {
    RegisterRangedSetting(index, key, label, value, section, layout, flags & ~kSettingRanged,
                          Var(), Var());
}

void RegisterRangedSetting(int32_t index, const char* key, const char* label, const Var& value,
                           const char* section, const char* layout, uint32_t flags,
                           const Var& minimum, const Var& maximum) {
    if (index < 0 || index >= kSettingCount) FatalInternal("cv_settings", __LINE__);
    Corvane_Setting& setting = TheTable().settings[index];
    setting.key = key;
    setting.label = label;
    setting.value = value;
    setting.section = section;
    setting.layout = layout;
    setting.flags = flags;
    setting.minimum = minimum;
    setting.maximum = maximum;
    if (!minimum.IsNull() || !maximum.IsNull()) setting.flags |= kSettingRanged;
    if (!key) setting.flags |= kSettingPageHeader;
    TheTable().registered[index] = true;
}

Corvane_Setting& FrameworkSetting(int32_t index) {
    Table& table = RegisteredTable();
    if (index < 0 || index >= kSettingCount || !table.registered[index]) {
        FatalInternal("cv_settings", __LINE__);
    }
    return table.settings[index];
}

int32_t FindSetting(const char* key) {
    if (!key || !*key) return -1;
    Table& table = RegisteredTable();
    for (int32_t i = 0; i < kSettingCount; i++) {
        const char* own = table.settings[i].key;
        if (table.registered[i] && own && String(own).Compare(key, false) == 0) return i;
    }
    return -1;
}

bool SettingFlag(int32_t index) {
    return FrameworkSetting(index).value.ToBoolean();
}

int32_t SettingNumber(int32_t index) {
    return int32_t(FrameworkSetting(index).value.ToWhole());
}

double SettingReal(int32_t index) {
    return FrameworkSetting(index).value.ToReal();
}

const String& SettingText(int32_t index) {
    return FrameworkSetting(index).value.TextValue();
}

String SettingToStoredText(const Corvane_Setting& setting) {
    const Var& value = setting.value;
    int32_t type = value.Type();
    if (type == kVarBoolean) return value.ToBoolean() ? "1" : "0";
    if (IsReal(type)) return RealToText(value.ToReal());
    if (IsWhole(type)) return String::Formatted("%lld", static_cast<long long>(value.ToWhole()));
    String text = type == kVarString ? value.TextValue() : value.ToText();
    if (setting.flags & kSettingEnciphered) text = EncipherSetting(text);
    if (setting.flags & kSettingEscaped) text = EscapeSettingText(text);
    return text;
}

bool SettingFromStoredText(Corvane_Setting& setting, const String& stored) {
    int32_t type = setting.value.Type();
    if (type == kVarBoolean) {
        setting.value = Var::Boolean(stored == "1");
        return true;
    }
    if (type == kVarString) {
        String text = setting.flags & kSettingEscaped ? UnescapeSettingText(stored) : stored;
        if (setting.flags & kSettingEnciphered) {
            String plain;
            if (!DecipherSetting(text, plain)) return false;
            text = plain;
        }
        setting.value = Var::Text(text);
        return true;
    }
    if (type == kVarNull) return false;
    Var read = setting.value;
    if (!read.SetFromText(type, stored.c_str())) return false;
    setting.value = read;
    BringIntoRange(setting);
    return true;
}

void LoadFrameworkSettings(const String& file) {
    const String& path = SettingsFile(file);
    Table& table = RegisteredTable();
    for (int32_t i = 0; i < kSettingCount; i++) {
        Corvane_Setting& setting = table.settings[i];
        if (!table.registered[i] || !setting.key) continue;
        String stored;
        if (ReadProfileTextIfPresent(kSettingsSection, setting.key, stored, path)) {
            SettingFromStoredText(setting, stored);
        }
    }
}

bool SaveFrameworkSetting(int32_t index, const String& file) {
    Corvane_Setting& setting = FrameworkSetting(index);
    if (!setting.key) return true;
    return WriteProfileText(kSettingsSection, setting.key, SettingToStoredText(setting),
                            SettingsFile(file));
}

bool SaveFrameworkSettings(const String& file) {
    bool ok = true;
    Table& table = RegisteredTable();
    for (int32_t i = 0; i < kSettingCount; i++) {
        if (table.registered[i] && !SaveFrameworkSetting(i, file)) ok = false;
    }
    return ok;
}
