#include "core/CrackedINISection.h"

#include "core/Config.h"
#include "platform/Profiles.h"

namespace {

String Folded(const String& key) {
    String folded(key);
    folded.ToLower();
    return folded;
}

// The platform may hand section lines over as they stand in the file; read them as
// a single-key read would.
String CleanValue(String value) {
    value.TrimLeft(" \t");
    value.TrimRight(" \t");
    int32_t n = value.Length();
    if (n >= 2 && (value[0] == '"' || value[0] == '\'') && value[n - 1] == value[0]) {
        value = value.Mid(1, n - 2);
    }
    return value;
}

}  // namespace

bool CrackedINISection::Load(const String& section, const String& file) {
    values_.Clear();
    // The platform cuts a section that does not fit and says so by filling the
    // buffer to two short of its size; try again with more room.
    String area;
    int32_t size = 32768;
    int read = 0;
    for (;;) {
        if (!area.SetLength(size)) return false;
        read = TheProfiles().ReadSection(section.c_str(), area.Data(), size,
                                         file.IsEmpty() ? "WIN.INI" : file.c_str());
        if (read < size - 2 || size >= (1 << 24)) break;
        size *= 4;
    }
    const char* at = area.c_str();
    const char* end = at + (read > 0 ? read : 0);
    while (at < end && *at) {
        String line(at);
        at += line.Length() + 1;
        int32_t equals = line.Find('=');
        if (equals <= 0) continue;
        String key = line.Left(equals);
        key.TrimLeft(" \t");
        key.TrimRight(" \t");
        if (key.IsEmpty()) continue;
        String folded = Folded(key);
        // The platform answers a key with its first occurrence.
        if (values_.Find(folded)) continue;
        Entry& entry = values_.FindOrAdd(folded);
        entry.key = key;
        entry.value = CleanValue(line.Mid(equals + 1));
    }
    return values_.Count() > 0;
}

const String* CrackedINISection::Find(const String& key) const {
    const Entry* entry = values_.Find(Folded(key));
    return entry ? &entry->value : nullptr;
}

bool CrackedINISection::Has(const String& key) const {
    return Find(key) != nullptr;
}

String CrackedINISection::Text(const String& key, const String& fallback) const {
    const String* value = Find(key);
    return value ? *value : fallback;
}

int32_t CrackedINISection::Number(const String& key, int32_t fallback) const {
    const String* value = Find(key);
    int32_t number = fallback;
    if (value) TextToNumber(*value, number);
    return number;
}

bool CrackedINISection::Flag(const String& key, bool fallback) const {
    const String* value = Find(key);
    return value ? *value == "1" : fallback;
}

double CrackedINISection::Real(const String& key, double fallback) const {
    const String* value = Find(key);
    double real = fallback;
    if (value) TextToReal(*value, real);
    return real;
}

const CrackedINISection& CrackedINIFile::Section(const String& name) {
    String folded = Folded(name);
    if (CrackedINISection* known = sections_.Find(folded)) return *known;
    CrackedINISection& section = sections_.FindOrAdd(folded);
    section.Load(name, file_);
    return section;
}
