#pragma once
// The per-user store of text values addressed by application, section and key.
// Both programs keep their preferences here; the calculator also publishes
// values the converter polls.

#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace common {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored text, or defaultValue when the key is missing.
    virtual std::string read(std::string_view application, std::string_view section, std::string_view key,
                             std::string_view defaultValue) const = 0;
    virtual void write(std::string_view application, std::string_view section, std::string_view key,
                       std::string_view value) = 0;
    virtual void remove(std::string_view application, std::string_view section, std::string_view key) = 0;
    // Makes writes visible to other processes now. False when they could not
    // be stored (a read-only folder, a full disk); what was stored before stays.
    virtual bool sync() { return true; }
    // Makes writes visible to other processes now without waiting for the
    // disk: for values another program polls, which need no durability.
    virtual bool publish() { return sync(); }
};

// A store held in memory: for tests and for runs without a settings file.
class MemorySettingsStore final : public SettingsStore {
public:
    std::string read(std::string_view application, std::string_view section, std::string_view key,
                     std::string_view defaultValue) const override;
    void write(std::string_view application, std::string_view section, std::string_view key,
               std::string_view value) override;
    void remove(std::string_view application, std::string_view section, std::string_view key) override;

    bool contains(std::string_view application, std::string_view section, std::string_view key) const;
    std::size_t size() const { return m_values.size(); }
    // Keys in the order they were first written (tests check write order).
    const std::vector<std::string>& writeOrder() const { return m_writeOrder; }

private:
    using Address = std::tuple<std::string, std::string, std::string>;
    std::map<Address, std::string> m_values;
    std::vector<std::string> m_writeOrder;
};

}  // namespace common
