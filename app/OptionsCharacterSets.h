// The character sets the editbox font can be asked for, by the names the settings
// store them under. Only some are worth offering in the menu: the rest exist so that
// a name written by another setup still reads back.
#pragma once

#include <cstdint>

#include "core/String.h"

struct CharacterSet {
    const char* name;
    int32_t code;  // the platform's character-set number
    bool offered;  // listed in the "Character set" submenu
};

int32_t CharacterSetCount();
const CharacterSet& CharacterSetAt(int32_t index);
// The n-th offered set, counting only offered ones; null past the end.
const CharacterSet* OfferedCharacterSet(int32_t n);
int32_t OfferedCharacterSetCount();
// Ignoring case; null when unknown.
const CharacterSet* FindCharacterSet(const String& name);
const CharacterSet* FindCharacterSet(int32_t code);
