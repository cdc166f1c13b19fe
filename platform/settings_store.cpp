// SPDX-License-Identifier: MIT
#include "settings_store.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStringList>

namespace {

QString keyPath(const QString& section, const QString& key) {
  return section + QLatin1Char('/') + key;
}

}  // namespace

QSettingsStore::QSettingsStore()
    : open_([] {
#ifdef Q_OS_WIN
        // Where Windows programs keep theirs: HKEY_CURRENT_USER\Software\<program>, with a key
        // for each section.
        return std::make_unique<QSettings>(
            QStringLiteral("HKEY_CURRENT_USER\\Software\\") + QCoreApplication::applicationName(),
            QSettings::NativeFormat);
#else
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           QCoreApplication::organizationName(),
                                           QCoreApplication::applicationName());
#endif
      }) {
}

QSettingsStore::QSettingsStore(const QString& iniFile)
    : open_([iniFile] { return std::make_unique<QSettings>(iniFile, QSettings::IniFormat); }) {}

QSettingsStore::~QSettingsStore() = default;

QSettings& QSettingsStore::settings() {
  if (!settings_) settings_ = open_();
  return *settings_;
}

std::optional<QString> QSettingsStore::read(const QString& section, const QString& key) {
  QSettings& store = settings();
  if (store.status() != QSettings::NoError) return std::nullopt;
  const QVariant value = store.value(keyPath(section, key));
  // An INI value with an unquoted comma reads as a list; its text is the items rejoined.
  if (value.typeId() == QMetaType::QStringList) {
    return value.toStringList().join(QStringLiteral(", "));
  }
  return value.toString();
}

bool QSettingsStore::write(const QString& section, const QString& key, const QString& text) {
  QSettings& store = settings();
  store.setValue(keyPath(section, key), text);
  store.sync();
  return store.status() == QSettings::NoError;
}
