// SPDX-License-Identifier: MIT
#include "display_fields.h"

#include "skip_on_failure.h"

namespace geomancy {

void blankDisplayFields(DisplayFields& fields) noexcept {
  for (const DisplayField field : kDisplayFields) {
    skipOnFailure([&] { fields.setDisplayField(field, ""); });
  }
}

std::string_view displayText(const CatalogueEntry& entry, DisplayField field) noexcept {
  switch (field) {
    case DisplayField::GeomancyName:
      return entry.figureName;
    case DisplayField::Keyword:
      return entry.keyword;
    case DisplayField::AssociatedDay:
      return entry.day;
    case DisplayField::AssociatedElement:
      return entry.element;
    case DisplayField::AssociatedQuality:
      return entry.quality;
    case DisplayField::AssociatedPlanet:
      return entry.planet;
    case DisplayField::AssociatedSign:
      return entry.sign;
    case DisplayField::AssociatedBodyPart:
      return entry.bodyPart;
    case DisplayField::Direction:
      return entry.direction;
    case DisplayField::Significance:
      return entry.significance;
  }
  return {};
}

}  // namespace geomancy
