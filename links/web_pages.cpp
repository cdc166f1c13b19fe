#include "web_pages.h"

#include <QDesktopServices>
#include <QUrl>
#include <array>

#include "resume_next.h"
#include "web_hosts.h"

namespace links {
namespace {

enum class Site { Forum, Help, Program };

struct PageEntry {
  Page page;
  Site site;
  const char* path;  // empty for a site's home page
};

constexpr std::array kPages{
    PageEntry{Page::ForumHome, Site::Forum, ""},
    PageEntry{Page::OnlineHelp, Site::Program, "/qx-free-geomancy-help.html"},
    PageEntry{Page::UpdatePage, Site::Program, "/download-qx-free-geomancy.html"},
    PageEntry{Page::DonatePage, Site::Help, "/donate.html"},
    PageEntry{Page::FullyBrandedPage, Site::Help, "/fully-branded.html"},
    PageEntry{Page::CoBrandPage, Site::Help, "/co-brand.html"},
    PageEntry{Page::SoftwareCatalogue, Site::Forum, "/orvanesoftwares"},
    PageEntry{Page::ReferAFriend, Site::Forum, "/qxos-refer-a-friend.php"},
};

const QString kScheme = QStringLiteral("http://");

QString hostOf(Site site) {
  switch (site) {
    case Site::Forum:
      return forumHost();
    case Site::Help:
      return helpHost();
    case Site::Program:
      return programHost();
  }
  return {};
}

}  // namespace

void DesktopLinkLauncher::openAddress(const QString& address) {
  // Tolerant parsing would "repair" the address (a space becomes %20, a stray % becomes %25)
  // and hand the desktop something other than what was built.
  (void)QDesktopServices::openUrl(QUrl::fromEncoded(address.toUtf8(), QUrl::StrictMode));
}

QString forumHost() {
  return QString::fromUtf8(configured::kForumHost);
}
QString helpHost() {
  return QString::fromUtf8(configured::kHelpHost);
}
QString programHost() {
  return QString::fromUtf8(configured::kProgramHost);
}

QString forumAddressShown() {
  return forumHost();
}

QString forumAddressInText() {
  const QString host = forumHost();
  const QLatin1String www("www.");
  return host.startsWith(www, Qt::CaseInsensitive) ? host.mid(www.size()) : host;
}

QString programHomeAddress() {
  return kScheme + programHost() + QLatin1Char('/');
}

QString pageAddress(Page page) {
  for (const PageEntry& entry : kPages) {
    if (entry.page == page) return kScheme + hostOf(entry.site) + QLatin1String(entry.path);
  }
  return {};
}

}  // namespace links

namespace modHelp {

using links::Page;

void OpenWebPage(links::LinkLauncher& launcher, const QString& address) noexcept {
  geomancy::resumeNext([&] { launcher.openAddress(address); });
}

namespace {
void openPage(links::LinkLauncher& launcher, Page page) {
  OpenWebPage(launcher, links::pageAddress(page));
}
}  // namespace

void OpenForumHome(links::LinkLauncher& launcher) {
  openPage(launcher, Page::ForumHome);
}
void OpenOnlineHelp(links::LinkLauncher& launcher) {
  openPage(launcher, Page::OnlineHelp);
}
void OpenUpdatePage(links::LinkLauncher& launcher) {
  openPage(launcher, Page::UpdatePage);
}
void OpenDonatePage(links::LinkLauncher& launcher) {
  openPage(launcher, Page::DonatePage);
}
void OpenFullyBrandedPage(links::LinkLauncher& launcher) {
  openPage(launcher, Page::FullyBrandedPage);
}
void OpenCoBrandPage(links::LinkLauncher& launcher) {
  openPage(launcher, Page::CoBrandPage);
}
void OpenSoftwareCatalogue(links::LinkLauncher& launcher) {
  openPage(launcher, Page::SoftwareCatalogue);
}

}  // namespace modHelp
