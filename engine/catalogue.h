// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "figure.h"
#include "figure_mask.h"

// The catalogue of the sixteen figures and the identification of a figure from its rows.
namespace geomancy {

// The ten outputs of an identification, in the order in which they are blanked and written.
enum class DisplayField {
  GeomancyName,
  Keyword,
  AssociatedDay,
  AssociatedElement,
  AssociatedQuality,
  AssociatedPlanet,
  AssociatedSign,
  AssociatedBodyPart,
  Direction,
  Significance,
};
inline constexpr int kDisplayFieldCount = 10;
inline constexpr std::array<DisplayField, kDisplayFieldCount> kDisplayFields{
    DisplayField::GeomancyName,      DisplayField::Keyword,
    DisplayField::AssociatedDay,     DisplayField::AssociatedElement,
    DisplayField::AssociatedQuality, DisplayField::AssociatedPlanet,
    DisplayField::AssociatedSign,    DisplayField::AssociatedBodyPart,
    DisplayField::Direction,         DisplayField::Significance};

// Anything with ten writable text fields; the result window is one.
class DisplayFields {
 public:
  virtual ~DisplayFields() = default;
  virtual void setDisplayField(DisplayField field, std::string_view text) = 0;
};

// Sets the ten fields to the empty text, in display order. A field that cannot be written is
// skipped.
void blankDisplayFields(DisplayFields& fields) noexcept;

struct CatalogueEntry {
  Figure pattern;
  std::string_view key;
  std::string_view figureName;
  std::string_view keyword;
  std::string_view day;
  std::string_view element;
  std::string_view quality;
  std::string_view planet;
  std::string_view sign;
  std::string_view bodyPart;
  std::string_view direction;
  std::string_view significance;

  [[nodiscard]] std::string_view text(DisplayField field) const noexcept;
};

inline constexpr int kCatalogueSize = 16;

// The sixteen entries in catalogue order.
[[nodiscard]] std::span<const CatalogueEntry, kCatalogueSize> catalogue() noexcept;

// The entry whose pattern the rows match, or nullptr for rows other than 1 and 2.
[[nodiscard]] const CatalogueEntry* entryForRows(const Figure& rows) noexcept;

// The entry of a figure in mask form; every mask has one.
[[nodiscard]] const CatalogueEntry& entryForMask(FigureMask mask) noexcept;

// The identification, with the last figure identified, which it keeps from call to call: rows
// that match no pattern show that figure again.
class Identifier {
 public:
  void identify(const RowValue& row1, const RowValue& row2, const RowValue& row3,
                const RowValue& row4, DisplayFields& fields) noexcept;

  // The catalogue key of the last figure identified; empty before the first.
  [[nodiscard]] std::string currentFigureKey() const;

 private:
  const CatalogueEntry* current_ = nullptr;
};

}  // namespace geomancy
