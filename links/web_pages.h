#pragma once

#include <QString>

namespace links {

// Where the program hands a web address to the platform. The program uses the desktop launcher;
// tests record the addresses instead.
class LinkLauncher {
 public:
  virtual ~LinkLauncher() = default;

  virtual void openAddress(const QString& address) = 0;
};

// Asks the desktop to open the address in the user's browser and does not look at the outcome.
// The address goes to the desktop byte for byte as it was built: it is taken as already encoded
// and is never repaired or re-encoded on the way. One that is not a valid encoded address is
// refused by the desktop.
class DesktopLinkLauncher final : public LinkLauncher {
 public:
  void openAddress(const QString& address) override;
};

// The fixed pages of the program's web sites.
enum class Page {
  ForumHome,
  OnlineHelp,
  UpdatePage,
  DonatePage,
  FullyBrandedPage,
  CoBrandPage,
  SoftwareCatalogue,
  ReferAFriend,  // without its query; the refer-a-friend request adds one
};

[[nodiscard]] QString forumHost();
[[nodiscard]] QString helpHost();
[[nodiscard]] QString programHost();

// The forum as the link captions show it: its host, the one its home page opens on, with the
// "www." users know.
[[nodiscard]] QString forumAddressShown();
// The forum as the exit window's appeals name it in running text: the host without a leading
// "www.".
[[nodiscard]] QString forumAddressInText();
// "http://", the program host and "/": the program's address in the refer-a-friend request.
[[nodiscard]] QString programHomeAddress();
// "http://", the page's host and its path; a home page has no path and no trailing "/".
[[nodiscard]] QString pageAddress(Page page);

}  // namespace links

// The page routines: each opens one fixed address through the launcher.
namespace modHelp {

// Hands the address to the launcher unchanged. Whatever goes wrong there stays there.
void OpenWebPage(links::LinkLauncher& launcher, const QString& address) noexcept;

void OpenForumHome(links::LinkLauncher& launcher);
void OpenOnlineHelp(links::LinkLauncher& launcher);
void OpenUpdatePage(links::LinkLauncher& launcher);
void OpenDonatePage(links::LinkLauncher& launcher);
void OpenFullyBrandedPage(links::LinkLauncher& launcher);
void OpenCoBrandPage(links::LinkLauncher& launcher);
void OpenSoftwareCatalogue(links::LinkLauncher& launcher);

}  // namespace modHelp
