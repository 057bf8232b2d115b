// The tests' bridges between the framework's String and std::string, which holds any
// bytes and compares and prints plainly in GoogleTest; and how a String shows in a
// failure message.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include "core/String.h"

// A String of exactly these bytes, zeros included.
inline String Str(const std::string& bytes) {
    return String(bytes.data(), int32_t(bytes.size()));
}
// The String's bytes, zeros included.
inline std::string Std(const String& text) {
    return std::string(text.c_str(), size_t(text.Length()));
}

// Control bytes are shown escaped so that line breaks stay visible.
inline void PrintTo(const String& text, std::ostream* out) {
    *out << '"';
    for (int32_t i = 0; i < text.Length(); i++) {
        unsigned char c = uint8_t(text[i]);
        static const char kHex[] = "0123456789ABCDEF";
        if (c < 32 || c == '\\') {
            *out << '\\' << kHex[c >> 4] << kHex[c & 15];
        } else {
            *out << char(c);
        }
    }
    *out << '"';
}
