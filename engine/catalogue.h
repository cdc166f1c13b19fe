// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string_view>

#include "figure.h"
#include "figure_mask.h"

// The catalogue of the sixteen figures and the lookup of a figure's entry.
namespace geomancy {

struct CatalogueEntry {
  Figure pattern;
  std::string_view key;
  std::string_view figureName;   // as the desktop program shows it: "Populus  The People"
  std::string_view latinName;    // as a reader writes it: "Populus", "Fortuna Major"
  std::string_view englishName;  // "The People", "Greater Fortune"
  std::string_view keyword;
  std::string_view day;
  std::string_view element;
  std::string_view quality;
  std::string_view planet;
  std::string_view sign;
  std::string_view bodyPart;
  std::string_view direction;
  std::string_view significance;
};

inline constexpr int kCatalogueSize = 16;

// The sixteen entries in catalogue order.
[[nodiscard]] std::span<const CatalogueEntry, kCatalogueSize> catalogue() noexcept;

// The entry whose pattern the rows match, or nullptr for rows other than 1 and 2.
[[nodiscard]] const CatalogueEntry* entryForRows(const Figure& rows) noexcept;

// The entry of a figure in mask form; every mask has one.
[[nodiscard]] const CatalogueEntry& entryForMask(FigureMask mask) noexcept;

}  // namespace geomancy
