#include "app/FileHistory.h"

bool SameFileName(const String& a, const String& b) {
    return a.Length() == b.Length() && a.Compare(b, false) == 0;
}

int32_t FileHistory::IndexOf(const String& name) const {
    for (int32_t i = 0; i < entries_.Count(); ++i) {
        if (SameFileName(entries_[i], name)) return i;
    }
    return -1;
}

void FileHistory::Add(const String& name) {
    if (name.IsEmpty()) return;
    int32_t at = IndexOf(name);
    if (at == 0) {
        entries_[0] = name;
        return;
    }
    if (at > 0) entries_.Remove(at);
    entries_.Insert(0, name);
    CutToLimit();
}

bool FileHistory::Remove(const String& name) {
    int32_t at = IndexOf(name);
    if (at < 0) return false;
    entries_.Remove(at);
    return true;
}

void FileHistory::CutToLimit() {
    if (entries_.Count() > kMaxEntries) entries_.SetCount(kMaxEntries);
}
