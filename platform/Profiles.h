// Private-profile (INI file) access with the platform's own semantics, so that files
// written by either host read the same on the other. The configuration store
// (core/Config.h) is the portable layer on top; call that instead.
//
// The rules both hosts follow:
// - A file name without a folder lives in the Windows directory.
// - Section and key names compare ignoring case; the first spelling written stays.
// - Values are read with surrounding blanks removed and one pair of matching
//   enclosing quotes (single or double) taken off; the default gets its trailing
//   blanks removed.
// - Reads copy at most size - 1 bytes and a terminating zero, and return the count.
#pragma once

#include "platform/Services.h"

class Profiles {
public:
    virtual ~Profiles() = default;

    // With section null: every section name, each followed by a zero, and a final
    // zero. With key null: every key of the section, the same way. Otherwise the
    // value, or the default when the key (or file) is absent.
    virtual int ReadString(const char* section, const char* key, const char* fallback,
                           char* buffer, int size, const char* file) = 0;
    // value null deletes the key; key null deletes the section; all three null
    // flushes any cached copy of the file and returns false, as the platform does.
    virtual bool WriteString(const char* section, const char* key, const char* value,
                             const char* file) = 0;
    // The lines of the section, each followed by a zero, then a final zero: keys
    // and values trimmed but still quoted, other lines as they stand; no blank
    // lines and no comments.
    virtual int ReadSection(const char* section, char* buffer, int size, const char* file) = 0;
};

inline Profiles& TheProfiles() { return ServiceSlot<Profiles>::Get("profile store"); }
// Returns the previous one, so that tests can wrap and restore it.
inline Profiles* InstallProfiles(Profiles* service) {
    return ServiceSlot<Profiles>::Install(service);
}
