// SPDX-License-Identifier: MIT
// The desktop's link launcher at its seam: what reaches QDesktopServices.
#include "link_launcher.h"

#include <QTest>
#include <QUrl>

#include "desktop_guard.h"
#include "pages.h"

namespace {

using web::Page;

constexpr Page kAllPages[] = {Page::ForumHome,         Page::OnlineHelp,       Page::UpdatePage,
                              Page::DonatePage,        Page::FullyBrandedPage, Page::CoBrandPage,
                              Page::SoftwareCatalogue, Page::ReferAFriend};

}  // namespace

class LinkLauncherTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { guard_.opened.clear(); }
  void cleanup() { QVERIFY2(guard_.opened.isEmpty(), "a test reached the desktop's browser"); }

  // The one test that lets an address reach QDesktopServices, whose handler the guard holds:
  // what arrives there is what Qt gives xdg-open (its encoded form), byte for byte as built.
  void desktopLauncherHandsTheAddressToTheDesktopUnchanged() {
    QStringList addresses{
        QStringLiteral("http://www.qxgeomancyforum.org/qxos-refer-a-friend.php"
                       "?taf1=A%20B%2BC&taf2=a%40b&taf3=%25%23%3D%0D%0A%C3%A9")};
    for (const Page page : kAllPages) addresses << web::pageAddress(page);
    DesktopLinkLauncher launcher;
    for (const QString& address : addresses) launcher.openAddress(address);
    QCOMPARE(guard_.opened.size(), addresses.size());
    for (qsizetype i = 0; i < addresses.size(); ++i) {
      QCOMPARE(guard_.opened.at(i).toEncoded(), addresses.at(i).toUtf8());
    }
    guard_.opened.clear();
  }

  // Text that is not an encoded address is not repaired into some other address on the way:
  // the desktop gets it as an invalid address, which it refuses to open.
  void desktopLauncherRepairsNothing() {
    const QStringList malformed{QStringLiteral("http://www.qxgeomancyforum.org/a b"),
                                QStringLiteral("http://www.qxgeomancyforum.org/?q=100%")};
    DesktopLinkLauncher launcher;
    for (const QString& address : malformed) launcher.openAddress(address);
    for (const QUrl& arrived : std::as_const(guard_.opened)) {
      QVERIFY2(!arrived.isValid(), arrived.toEncoded().constData());
    }
    guard_.opened.clear();
  }

 private:
  DesktopGuard guard_;
};

QTEST_MAIN(LinkLauncherTest)
#include "link_launcher_test.moc"
