// SPDX-License-Identifier: MIT
#include "pages.h"

#include <array>

#include "web_hosts.h"

namespace web {
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

}  // namespace web
