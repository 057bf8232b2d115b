// INI files read and written with the platform's private-profile rules, through the
// file system seam. Each call reads the file afresh and each write rewrites it, so
// there is no cache to flush and other processes see changes at once.
#pragma once

#include "platform/Profiles.h"

class HeadlessProfiles : public Profiles {
public:
    int ReadString(const char* section, const char* key, const char* fallback, char* buffer,
                   int size, const char* file) override;
    bool WriteString(const char* section, const char* key, const char* value,
                     const char* file) override;
    int ReadSection(const char* section, char* buffer, int size, const char* file) override;
};

HeadlessProfiles& TheHeadlessProfiles();
