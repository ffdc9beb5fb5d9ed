#include "common/settings_store.h"

#include <algorithm>

namespace common {
namespace {
std::string joined(std::string_view application, std::string_view section, std::string_view key) {
    return std::string(application) + "/" + std::string(section) + "/" + std::string(key);
}
}  // namespace

std::string MemorySettingsStore::read(std::string_view application, std::string_view section,
                                      std::string_view key, std::string_view defaultValue) const {
    const auto it = m_values.find(Address{application, section, key});
    return it == m_values.end() ? std::string(defaultValue) : it->second;
}

void MemorySettingsStore::write(std::string_view application, std::string_view section, std::string_view key,
                                std::string_view value) {
    const auto [it, inserted] =
        m_values.insert_or_assign(Address{application, section, key}, std::string(value));
    (void)it;
    if (inserted)
        m_writeOrder.push_back(joined(application, section, key));
}

void MemorySettingsStore::remove(std::string_view application, std::string_view section,
                                 std::string_view key) {
    m_values.erase(Address{application, section, key});
    const std::string name = joined(application, section, key);
    m_writeOrder.erase(std::remove(m_writeOrder.begin(), m_writeOrder.end(), name), m_writeOrder.end());
}

bool MemorySettingsStore::contains(std::string_view application, std::string_view section,
                                   std::string_view key) const {
    return m_values.count(Address{application, section, key}) != 0;
}

}  // namespace common
