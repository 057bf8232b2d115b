#include "platform/Profiles.h"

#include "core/Fatal.h"

namespace {
Profiles* g_profiles = nullptr;
}

Profiles& TheProfiles() {
    if (!g_profiles) FatalInternal("cv_config", __LINE__);
    return *g_profiles;
}

Profiles* InstallProfiles(Profiles* profiles) {
    Profiles* previous = g_profiles;
    g_profiles = profiles;
    return previous;
}
