#include "platform/win32/Win32Profiles.h"

#include <windows.h>

namespace {

class Win32Profiles : public Profiles {
public:
    int ReadString(const char* section, const char* key, const char* fallback, char* buffer,
                   int size, const char* file) override {
        if (!buffer || size <= 0) return 0;
        return int(GetPrivateProfileStringA(section, key, fallback, buffer, DWORD(size), file));
    }

    bool WriteString(const char* section, const char* key, const char* value,
                     const char* file) override {
        return WritePrivateProfileStringA(section, key, value, file) != FALSE;
    }

    int ReadSection(const char* section, char* buffer, int size, const char* file) override {
        if (!buffer || size <= 0) return 0;
        return int(GetPrivateProfileSectionA(section, buffer, DWORD(size), file));
    }
};

}  // namespace

Profiles& TheWin32Profiles() {
    static Win32Profiles profiles;
    return profiles;
}
