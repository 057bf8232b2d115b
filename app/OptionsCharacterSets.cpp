#include "app/OptionsCharacterSets.h"

namespace {

// The codes are the ones the platform's font requests take. "Default" and "Mac" are
// not offered: the first names whatever the system picks, the second has no
// meaning for fonts on this platform.
const CharacterSet kCharacterSets[] = {
    {"ANSI", 0, true},
    {"Default", 1, false},
    {"Symbol", 2, true},
    {"Mac", 77, false},
    {"Shift JIS", 128, true},
    {"Hangul", 129, true},
    {"Johab", 130, true},
    {"GB2312", 134, true},
    {"Chinese Big5", 136, true},
    {"Greek", 161, true},
    {"Turkish", 162, true},
    {"Vietnamese", 163, true},
    {"Hebrew", 177, true},
    {"Arabic", 178, true},
    {"Baltic", 186, true},
    {"Russian", 204, true},
    {"Thai", 222, true},
    {"East European", 238, true},
    {"OEM", 255, true},
};

constexpr int32_t kCount = int32_t(sizeof kCharacterSets / sizeof kCharacterSets[0]);

}  // namespace

int32_t CharacterSetCount() {
    return kCount;
}

const CharacterSet& CharacterSetAt(int32_t index) {
    return kCharacterSets[index < 0 || index >= kCount ? 0 : index];
}

const CharacterSet* OfferedCharacterSet(int32_t n) {
    if (n < 0) return nullptr;
    for (const CharacterSet& set : kCharacterSets) {
        if (set.offered && n-- == 0) return &set;
    }
    return nullptr;
}

int32_t OfferedCharacterSetCount() {
    int32_t count = 0;
    for (const CharacterSet& set : kCharacterSets) count += set.offered ? 1 : 0;
    return count;
}

const CharacterSet* FindCharacterSet(const String& name) {
    for (const CharacterSet& set : kCharacterSets) {
        if (name.Length() > 0 && name.Compare(set.name, false) == 0) return &set;
    }
    return nullptr;
}

const CharacterSet* FindCharacterSet(int32_t code) {
    for (const CharacterSet& set : kCharacterSets) {
        if (set.code == code) return &set;
    }
    return nullptr;
}
