#pragma once
// The per-user settings store on disk: one INI file per application name
// ("Quantora 2000", "Tallix") in one folder under the XDG config directory.

#include "common/settings_store.h"

#include <QString>

#include <map>
#include <memory>

class QSettings;

namespace common {

class QSettingsStore final : public SettingsStore {
public:
    // folder: the sub-folder of the user's config directory holding the files.
    explicit QSettingsStore(QString folder = QStringLiteral("quantora-tallix"));
    ~QSettingsStore() override;

    std::string read(std::string_view application, std::string_view section, std::string_view key,
                     std::string_view defaultValue) const override;
    void write(std::string_view application, std::string_view section, std::string_view key,
               std::string_view value) override;
    void remove(std::string_view application, std::string_view section, std::string_view key) override;
    // Writes pending values and takes in what other processes wrote.
    void sync() override;

    // Path of the file that holds an application's values.
    QString fileName(std::string_view application) const;

private:
    QSettings& settingsFor(std::string_view application) const;

    QString m_folder;
    mutable std::map<std::string, std::unique_ptr<QSettings>, std::less<>> m_files;
};

}  // namespace common
