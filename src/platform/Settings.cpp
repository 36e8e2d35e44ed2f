#include "platform/Settings.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace Settings {

QString FileFor(const QString& appName) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(folder).filePath(appName + ".conf");
}

QString GetSetting(const QString& appName, const QString& section, const QString& key,
                   const QString& defaultValue) {
    QSettings store(FileFor(appName), QSettings::IniFormat);
    const QVariant value = store.value(section + "/" + key);
    return value.isValid() ? value.toString() : defaultValue;
}

void SaveSetting(const QString& appName, const QString& section, const QString& key,
                 const QString& value) {
    QDir().mkpath(QFileInfo(FileFor(appName)).absolutePath());
    QSettings store(FileFor(appName), QSettings::IniFormat);
    store.setValue(section + "/" + key, value);
    store.sync();
}

} // namespace Settings
