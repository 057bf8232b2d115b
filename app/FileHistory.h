// The recently closed documents, most recent first. Names are compared ignoring case
// because the file system they come from does.
#pragma once

#include <cstdint>

#include "core/Array.h"
#include "core/String.h"

class FileHistory {
public:
    static constexpr int32_t kMaxEntries = 30;

    // An empty name is ignored; a listed name moves to the front.
    void Add(const String& name);
    // False when the name was not listed.
    bool Remove(const String& name);
    void Clear() { entries_.Clear(); }
    // A list restored from the settings may hold more than the limit.
    void CutToLimit();
    int32_t IndexOf(const String& name) const;

    int32_t Count() const { return entries_.Count(); }
    const String& Entry(int32_t index) const { return entries_[index]; }
    // The settings exchange reads and replaces the list whole.
    Array<String>& Entries() { return entries_; }

private:
    Array<String> entries_;
};

bool SameFileName(const String& a, const String& b);
