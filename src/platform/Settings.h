#pragma once

#include <QString>

// The per-user settings store: one INI file per application key in the user's
// configuration folder ($XDG_CONFIG_HOME/TSLY.conf), sections as groups. Every value
// is text.
namespace Settings {
QString GetSetting(const QString& appName, const QString& section, const QString& key,
                   const QString& defaultValue = QString());
void SaveSetting(const QString& appName, const QString& section, const QString& key,
                 const QString& value);
// The file that holds an application key's settings.
QString FileFor(const QString& appName);
} // namespace Settings

using Settings::GetSetting;
using Settings::SaveSetting;
