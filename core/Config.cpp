#include "core/Config.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "platform/FileSystem.h"
#include "platform/Profiles.h"
#include "platform/Registry.h"

namespace {

// The default that tells an absent key from an empty one: no stored value can be
// this, because stored texts never hold raw control bytes.
const char kAbsent[] = "\x01\x1F" "absent";
static_assert(sizeof(kAbsent) == 9, "the sentinel is eight bytes");

struct ConfigPaths {
    bool computed = false;
    String folder;
    String corvaneIni;
    String globalsIni;
    String textures;
};

ConfigPaths& Storage() {
    static ConfigPaths paths;
    return paths;
}

ConfigPaths& Paths() {
    if (!Storage().computed) ComputeConfigFolder();
    return Storage();
}

String Join(const String& folder, const char* leaf) {
    String path(folder);
    char separator = TheFileSystem().PathSeparator();
    if (!path.IsEmpty() && path[path.Length() - 1] != separator &&
        path[path.Length() - 1] != '/') {
        path.Append(separator);
    }
    path.Append(leaf);
    return path;
}

const char* FileArgument(const String& file) {
    return file.IsEmpty() ? "WIN.INI" : file.c_str();
}

// Reads into the fixed area the platform is given.
String Read(const String& section, const String& key, const char* fallback, const String& file) {
    char area[kProfileReadArea];
    int n = TheProfiles().ReadString(section.c_str(), key.c_str(), fallback, area,
                                     kProfileReadArea, FileArgument(file));
    if (n < 0) n = 0;
    if (n > kProfileReadArea - 1) n = kProfileReadArea - 1;
    return String(area, n);
}

bool ReadNumbers(const String& text, int32_t* numbers, int32_t count) {
    const char* at = text.c_str();
    for (int32_t i = 0; i < count; i++) {
        char* end = nullptr;
        errno = 0;
        long long value = std::strtoll(at, &end, 10);
        if (end == at || errno == ERANGE || value < INT32_MIN || value > INT32_MAX) return false;
        numbers[i] = int32_t(value);
        at = end;
        while (*at == ' ') at++;
        if (i + 1 < count) {
            if (*at != ',') return false;
            at++;
        }
    }
    while (*at == ' ') at++;
    return *at == 0;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

void ComputeConfigFolder() {
    FileSystem& fs = TheFileSystem();
    String common = fs.Folder(SpecialFolder::kCommonProgramFiles);
    if (common.IsEmpty()) {
        TheRegistry().ReadText(RegistryRoot::kLocalMachine,
                               "Software\\Microsoft\\Windows\\CurrentVersion", "CommonFilesDir",
                               common);
    }
    if (common.IsEmpty()) {
        String programFiles = fs.Folder(SpecialFolder::kProgramFiles);
        if (!programFiles.IsEmpty()) common = Join(programFiles, "Common Files");
    }
    ConfigPaths& target = Storage();
    target.computed = true;
    target.folder = common.IsEmpty() ? String("Corvane") : Join(common, "Corvane");
    target.corvaneIni = Join(target.folder, "corvane.ini");
    target.globalsIni = Join(target.folder, "globals.ini");
    target.textures = Join(target.folder, "Textures");
    // The profile functions do not create folders for the files they write.
    fs.MakeDirectory(target.folder);
}

const String& CorvaneFolder() { return Paths().folder; }
const String& CorvaneIniPath() { return Paths().corvaneIni; }
const String& GlobalsIniPath() { return Paths().globalsIni; }
const String& TexturesFolder() { return Paths().textures; }

String ReadProfileText(const String& section, const String& key, const String& fallback,
                       const String& file) {
    if (key.IsEmpty()) return fallback;
    String value;
    if (!ReadProfileTextIfPresent(section, key, value, file)) return fallback;
    return value;
}

bool ReadProfileTextIfPresent(const String& section, const String& key, String& value,
                              const String& file) {
    if (key.IsEmpty() || section.IsEmpty()) return false;
    String read = Read(section, key, kAbsent, file);
    if (read == kAbsent) return false;
    value = read;
    return true;
}

int32_t ReadProfileNumber(const String& section, const String& key, int32_t fallback,
                          const String& file) {
    String text;
    int32_t value = fallback;
    if (ReadProfileTextIfPresent(section, key, text, file)) TextToNumber(text, value);
    return value;
}

bool ReadProfileFlag(const String& section, const String& key, bool fallback,
                     const String& file) {
    String text;
    if (!ReadProfileTextIfPresent(section, key, text, file)) return fallback;
    return text == "1";
}

double ReadProfileReal(const String& section, const String& key, double fallback,
                       const String& file) {
    String text;
    double value = fallback;
    if (ReadProfileTextIfPresent(section, key, text, file)) TextToReal(text, value);
    return value;
}

bool WriteProfileText(const String& section, const String& key, const String& value,
                      const String& file) {
    if (section.IsEmpty() || key.IsEmpty()) return false;
    return TheProfiles().WriteString(section.c_str(), key.c_str(), value.c_str(),
                                     FileArgument(file));
}

bool WriteProfileNumber(const String& section, const String& key, int32_t value,
                        const String& file) {
    return WriteProfileText(section, key, String::Formatted("%d", value), file);
}

bool WriteProfileFlag(const String& section, const String& key, bool value,
                      const String& file) {
    return WriteProfileText(section, key, value ? "1" : "0", file);
}

bool WriteProfileReal(const String& section, const String& key, double value,
                      const String& file) {
    return WriteProfileText(section, key, RealToText(value), file);
}

bool DeleteProfileKey(const String& section, const String& key, const String& file) {
    if (section.IsEmpty() || key.IsEmpty()) return false;
    return TheProfiles().WriteString(section.c_str(), key.c_str(), nullptr, FileArgument(file));
}

bool DeleteProfileSection(const String& section, const String& file) {
    if (section.IsEmpty()) return false;
    return TheProfiles().WriteString(section.c_str(), nullptr, nullptr, FileArgument(file));
}

void FlushProfileCache(const String& file) {
    TheProfiles().WriteString(nullptr, nullptr, nullptr, FileArgument(file));
}

String EscapeSettingText(const String& text) {
    static const char kHex[] = "0123456789ABCDEF";
    String stored;
    stored.Reserve(text.Length());
    for (int32_t i = 0; i < text.Length(); i++) {
        uint8_t c = uint8_t(text[i]);
        if (c == '\\') {
            stored.Append("\\\\");
        } else if (c < 32) {
            stored.Append('\\');
            stored.Append(kHex[c >> 4]);
            stored.Append(kHex[c & 15]);
        } else {
            stored.Append(char(c));
        }
    }
    return stored;
}

String UnescapeSettingText(const String& stored) {
    String text;
    text.Reserve(stored.Length());
    for (int32_t i = 0; i < stored.Length(); i++) {
        char c = stored[i];
        if (c == '\\' && stored[i + 1] == '\\') {
            text.Append('\\');
            i++;
        } else if (c == '\\' && HexDigit(stored[i + 1]) >= 0 && HexDigit(stored[i + 2]) >= 0) {
            text.Append(char(HexDigit(stored[i + 1]) << 4 | HexDigit(stored[i + 2])));
            i += 2;
        } else {
            // Not one of ours (typed by hand): kept as it stands.
            text.Append(c);
        }
    }
    return text;
}

String RealToText(double value) {
    char text[40];
    for (int precision = 1; precision <= 17; precision++) {
        std::snprintf(text, sizeof(text), "%.*g", precision, value);
        if (std::strtod(text, nullptr) == value) break;
    }
    return String(text);
}

bool TextToReal(const String& text, double& value) {
    const char* start = text.c_str();
    char* end = nullptr;
    double read = std::strtod(start, &end);
    if (end == start) return false;
    value = read;
    return true;
}

bool TextToNumber(const String& text, int32_t& value) {
    const char* start = text.c_str();
    char* end = nullptr;
    errno = 0;
    long long read = std::strtoll(start, &end, 10);
    if (end == start || errno == ERANGE || read < INT32_MIN || read > INT32_MAX) return false;
    value = int32_t(read);
    return true;
}

String ColourToText(uint32_t colour) {
    return String::Formatted("%u,%u,%u", colour & 0xFF, (colour >> 8) & 0xFF,
                             (colour >> 16) & 0xFF);
}

bool TextToColour(const String& text, uint32_t& colour) {
    int32_t rgb[3];
    if (!ReadNumbers(text, rgb, 3)) return false;
    for (int32_t part : rgb) {
        if (part < 0 || part > 255) return false;
    }
    colour = uint32_t(rgb[0]) | uint32_t(rgb[1]) << 8 | uint32_t(rgb[2]) << 16;
    return true;
}

String PlacementToText(const WindowPlacement& p) {
    return String::Formatted("%d,%d,%d,%d,%d", p.left, p.top, p.right, p.bottom, p.show);
}

bool TextToPlacement(const String& text, WindowPlacement& placement) {
    int32_t numbers[5];
    if (!ReadNumbers(text, numbers, 5)) return false;
    if (numbers[4] < WindowPlacement::kNormal || numbers[4] > WindowPlacement::kMaximized) {
        return false;
    }
    placement.left = numbers[0];
    placement.top = numbers[1];
    placement.right = numbers[2];
    placement.bottom = numbers[3];
    placement.show = numbers[4];
    return true;
}
