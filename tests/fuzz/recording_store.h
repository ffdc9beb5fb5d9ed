#pragma once
// A settings store for the settings targets: filled from the input's
// "Section/Key=value" lines, and recording every write in order, so that two
// saves can be compared value by value.

#include "common/settings_store.h"

#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace fuzz {

class RecordingStore final : public common::SettingsStore {
public:
    using Write = std::tuple<std::string, std::string, std::string>;  // section, key, value

    // Each line "Section/Key=value" stores value for the application; other lines are skipped.
    RecordingStore(std::string_view application, std::string_view lines) {
        while (!lines.empty()) {
            const std::size_t end = lines.find('\n');
            const std::string_view line = lines.substr(0, end);
            lines = end == std::string_view::npos ? std::string_view{} : lines.substr(end + 1);
            const std::size_t slash = line.find('/');
            const std::size_t equals = line.find('=', slash == std::string_view::npos ? 0 : slash);
            if (slash != std::string_view::npos && equals != std::string_view::npos)
                m_store.write(application, line.substr(0, slash), line.substr(slash + 1, equals - slash - 1),
                              line.substr(equals + 1));
        }
    }
    RecordingStore() = default;

    std::string read(std::string_view application, std::string_view section, std::string_view key,
                     std::string_view defaultValue) const override {
        return m_store.read(application, section, key, defaultValue);
    }
    void write(std::string_view application, std::string_view section, std::string_view key,
               std::string_view value) override {
        m_writes.emplace_back(section, key, value);
        m_store.write(application, section, key, value);
    }
    void remove(std::string_view application, std::string_view section, std::string_view key) override {
        m_store.remove(application, section, key);
    }

    const std::vector<Write>& writes() const { return m_writes; }

private:
    common::MemorySettingsStore m_store;
    std::vector<Write> m_writes;
};

// The first write in which two saves differ, or empty text.
inline std::string firstDifference(const std::vector<RecordingStore::Write>& a,
                                   const std::vector<RecordingStore::Write>& b) {
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (a[i] != b[i]) {
            return std::get<0>(a[i]) + "/" + std::get<1>(a[i]) + " was written as \"" + std::get<2>(a[i]) +
                   "\", after a read as \"" + std::get<2>(b[i]) + "\"";
        }
    }
    return a.size() == b.size() ? std::string() : "the saves write different numbers of values";
}

}  // namespace fuzz
