#include "platform/headless/HeadlessRegistry.h"

// Key paths and value names compare ignoring case, as in the registry itself.
HeadlessRegistry::Value* HeadlessRegistry::Find(RegistryRoot root, const String& key,
                                                const String& name) {
    for (Value& value : values_) {
        if (value.root == root && value.key.Compare(key, false) == 0 &&
            value.name.Compare(name, false) == 0) {
            return &value;
        }
    }
    return nullptr;
}

bool HeadlessRegistry::ReadText(RegistryRoot root, const String& key, const String& name,
                                String& value) {
    Value* found = Find(root, key, name);
    if (!found) return false;
    value = found->text;
    return true;
}

void HeadlessRegistry::SetText(RegistryRoot root, const String& key, const String& name,
                               const String& value) {
    if (Value* found = Find(root, key, name)) {
        found->text = value;
        return;
    }
    values_.push_back(Value{root, key, name, value});
}

bool HeadlessRegistry::Remove(RegistryRoot root, const String& key, const String& name) {
    Value* found = Find(root, key, name);
    if (!found) return false;
    values_.erase(values_.begin() + (found - values_.data()));
    return true;
}

HeadlessRegistry& TheHeadlessRegistry() {
    static HeadlessRegistry registry;
    return registry;
}
