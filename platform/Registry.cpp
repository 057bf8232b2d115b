#include "platform/Registry.h"

#include "core/Fatal.h"

namespace {
Registry* g_registry = nullptr;
}

Registry& TheRegistry() {
    if (!g_registry) FatalInternal("cv_registry", __LINE__);
    return *g_registry;
}

Registry* InstallRegistry(Registry* registry) {
    Registry* previous = g_registry;
    g_registry = registry;
    return previous;
}
