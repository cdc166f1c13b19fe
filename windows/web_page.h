// SPDX-License-Identifier: MIT
#pragma once

#include "pages.h"

class LinkLauncher;

// Opens one of the program's web pages in the browser. Whatever goes wrong on the way stays there.
void openWebPage(LinkLauncher& launcher, web::Page page) noexcept;
