#include "platform/win32/Win32Registry.h"

#include <windows.h>

namespace {

HKEY RootKey(RegistryRoot root) {
    switch (root) {
        case RegistryRoot::kClassesRoot: return HKEY_CLASSES_ROOT;
        case RegistryRoot::kCurrentUser: return HKEY_CURRENT_USER;
        case RegistryRoot::kLocalMachine: return HKEY_LOCAL_MACHINE;
    }
    return HKEY_LOCAL_MACHINE;
}

class Win32Registry : public Registry {
public:
    bool ReadText(RegistryRoot root, const String& key, const String& name,
                  String& value) override {
        HKEY opened;
        if (RegOpenKeyExA(RootKey(root), key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) {
            return false;
        }
        DWORD type = 0, size = 0;
        const char* valueName = name.IsEmpty() ? nullptr : name.c_str();
        LONG result = RegQueryValueExA(opened, valueName, nullptr, &type, nullptr, &size);
        String raw;
        if (result == ERROR_SUCCESS && (type == REG_SZ || type == REG_EXPAND_SZ) &&
            raw.SetLength(int32_t(size) + 1)) {
            result = RegQueryValueExA(opened, valueName, nullptr, &type,
                                      reinterpret_cast<BYTE*>(raw.Data()), &size);
        } else if (result == ERROR_SUCCESS) {
            result = ERROR_INVALID_DATA;
        }
        RegCloseKey(opened);
        if (result != ERROR_SUCCESS) return false;
        // The stored size may or may not count the terminating zero.
        raw.SetLength(int32_t(strnlen(raw.c_str(), size)));
        if (type == REG_EXPAND_SZ) {
            char expanded[MAX_PATH * 4];
            DWORD length = ExpandEnvironmentStringsA(raw.c_str(), expanded, sizeof(expanded));
            if (length > 0 && length <= sizeof(expanded)) raw = expanded;
        }
        value = raw;
        return true;
    }

    bool SubkeyNames(RegistryRoot root, const String& key, std::vector<String>& names) override {
        names.clear();
        HKEY opened;
        if (RegOpenKeyExA(RootKey(root), key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) {
            return false;
        }
        // Key names are at most 255 characters.
        char name[256];
        for (DWORD i = 0;; i++) {
            DWORD length = sizeof name;
            LONG result = RegEnumKeyExA(opened, i, name, &length, nullptr, nullptr, nullptr, nullptr);
            if (result == ERROR_NO_MORE_ITEMS) break;
            if (result == ERROR_SUCCESS) names.push_back(String(name, int32_t(length)));
            else if (result != ERROR_MORE_DATA) break;
        }
        RegCloseKey(opened);
        return true;
    }
};

}  // namespace

Registry& TheWin32Registry() {
    static Win32Registry registry;
    return registry;
}
