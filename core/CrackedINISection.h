// A section of an INI file read in one go, for code that reads many keys of one
// section: one call to the platform instead of one per key. Keys compare ignoring
// case, as the platform's do; values read as the platform reads them.
#pragma once

#include <cstdint>

#include "core/HashTable.h"
#include "core/String.h"

class CrackedINISection {
public:
    // Replaces what the object held; false when the section is absent or empty.
    bool Load(const String& section, const String& file);
    int32_t Count() const { return values_.Count(); }

    bool Has(const String& key) const;
    // Null when absent.
    const String* Find(const String& key) const;
    String Text(const String& key, const String& fallback) const;
    int32_t Number(const String& key, int32_t fallback) const;
    bool Flag(const String& key, bool fallback) const;
    double Real(const String& key, double fallback) const;

    // Keys in file order, as spelled there.
    template <class F>
    void ForEach(F visit) const {
        for (const auto& entry : values_) visit(entry.value.key, entry.value.value);
    }

private:
    struct Entry {
        String key;
        String value;
    };
    HashTable<Entry, String> values_;  // keyed by the lower-cased key
};

// The sections of one file, each read once on first use, by section name.
class CrackedINIFile {
public:
    explicit CrackedINIFile(const String& file) : file_(file) {}
    const CrackedINISection& Section(const String& name);
    // After the file has been written: sections are read afresh.
    void Forget() { sections_.Clear(); }

private:
    String file_;
    HashTable<CrackedINISection, String> sections_;
};
