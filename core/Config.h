// The configuration store: INI files in the framework's folder, read and written
// through the platform's private-profile functions, and the stored forms of values.
#pragma once

#include <cstdint>

#include "core/String.h"

// The framework's folder ("Corvane" in the common program files folder) and the
// files in it. Computed on first use; start-up calls ComputeConfigFolder once, and
// tests again after pointing the host's folders elsewhere.
void ComputeConfigFolder();
const String& CorvaneFolder();
const String& CorvaneIniPath();
const String& GlobalsIniPath();
const String& TexturesFolder();

// Values longer than this less one are cut on reading.
constexpr int32_t kProfileReadArea = 4096;

// An empty file name means the platform's "WIN.INI"; an empty key gives the default.
String ReadProfileText(const String& section, const String& key, const String& fallback,
                       const String& file);
// False when the key is absent; an empty value is present.
bool ReadProfileTextIfPresent(const String& section, const String& key, String& value,
                              const String& file);
int32_t ReadProfileNumber(const String& section, const String& key, int32_t fallback,
                          const String& file);
// A present value is on when it is "1".
bool ReadProfileFlag(const String& section, const String& key, bool fallback,
                     const String& file);
double ReadProfileReal(const String& section, const String& key, double fallback,
                       const String& file);

bool WriteProfileText(const String& section, const String& key, const String& value,
                      const String& file);
bool WriteProfileNumber(const String& section, const String& key, int32_t value,
                        const String& file);
bool WriteProfileFlag(const String& section, const String& key, bool value,
                      const String& file);
bool WriteProfileReal(const String& section, const String& key, double value,
                      const String& file);
bool DeleteProfileKey(const String& section, const String& key, const String& file);
bool DeleteProfileSection(const String& section, const String& file);
// Makes the platform write out what it holds of the file.
void FlushProfileCache(const String& file);

// Stored forms.
// Control bytes (0 to 31) become a backslash and two upper-case hexadecimal digits,
// a backslash becomes two; everything else stays.
String EscapeSettingText(const String& text);
String UnescapeSettingText(const String& stored);
// The shortest decimal text that reads back as the same double.
String RealToText(double value);
// False, with value unchanged, when the text does not begin with a number.
bool TextToReal(const String& text, double& value);
bool TextToNumber(const String& text, int32_t& value);

// Colours are 0x00BBGGRR, stored as "R,G,B".
String ColourToText(uint32_t colour);
bool TextToColour(const String& text, uint32_t& colour);

// Where a top-level window was and how it was shown, stored as
// "left,top,right,bottom,show".
struct WindowPlacement {
    enum Show : int32_t { kNormal = 0, kMinimized = 1, kMaximized = 2 };
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    int32_t show = kNormal;

    bool operator==(const WindowPlacement&) const = default;
};
String PlacementToText(const WindowPlacement& placement);
bool TextToPlacement(const String& text, WindowPlacement& placement);
