#pragma once
#include <map>

#include "platform/settings_store.h"

namespace topband::testing {

class FakeSettingsStore : public SettingsStore {
public:
    std::map<std::string, std::string> values;
    std::string value(const std::string& key, const std::string& fallback) const override {
        const auto it = values.find(key);
        return it == values.end() ? fallback : it->second;
    }
    void setValue(const std::string& key, const std::string& value) override { values[key] = value; }
};

}  // namespace topband::testing
