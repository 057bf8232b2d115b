// Who the program is: set once at start, read wherever a caption or a version is shown.
#pragma once

#include <cstdint>

#include "core/String.h"

struct AppIdentity {
    String productName;
    String version;
    String homePage;
    String helpTextFile;
    int32_t helpContext = 0;
    String windowClassName;
};

void SetAppIdentity(const AppIdentity& identity);
const AppIdentity& TheAppIdentity();

// Nivora's own values.
AppIdentity NivoraIdentity();
