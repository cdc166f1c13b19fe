// SPDX-License-Identifier: MIT
#pragma once

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QUrl>

// Stands in for the desktop's browser while a test runs: every http and https address that
// reaches QDesktopServices lands here instead of in a browser.
class DesktopGuard final : public QObject {
  Q_OBJECT

 public:
  DesktopGuard() {
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "openUrl");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
  }
  ~DesktopGuard() override {
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
  }

  QList<QUrl> opened;

 public slots:
  void openUrl(const QUrl& url) { opened.append(url); }
};
