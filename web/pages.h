// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The program's web sites and their fixed pages, as addresses. Nothing here opens anything.
namespace web {

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

}  // namespace web
