#include <QTest>
#include <QUrl>
#include <stdexcept>

#include "desktop_guard.h"
#include "recording_link_launcher.h"
#include "web_pages.h"

namespace {

using links::Page;
using PageRoutine = void (*)(links::LinkLauncher&);

constexpr Page kAllPages[] = {Page::ForumHome,         Page::OnlineHelp,       Page::UpdatePage,
                              Page::DonatePage,        Page::FullyBrandedPage, Page::CoBrandPage,
                              Page::SoftwareCatalogue, Page::ReferAFriend};

// Opening any page through this one fails.
class FailingLinkLauncher final : public links::LinkLauncher {
 public:
  void openAddress(const QString&) override { throw std::runtime_error("no browser"); }
};

bool defaultHosts() {
  return links::forumHost() == QLatin1String("www.qxgeomancyforum.org") &&
         links::helpHost() == QLatin1String("help.qxgeomancy.org") &&
         links::programHost() == QLatin1String("qxgeomancy.org");
}

}  // namespace

Q_DECLARE_METATYPE(PageRoutine)

class WebPagesTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { guard_.opened.clear(); }
  void cleanup() { QVERIFY2(guard_.opened.isEmpty(), "a test reached the desktop's browser"); }

  void eachRoutineOpensExactlyItsAddress_data() {
    QTest::addColumn<PageRoutine>("routine");
    QTest::addColumn<QString>("address");
    QTest::newRow("OpenForumHome") << &modHelp::OpenForumHome << "http://www.qxgeomancyforum.org";
    QTest::newRow("OpenOnlineHelp")
        << &modHelp::OpenOnlineHelp << "http://qxgeomancy.org/qx-free-geomancy-help.html";
    QTest::newRow("OpenUpdatePage")
        << &modHelp::OpenUpdatePage << "http://qxgeomancy.org/download-qx-free-geomancy.html";
    QTest::newRow("OpenDonatePage")
        << &modHelp::OpenDonatePage << "http://help.qxgeomancy.org/donate.html";
    QTest::newRow("OpenFullyBrandedPage")
        << &modHelp::OpenFullyBrandedPage << "http://help.qxgeomancy.org/fully-branded.html";
    QTest::newRow("OpenCoBrandPage")
        << &modHelp::OpenCoBrandPage << "http://help.qxgeomancy.org/co-brand.html";
    QTest::newRow("OpenSoftwareCatalogue")
        << &modHelp::OpenSoftwareCatalogue << "http://www.qxgeomancyforum.org/orvanesoftwares";
  }
  void eachRoutineOpensExactlyItsAddress() {
    if (!defaultHosts()) QSKIP("configured with other hosts");
    QFETCH(PageRoutine, routine);
    QFETCH(QString, address);
    RecordingLinkLauncher launcher;
    routine(launcher);
    QCOMPARE(launcher.addresses, QStringList{address});
  }

  void forumHomeIsTheBareHost() {
    RecordingLinkLauncher launcher;
    modHelp::OpenForumHome(launcher);
    QCOMPARE(launcher.addresses.size(), 1);
    const QString& address = launcher.addresses.front();
    QCOMPARE(address, QStringLiteral("http://") + links::forumHost());
    QVERIFY(!address.endsWith(QLatin1Char('/')));
    QVERIFY(QUrl(address).path().isEmpty());
  }

  void addressesShownAndSent() {
    if (!defaultHosts()) QSKIP("configured with other hosts");
    QCOMPARE(links::forumAddressShown(), QStringLiteral("www.qxgeomancyforum.org"));
    QCOMPARE(links::forumAddressInText(), QStringLiteral("qxgeomancyforum.org"));
    QCOMPARE(links::pageAddress(Page::ReferAFriend),
             QStringLiteral("http://www.qxgeomancyforum.org/qxos-refer-a-friend.php"));
    QCOMPARE(links::programHomeAddress(), QStringLiteral("http://qxgeomancy.org/"));
  }

  void openWebPageHandsOverAnyTextUnchanged() {
    const QStringList addresses{QStringLiteral("http://www.qxgeomancyforum.org/a b?x=1+2&y=%41"),
                                QStringLiteral("not an address at all"), QString()};
    RecordingLinkLauncher launcher;
    for (const QString& address : addresses) modHelp::OpenWebPage(launcher, address);
    QCOMPARE(launcher.addresses, addresses);
  }

  void aFailingLauncherIsNotTheCallersProblem() {
    static_assert(noexcept(modHelp::OpenWebPage(std::declval<links::LinkLauncher&>(), QString())));
    FailingLinkLauncher launcher;
    modHelp::OpenWebPage(launcher, QStringLiteral("http://www.qxgeomancyforum.org"));
    modHelp::OpenDonatePage(launcher);
  }

  // The one test that lets an address reach QDesktopServices, whose handler the guard holds:
  // what arrives there is what Qt gives xdg-open (its encoded form), byte for byte as built.
  void desktopLauncherHandsTheAddressToTheDesktopUnchanged() {
    QStringList addresses{
        QStringLiteral("http://www.qxgeomancyforum.org/qxos-refer-a-friend.php"
                       "?taf1=A%20B%2BC&taf2=a%40b&taf3=%25%23%3D%0D%0A%C3%A9")};
    for (const Page page : kAllPages) addresses << links::pageAddress(page);
    links::DesktopLinkLauncher launcher;
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
    links::DesktopLinkLauncher launcher;
    for (const QString& address : malformed) launcher.openAddress(address);
    for (const QUrl& arrived : std::as_const(guard_.opened)) {
      QVERIFY2(!arrived.isValid(), arrived.toEncoded().constData());
    }
    guard_.opened.clear();
  }

 private:
  DesktopGuard guard_;
};

QTEST_MAIN(WebPagesTest)
#include "links_web_pages_test.moc"
