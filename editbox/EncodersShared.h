// Pieces the encoder files share. Not for use outside the encoders.
#pragma once

#include <cstdint>

#include "core/String.h"

namespace encoding {

inline constexpr char kUpperHexDigits[] = "0123456789ABCDEF";
inline constexpr char kBase64Alphabet[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

struct HexValues {
    int8_t of[256];
};

constexpr HexValues MakeHexValues() {
    HexValues values{};
    for (int c = 0; c < 256; ++c) values.of[c] = -1;
    for (int d = 0; d < 10; ++d) values.of['0' + d] = int8_t(d);
    for (int d = 0; d < 6; ++d) values.of['A' + d] = values.of['a' + d] = int8_t(10 + d);
    return values;
}
inline constexpr HexValues kHexValues = MakeHexValues();

// Value of a hex digit of either case, or -1. Inline: decoders ask once per byte.
inline int HexValue(char c) { return kHexValues.of[uint8_t(c)]; }
inline bool IsHexDigit(char c) { return HexValue(c) >= 0; }

// A buffer of `length` bytes in `out`, or null when that cannot be held in a String
// or memory is short. Lengths are counted in 64 bits so that a huge input fails
// cleanly instead of wrapping.
char* PrepareOutput(String& out, int64_t length);
// Lengthens the text to `length` bytes, keeping what it holds, for encoders that
// rewrite it from the back; null (text unchanged) when that cannot be held.
char* GrowInPlace(String& text, int64_t length);
// Cuts `out` to the `written` bytes and makes it the text.
void TakeOutput(String& text, String& out, int64_t written);
// Cuts the text to its first `written` bytes after an in-place rewrite.
void CutTo(String& text, int64_t written);

// For decoders that rewrite the text in place: moves the bytes from `from` up to the
// next `marker` (or the end) down to `to`, advancing both. Returns the marker's index,
// or `n` when none is left.
int32_t CopyUpTo(char* p, int32_t n, char marker, int32_t& from, int32_t& to);

// Mail wants lines of at most 76; the break falls after 18 groups of four.
constexpr int32_t kGroupsPerLine = 18;
// Decodes up to the first '='; `out` may be `in` itself. Returns the bytes written
// (at most 3 per 4 characters).
int32_t Base64DecodeBytes(const char* in, int32_t n, uint8_t* out);

}  // namespace encoding
