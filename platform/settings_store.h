#pragma once
// Per-user store of text values: organisation KELVO_Software, group Settings.
#include <string>

namespace topband {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::string value(const std::string& key, const std::string& fallback = {}) const = 0;
    virtual void setValue(const std::string& key, const std::string& value) = 0;
};

class QtSettingsStore : public SettingsStore {
public:
    std::string value(const std::string& key, const std::string& fallback = {}) const override;
    void setValue(const std::string& key, const std::string& value) override;
};

}  // namespace topband
