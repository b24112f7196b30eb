// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Preferences.h"

#include <QSettings>

namespace tarvik {

namespace {

const char* const kAdvancedSettings = "advancedSettings";

QSettings Settings() { return QSettings(QStringLiteral("Oremba"), QStringLiteral("tarvik-config")); }

}  // namespace

bool AdvancedSettingsWanted() { return Settings().value(kAdvancedSettings, false).toBool(); }

void SetAdvancedSettingsWanted(bool on) {
    QSettings settings = Settings();
    settings.setValue(kAdvancedSettings, on);
    settings.sync();
}

}  // namespace tarvik
