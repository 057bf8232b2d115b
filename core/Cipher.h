// Secret settings (passwords) are never stored as they are typed. They are
// enciphered with XTEA in counter mode under a key built into the program, with a
// fresh nonce for every value, and written as hexadecimal behind a marker. This
// keeps passwords from being read over a shoulder or found by a search of the disk;
// it is not protection against someone who has the program.
#pragma once

#include <cstdint>

#include "core/String.h"

// Every enciphered value begins with this.
extern const char* const kCipherMarker;

String EncipherSetting(const String& plain);
// A value without the marker is taken as typed by hand and returned as it is.
// False when a marked value is damaged.
bool DecipherSetting(const String& stored, String& plain);
bool IsEnciphered(const String& stored);

// One block of XTEA, 32 cycles, as published by Needham and Wheeler.
void XteaEncipher(uint32_t block[2], const uint32_t key[4]);
