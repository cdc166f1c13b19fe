// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "reading.h"

namespace qxcast {

// The reading as an SVG 1.1 picture, laid out as the text chart: the points as filled circles,
// each figure in a group of its own (id "mother-1" ... "judge", "reconciler") with its position
// and name beneath, the Judge and the Reconciler framed and in bold. With `houses`, the house
// chart stands beside it, a group for each house ("house-1" ... "house-12").
[[nodiscard]] std::string chartSvg(const Reading& reading, bool houses);

// Writes the text to a file beside `path` and renames it into place once it is whole, so that a
// failure leaves nothing under that name. False when it could not be written.
[[nodiscard]] bool writeWholeFile(const std::string& path, std::string_view text);

}  // namespace qxcast
