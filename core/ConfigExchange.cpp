#include "core/ConfigExchange.h"

SettingsExchange::SettingsExchange(const String& sectionName, Direction way,
                                   const String& fileName)
    : section(sectionName), direction(way), file(fileName) {
    if (file.IsEmpty()) file = GlobalsIniPath();
}

void SettingsExchange::Enter(const String& part) {
    if (!section.IsEmpty()) section.Append(separator);
    section.Append(part);
}

void SettingsExchange::Leave() {
    int32_t cut = section.Length();
    while (cut > 0 && section[cut - 1] != separator) cut--;
    section = section.Left(cut > 0 ? cut - 1 : 0);
}

// Loading fills `stored` and says whether the key was there; saving writes it.
bool SettingsExchange::Exchange(const char* key, String& stored) {
    if (direction == kSave) return WriteProfileText(section, key, stored, file);
    return ReadProfileTextIfPresent(section, key, stored, file);
}

bool SettingsExchange::Flag(const char* key, bool& value) {
    String stored = value ? "1" : "0";
    if (!Exchange(key, stored)) return false;
    if (direction == kLoad) value = stored == "1";
    return true;
}

bool SettingsExchange::Number(const char* key, int32_t& value) {
    String stored = String::Formatted("%d", value);
    if (!Exchange(key, stored)) return false;
    return direction == kSave || TextToNumber(stored, value);
}

bool SettingsExchange::Real(const char* key, double& value) {
    String stored = RealToText(value);
    if (!Exchange(key, stored)) return false;
    return direction == kSave || TextToReal(stored, value);
}

bool SettingsExchange::Text(const char* key, String& value, bool escaped) {
    String stored = escaped && direction == kSave ? EscapeSettingText(value) : value;
    if (!Exchange(key, stored)) return false;
    if (direction == kLoad) value = escaped ? UnescapeSettingText(stored) : stored;
    return true;
}

bool SettingsExchange::Colour(const char* key, uint32_t& colour) {
    String stored = ColourToText(colour);
    if (!Exchange(key, stored)) return false;
    return direction == kSave || TextToColour(stored, colour);
}

bool SettingsExchange::TextList(const char* key, Array<String>& items) {
    String stored = direction == kSave ? ListToText(items) : String();
    if (!Exchange(key, stored)) return false;
    if (direction == kLoad) TextToList(stored, items);
    return true;
}

bool SettingsExchange::Placement(const char* key, WindowPlacement& placement) {
    String stored = PlacementToText(placement);
    if (!Exchange(key, stored)) return false;
    return direction == kSave || TextToPlacement(stored, placement);
}

String ListToText(const Array<String>& items) {
    String text;
    for (int32_t i = 0; i < items.Count(); i++) {
        if (i > 0) text.Append(',');
        String item = EscapeSettingText(items[i]);
        for (int32_t at = item.Find(','); at >= 0; at = item.Find(',', at + 3)) {
            item.Replace(at, 1, "\\2C", 3);
        }
        text.Append(item);
    }
    return text;
}

void TextToList(const String& text, Array<String>& items) {
    items.Clear();
    if (text.IsEmpty()) return;
    int32_t start = 0;
    for (;;) {
        int32_t comma = text.Find(',', start);
        int32_t end = comma < 0 ? text.Length() : comma;
        items.Append(UnescapeSettingText(text.Mid(start, end - start)));
        if (comma < 0) break;
        start = comma + 1;
    }
}
