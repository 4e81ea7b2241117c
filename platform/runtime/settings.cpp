#include "settings.h"
#include "vberror.h"

#include <QSettings>
#include <QStandardPaths>

namespace {
QString& replacedFolder() {
    static QString folder;
    return folder;
}

QString storeFile(const QString& appName) {
    const QString folder = replacedFolder().isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                               : replacedFolder();
    return folder + QLatin1Char('/') + appName + QLatin1String(".ini");
}

QString storeKey(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}
} // namespace

QString GetSetting(const QString& appName, const QString& section, const QString& key,
                   const QString& defaultValue) {
    const QSettings store(storeFile(appName), QSettings::IniFormat);
    return store.value(storeKey(section, key), defaultValue).toString();
}

void SaveSetting(const QString& appName, const QString& section, const QString& key, const QString& value) {
    QSettings store(storeFile(appName), QSettings::IniFormat);
    store.setValue(storeKey(section, key), value);
    store.sync();
    if (store.status() != QSettings::NoError)
        throw VbError::forFile(VbError::PathFileAccessError, store.fileName());
}

void setSettingsFolder(const QString& folder) {
    replacedFolder() = folder;
}
