// The system registry, as far as the portable code reads it.
#pragma once

#include <vector>

#include "core/String.h"
#include "platform/Services.h"

enum class RegistryRoot { kClassesRoot, kCurrentUser, kLocalMachine };

class Registry {
public:
    virtual ~Registry() = default;
    // A text value (environment references expanded); false when the key or value
    // is missing or is not text. An empty name reads the key's default value.
    virtual bool ReadText(RegistryRoot root, const String& key, const String& name,
                          String& value) = 0;
    // The names of a key's direct subkeys, in the registry's order; false when the
    // key is missing.
    virtual bool SubkeyNames(RegistryRoot root, const String& key, std::vector<String>& names) = 0;
};

inline Registry& TheRegistry() { return ServiceSlot<Registry>::Get("registry"); }
// Returns the previous one, so that tests can wrap and restore it.
inline Registry* InstallRegistry(Registry* service) {
    return ServiceSlot<Registry>::Install(service);
}
