#include "platform/headless/HeadlessProfiles.h"

#include <cstring>
#include <vector>

#include "core/File.h"
#include "platform/FileSystem.h"

namespace {

// One line of the file as it stands, with what it means.
struct IniLine {
    enum Kind { kOther, kSection, kKey } kind = kOther;
    String text;   // the line without its break
    String name;   // section or key name, trimmed
    String value;  // key value, trimmed and unquoted
    String stored; // key value, trimmed only
};

void TrimBlanks(String& text) {
    text.TrimLeft(" \t");
    text.TrimRight(" \t");
}

// Blanks around a value go, then one pair of matching enclosing quotes.
String CleanValue(String value) {
    TrimBlanks(value);
    int32_t n = value.Length();
    if (n >= 2 && (value[0] == '"' || value[0] == '\'') && value[n - 1] == value[0]) {
        value = value.Mid(1, n - 2);
    }
    return value;
}

IniLine ParseLine(const String& text) {
    IniLine line;
    line.text = text;
    String trimmed = text;
    TrimBlanks(trimmed);
    if (trimmed.IsEmpty() || trimmed[0] == ';') return line;
    if (trimmed[0] == '[') {
        int32_t close = trimmed.Find(']');
        line.kind = IniLine::kSection;
        line.name = close < 0 ? trimmed.Mid(1) : trimmed.Mid(1, close - 1);
        TrimBlanks(line.name);
        return line;
    }
    int32_t equals = trimmed.Find('=');
    if (equals <= 0) return line;
    line.kind = IniLine::kKey;
    line.name = trimmed.Left(equals);
    TrimBlanks(line.name);
    line.stored = trimmed.Mid(equals + 1);
    TrimBlanks(line.stored);
    line.value = CleanValue(line.stored);
    return line;
}

bool SameName(const String& a, const char* b) {
    return a.Compare(b, false) == 0;
}

// A bare file name lives in the Windows directory.
String ResolveFile(const char* file) {
    String name = file ? file : "";
    if (name.IsEmpty()) name = "WIN.INI";
    if (name.FindFirstOf("/\\") < 0) {
        FileSystem& fs = TheFileSystem();
        String path = fs.WindowsDirectory();
        path.Append(fs.PathSeparator());
        path.Append(name);
        return path;
    }
    return name;
}

class IniFile {
public:
    explicit IniFile(const char* file) : path_(ResolveFile(file)) {}

    bool Load() {
        lines_.clear();
        File file;
        if (file.Open(path_, File::kOpenExisting | File::kNoWrite | File::kShareRead |
                                 File::kShareWrite) != kFileOk) {
            return false;
        }
        String text;
        if (!file.ReadAll(text)) return false;
        int32_t start = 0;
        while (start < text.Length()) {
            int32_t end = start;
            while (end < text.Length() && text[end] != '\r' && text[end] != '\n') end++;
            lines_.push_back(ParseLine(text.Mid(start, end - start)));
            if (end < text.Length() && text[end] == '\r') end++;
            if (end < text.Length() && text[end] == '\n') end++;
            start = end;
        }
        return true;
    }

    bool Save() const {
        String text;
        for (const IniLine& line : lines_) {
            text.Append(line.text);
            text.Append("\r\n");
        }
        return File::WriteAll(path_, text.c_str(), text.Length()) == kFileOk;
    }

    // The index of the section's header, or -1.
    int32_t FindSection(const char* section) const {
        for (size_t i = 0; i < lines_.size(); i++) {
            if (lines_[i].kind == IniLine::kSection && SameName(lines_[i].name, section)) {
                return int32_t(i);
            }
        }
        return -1;
    }

    // One past the section's last line.
    int32_t SectionEnd(int32_t header) const {
        int32_t i = header + 1;
        while (i < int32_t(lines_.size()) && lines_[i].kind != IniLine::kSection) i++;
        return i;
    }

    int32_t FindKey(int32_t header, const char* key) const {
        int32_t end = SectionEnd(header);
        for (int32_t i = header + 1; i < end; i++) {
            if (lines_[i].kind == IniLine::kKey && SameName(lines_[i].name, key)) return i;
        }
        return -1;
    }

    std::vector<IniLine>& Lines() { return lines_; }

private:
    String path_;
    std::vector<IniLine> lines_;
};

// Copies a value the way the platform does: at most size - 1 bytes and a zero.
int CopyValue(const String& value, char* buffer, int size) {
    if (!buffer || size <= 0) return 0;
    int n = value.Length() < size - 1 ? value.Length() : size - 1;
    std::memcpy(buffer, value.c_str(), size_t(n));
    buffer[n] = 0;
    return n;
}

// Copies names, each followed by a zero, and a final zero. When they do not fit the
// list is cut and the result is size - 2.
int CopyList(const std::vector<String>& names, char* buffer, int size) {
    if (!buffer || size <= 0) return 0;
    if (size == 1) {
        buffer[0] = 0;
        return 0;
    }
    int at = 0;
    for (const String& name : names) {
        int room = size - 1 - at;  // keeps one byte for the final zero
        if (name.Length() + 1 > room) {
            int n = room - 1;
            if (n > 0) std::memcpy(buffer + at, name.c_str(), size_t(n));
            buffer[size - 2] = 0;
            buffer[size - 1] = 0;
            return size - 2;
        }
        std::memcpy(buffer + at, name.c_str(), size_t(name.Length()));
        at += name.Length();
        buffer[at++] = 0;
    }
    buffer[at] = 0;
    return at;
}

}  // namespace

int HeadlessProfiles::ReadString(const char* section, const char* key, const char* fallback,
                                 char* buffer, int size, const char* file) {
    IniFile ini(file);
    bool loaded = ini.Load();
    if (!section) {
        std::vector<String> names;
        for (const IniLine& line : ini.Lines()) {
            if (line.kind == IniLine::kSection) names.push_back(line.name);
        }
        return CopyList(names, buffer, size);
    }
    int32_t header = loaded ? ini.FindSection(section) : -1;
    if (!key) {
        std::vector<String> names;
        if (header >= 0) {
            for (int32_t i = header + 1; i < ini.SectionEnd(header); i++) {
                if (ini.Lines()[i].kind == IniLine::kKey) names.push_back(ini.Lines()[i].name);
            }
        }
        return CopyList(names, buffer, size);
    }
    int32_t at = header >= 0 ? ini.FindKey(header, key) : -1;
    if (at >= 0) return CopyValue(ini.Lines()[at].value, buffer, size);
    String value = fallback ? fallback : "";
    value.TrimRight(" ");
    return CopyValue(value, buffer, size);
}

bool HeadlessProfiles::WriteString(const char* section, const char* key, const char* value,
                                   const char* file) {
    if (!section) return false;  // with key and value null too, this is the cache flush
    IniFile ini(file);
    ini.Load();
    std::vector<IniLine>& lines = ini.Lines();
    int32_t header = ini.FindSection(section);
    if (!key) {
        if (header < 0) return true;
        lines.erase(lines.begin() + header, lines.begin() + ini.SectionEnd(header));
        return ini.Save();
    }
    int32_t at = header >= 0 ? ini.FindKey(header, key) : -1;
    if (!value) {
        if (at < 0) return true;
        lines.erase(lines.begin() + at);
        return ini.Save();
    }
    if (at >= 0) {
        IniLine& line = lines[at];
        line = ParseLine(line.name + "=" + value);
        return ini.Save();
    }
    IniLine line = ParseLine(String(key) + "=" + value);
    if (header < 0) {
        if (!lines.empty() && !lines.back().text.IsEmpty()) lines.push_back(IniLine());
        lines.push_back(ParseLine("[" + String(section) + "]"));
        lines.push_back(line);
        return ini.Save();
    }
    // After the section's last key, so that blank lines before the next section stay.
    int32_t insertAt = header + 1;
    for (int32_t i = header + 1; i < ini.SectionEnd(header); i++) {
        if (lines[i].kind == IniLine::kKey) insertAt = i + 1;
    }
    lines.insert(lines.begin() + insertAt, line);
    return ini.Save();
}

int HeadlessProfiles::ReadSection(const char* section, char* buffer, int size,
                                  const char* file) {
    IniFile ini(file);
    std::vector<String> entries;
    int32_t header = section && ini.Load() ? ini.FindSection(section) : -1;
    if (header >= 0) {
        for (int32_t i = header + 1; i < ini.SectionEnd(header); i++) {
            // Lines come as they stand, quotes and all; lines that are not
            // "key=value" come too, except blank lines and comments.
            const IniLine& line = ini.Lines()[i];
            if (line.kind == IniLine::kKey) {
                entries.push_back(line.name + "=" + line.stored);
            } else {
                String text = line.text;
                TrimBlanks(text);
                if (!text.IsEmpty() && text[0] != ';') entries.push_back(text);
            }
        }
    }
    return CopyList(entries, buffer, size);
}

HeadlessProfiles& TheHeadlessProfiles() {
    static HeadlessProfiles profiles;
    return profiles;
}
