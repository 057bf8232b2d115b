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

bool HeadlessRegistry::SubkeyNames(RegistryRoot root, const String& key,
                                   std::vector<String>& names) {
    names.clear();
    String prefix = key + "\\";
    bool exists = false;
    for (const Value& value : values_) {
        if (value.root != root) continue;
        if (value.key.Compare(key, false) == 0) exists = true;
        if (value.key.Length() <= prefix.Length() ||
            value.key.Compare(prefix, false, prefix.Length()) != 0) {
            continue;
        }
        exists = true;
        String rest = value.key.Mid(prefix.Length());
        int32_t slash = rest.Find('\\');
        String name = slash < 0 ? rest : rest.Left(slash);
        bool known = false;
        for (const String& n : names) known = known || n.Compare(name, false) == 0;
        if (!known) names.push_back(name);
    }
    return exists;
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
