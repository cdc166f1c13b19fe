// SPDX-License-Identifier: MIT
// The addresses of the program's pages, and openWebPage, which hands one to the launcher.
#include "pages.h"

#include <QTest>
#include <QUrl>
#include <stdexcept>

#include "recording_link_launcher.h"
#include "web_page.h"

namespace {

using web::Page;

// Opening any page through this one fails.
class FailingLinkLauncher final : public LinkLauncher {
 public:
  void openAddress(const QString&) override { throw std::runtime_error("no browser"); }
};

bool defaultHosts() {
  return web::forumHost() == QLatin1String("www.qxgeomancyforum.org") &&
         web::helpHost() == QLatin1String("help.qxgeomancy.org") &&
         web::programHost() == QLatin1String("qxgeomancy.org");
}

}  // namespace

Q_DECLARE_METATYPE(Page)

class WebPagesTest : public QObject {
  Q_OBJECT

 private slots:
  void eachPageOpensExactlyItsAddress_data() {
    QTest::addColumn<Page>("page");
    QTest::addColumn<QString>("address");
    QTest::newRow("ForumHome") << Page::ForumHome << "http://www.qxgeomancyforum.org";
    QTest::newRow("OnlineHelp") << Page::OnlineHelp
                                << "http://qxgeomancy.org/qx-free-geomancy-help.html";
    QTest::newRow("UpdatePage") << Page::UpdatePage
                                << "http://qxgeomancy.org/download-qx-free-geomancy.html";
    QTest::newRow("DonatePage") << Page::DonatePage << "http://help.qxgeomancy.org/donate.html";
    QTest::newRow("FullyBrandedPage")
        << Page::FullyBrandedPage << "http://help.qxgeomancy.org/fully-branded.html";
    QTest::newRow("CoBrandPage") << Page::CoBrandPage << "http://help.qxgeomancy.org/co-brand.html";
    QTest::newRow("SoftwareCatalogue")
        << Page::SoftwareCatalogue << "http://www.qxgeomancyforum.org/orvanesoftwares";
  }
  void eachPageOpensExactlyItsAddress() {
    if (!defaultHosts()) QSKIP("configured with other hosts");
    QFETCH(Page, page);
    QFETCH(QString, address);
    RecordingLinkLauncher launcher;
    openWebPage(launcher, page);
    QCOMPARE(launcher.addresses, QStringList{address});
  }

  void forumHomeIsTheBareHost() {
    RecordingLinkLauncher launcher;
    openWebPage(launcher, Page::ForumHome);
    QCOMPARE(launcher.addresses.size(), 1);
    const QString& address = launcher.addresses.front();
    QCOMPARE(address, QStringLiteral("http://") + web::forumHost());
    QVERIFY(!address.endsWith(QLatin1Char('/')));
    QVERIFY(QUrl(address).path().isEmpty());
  }

  void addressesShownAndSent() {
    if (!defaultHosts()) QSKIP("configured with other hosts");
    QCOMPARE(web::forumAddressShown(), QStringLiteral("www.qxgeomancyforum.org"));
    QCOMPARE(web::forumAddressInText(), QStringLiteral("qxgeomancyforum.org"));
    QCOMPARE(web::pageAddress(Page::ReferAFriend),
             QStringLiteral("http://www.qxgeomancyforum.org/qxos-refer-a-friend.php"));
    QCOMPARE(web::programHomeAddress(), QStringLiteral("http://qxgeomancy.org/"));
  }

  void aFailingLauncherIsNotTheCallersProblem() {
    static_assert(noexcept(openWebPage(std::declval<LinkLauncher&>(), Page::DonatePage)));
    FailingLinkLauncher launcher;
    openWebPage(launcher, Page::DonatePage);
  }
};

QTEST_MAIN(WebPagesTest)
#include "pages_test.moc"
