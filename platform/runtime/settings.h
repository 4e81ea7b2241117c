#pragma once
// The per-user settings store of the runtime (GetSetting/SaveSetting) on QSettings: one INI file
// per application name in the user's configuration folder, every value kept as text.

#include <QString>

// A key that is absent gives the default.
QString GetSetting(const QString& appName, const QString& section, const QString& key,
                   const QString& defaultValue = {});
// Raises 75, naming the store's file, when the store cannot be written.
void SaveSetting(const QString& appName, const QString& section, const QString& key, const QString& value);

// Tests keep their settings in a folder of their own; an empty folder goes back to the user's.
void setSettingsFolder(const QString& folder);
