// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

#include "catalogue.h"

// The result window's ten fields as the program writes them: which they are, in which order,
// and which text of a catalogue entry each one shows.
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

// The text of the entry that the field shows.
[[nodiscard]] std::string_view displayText(const CatalogueEntry& entry,
                                           DisplayField field) noexcept;

}  // namespace geomancy
