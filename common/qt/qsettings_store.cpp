#include "common/qt/qsettings_store.h"

#include <QSettings>

namespace common {
namespace {
QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
QString keyPath(std::string_view section, std::string_view key) {
    return toQString(section) + QLatin1Char('/') + toQString(key);
}
}  // namespace

QSettingsStore::QSettingsStore(QString folder) : m_folder(std::move(folder)) {}

QSettingsStore::~QSettingsStore() = default;

QSettings& QSettingsStore::settingsFor(std::string_view application) const {
    auto it = m_files.find(application);
    if (it == m_files.end()) {
        auto settings = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, m_folder,
                                                    toQString(application));
        it = m_files.emplace(std::string(application), std::move(settings)).first;
    }
    return *it->second;
}

std::string QSettingsStore::read(std::string_view application, std::string_view section, std::string_view key,
                                 std::string_view defaultValue) const {
    const QVariant value = settingsFor(application).value(keyPath(section, key));
    if (!value.isValid())
        return std::string(defaultValue);
    // A hand-edited value with unquoted commas comes back as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(u',').toStdString();
    return value.toString().toStdString();
}

void QSettingsStore::write(std::string_view application, std::string_view section, std::string_view key,
                           std::string_view value) {
    settingsFor(application).setValue(keyPath(section, key), toQString(value));
}

void QSettingsStore::remove(std::string_view application, std::string_view section, std::string_view key) {
    settingsFor(application).remove(keyPath(section, key));
}

void QSettingsStore::sync() {
    for (auto& [name, settings] : m_files)
        settings->sync();
}

QString QSettingsStore::fileName(std::string_view application) const {
    return settingsFor(application).fileName();
}

}  // namespace common
