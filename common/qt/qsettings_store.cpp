#include "common/qt/qsettings_store.h"

#include "common/file_access.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <chrono>
#include <filesystem>
#include <optional>
#include <utility>

namespace common {
namespace {
QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
QString keyPath(std::string_view section, std::string_view key) {
    return toQString(section) + QLatin1Char('/') + toQString(key);
}
std::string toPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// The draft is laid out in the session's runtime folder when there is one: it
// is memory-backed, so the lock file QSettings syncs and the folder's
// creation cost no disk wait.
QString scratchTemplate() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString folder = !runtime.isEmpty() && QFileInfo(runtime).isDir() ? runtime : QDir::tempPath();
    return folder + QStringLiteral("/settings-draft-XXXXXX");
}

// Both hold the same keys with the same values.
bool sameSettings(const QSettings& written, const QSettings& reread) {
    const QStringList keys = written.allKeys();
    if (reread.allKeys().size() != keys.size())
        return false;
    for (const QString& key : keys) {
        if (reread.value(key) != written.value(key))
            return false;
    }
    return true;
}
}  // namespace

QSettingsStore::QSettingsStore(QString folder) : m_folder(std::move(folder)) {}

QSettingsStore::~QSettingsStore() {
    sync();
}

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
    if (const auto waiting = m_waiting.find(application); waiting != m_waiting.end()) {
        if (const auto change = waiting->second.find(keyPath(section, key)); change != waiting->second.end())
            return change->second ? change->second->toStdString() : std::string(defaultValue);
    }
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
    auto it = m_waiting.find(application);
    if (it == m_waiting.end())
        it = m_waiting.emplace(std::string(application), Changes{}).first;
    it->second[keyPath(section, key)] = toQString(value);
}

void QSettingsStore::remove(std::string_view application, std::string_view section, std::string_view key) {
    auto it = m_waiting.find(application);
    if (it == m_waiting.end())
        it = m_waiting.emplace(std::string(application), Changes{}).first;
    it->second[keyPath(section, key)] = std::nullopt;
}

bool QSettingsStore::store(std::string_view application, const Changes& changes,
                           fileio::Durability durability) {
    const QString target = settingsFor(application).fileName();
    QTemporaryDir scratch(scratchTemplate());
    if (!scratch.isValid() || !QDir().mkpath(QFileInfo(target).absolutePath()))
        return false;
    // Start from the file as it is on disk now, other processes' values included.
    const QString draft = scratch.filePath(QStringLiteral("settings.ini"));
    std::string bytes;
    if (QFileInfo::exists(target)) {
        std::optional<std::string> stored = fileio::readAll(toPath(target));
        if (!stored)
            return false;
        bytes = std::move(*stored);
    }
    {
        // A scratch copy: checked, not flushed to the disk.
        QFile copy(draft);
        const auto size = static_cast<qint64>(bytes.size());
        if (!copy.open(QIODevice::WriteOnly) || copy.write(bytes.data(), size) != size || !copy.flush())
            return false;
    }
    {
        QSettings written(draft, QSettings::IniFormat);
        // The draft is scratch: an atomic save (QSaveFile, which waits for
        // the disk) buys nothing here; the stored file is replaced below.
        written.setAtomicSyncRequired(false);
        for (const auto& [key, value] : changes) {
            if (value)
                written.setValue(key, *value);
            else
                written.remove(key);
        }
        written.sync();
        if (written.status() == QSettings::AccessError)
            return false;
        const QSettings reread(draft, QSettings::IniFormat);
        if (!sameSettings(written, reread))
            return false;
    }
    namespace fs = std::filesystem;
    const fs::path path(toPath(target));
    std::error_code ec;
    const fs::file_time_type replaced = fs::last_write_time(path, ec);
    const bool hadFile = !ec;
    std::string error;
    const std::optional<std::string> laidOut = fileio::readAll(toPath(draft));
    if (!laidOut || !fileio::replaceFile(path.string(), *laidOut, error, false, durability))
        return false;
    // QSettings takes a file in again only when its size or its time (to the
    // millisecond) changed: a second save within the same millisecond must
    // not look like the file it replaced.
    const auto milliseconds = [](fs::file_time_type time) {
        return std::chrono::floor<std::chrono::milliseconds>(time);
    };
    if (hadFile && milliseconds(fs::last_write_time(path, ec)) <= milliseconds(replaced))
        fs::last_write_time(path, milliseconds(replaced) + std::chrono::milliseconds(1), ec);
    return true;
}

bool QSettingsStore::sync() {
    return storeWaiting(fileio::Durability::Durable);
}

bool QSettingsStore::publish() {
    return storeWaiting(fileio::Durability::Visible);
}

bool QSettingsStore::storeWaiting(fileio::Durability durability) {
    bool stored = true;
    for (auto& [application, changes] : m_waiting) {
        if (changes.empty())
            continue;
        if (store(application, changes, durability)) {
            changes.clear();
        } else {
            stored = false;
        }
    }
    // Takes in the new files and what other processes wrote.
    for (auto& [application, settings] : m_files)
        settings->sync();
    return stored;
}

QString QSettingsStore::fileName(std::string_view application) const {
    return settingsFor(application).fileName();
}

}  // namespace common
