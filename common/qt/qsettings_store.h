#pragma once
// The per-user settings store on disk: one INI file per application name
// ("Quantora 2000", "Tallix") in one folder under the XDG config directory.
//
// Writes wait in memory until sync(). QSettings then lays the new file out in
// a scratch folder; the text is checked by reading it back and replaces the
// stored file through common::fileio::replaceFile (flushed, renamed), never
// in place: QSettings itself can truncate its file on a full disk and still
// report success, so it never writes the stored file directly.

#include "common/file_access.h"
#include "common/settings_store.h"

#include <QString>

#include <map>
#include <memory>
#include <optional>

class QSettings;

namespace common {

class QSettingsStore final : public SettingsStore {
public:
    // folder: the sub-folder of the user's config directory holding the files.
    explicit QSettingsStore(QString folder = QStringLiteral("quantora-tallix"));
    // Stores what is still waiting (a failure is not reported here).
    ~QSettingsStore() override;

    std::string read(std::string_view application, std::string_view section, std::string_view key,
                     std::string_view defaultValue) const override;
    void write(std::string_view application, std::string_view section, std::string_view key,
               std::string_view value) override;
    void remove(std::string_view application, std::string_view section, std::string_view key) override;
    // Stores the waiting values and takes in what other processes wrote. False
    // when a file could not be replaced: it keeps its old content, and the
    // values keep waiting for the next sync.
    bool sync() override;
    // As sync(), but the files are renamed into place without waiting for
    // the disk: published values are polled, not kept.
    bool publish() override;

    // Path of the file that holds an application's values.
    QString fileName(std::string_view application) const;

private:
    // Key path -> new value; no value for a removed key.
    using Changes = std::map<QString, std::optional<QString>>;

    QSettings& settingsFor(std::string_view application) const;
    bool store(std::string_view application, const Changes& changes, fileio::Durability durability);
    bool storeWaiting(fileio::Durability durability);

    QString m_folder;
    // Read only: they never hold changes, so they never write their file.
    mutable std::map<std::string, std::unique_ptr<QSettings>, std::less<>> m_files;
    std::map<std::string, Changes, std::less<>> m_waiting;
};

}  // namespace common
