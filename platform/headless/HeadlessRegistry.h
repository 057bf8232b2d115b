// The test host's registry: values that tests set, kept in memory.
#pragma once

#include <vector>

#include "platform/Registry.h"

class HeadlessRegistry : public Registry {
public:
    bool ReadText(RegistryRoot root, const String& key, const String& name,
                  String& value) override;
    // A key exists while a value is set in it or below it.
    bool SubkeyNames(RegistryRoot root, const String& key, std::vector<String>& names) override;

    void SetText(RegistryRoot root, const String& key, const String& name, const String& value);
    // False when there was no such value.
    bool Remove(RegistryRoot root, const String& key, const String& name);
    void Clear() { values_.clear(); }

private:
    struct Value {
        RegistryRoot root;
        String key;
        String name;
        String text;
    };
    Value* Find(RegistryRoot root, const String& key, const String& name);

    std::vector<Value> values_;
};

HeadlessRegistry& TheHeadlessRegistry();
