// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QSettings;

// The per-user settings store: text values by section and key.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // The text stored under section/key, "" when there is none; nullopt when the store cannot be
  // read.
  [[nodiscard]] virtual std::optional<QString> read(const QString& section, const QString& key) = 0;
  // Stores the text and flushes it to the store at once. False when the store refused it.
  [[nodiscard]] virtual bool write(const QString& section, const QString& key,
                                   const QString& text) = 0;
};

// The store on QSettings, opened on first use.
class QSettingsStore final : public SettingsStore {
 public:
  // The running program's own store: the platform's native format under the organisation and
  // application names that main() sets, both "QXFreeGeomancy" ("QXFreeGeomancy/QXFreeGeomancy.conf"
  // under the user's configuration folder on Linux).
  QSettingsStore();
  // A store kept in the given INI file.
  explicit QSettingsStore(const QString& iniFile);
  ~QSettingsStore() override;

  [[nodiscard]] std::optional<QString> read(const QString& section, const QString& key) override;
  [[nodiscard]] bool write(const QString& section, const QString& key,
                           const QString& text) override;

 private:
  QSettings& settings();

  std::function<std::unique_ptr<QSettings>()> open_;
  std::unique_ptr<QSettings> settings_;
};
