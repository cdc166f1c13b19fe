// SPDX-License-Identifier: MIT
#include "figure_identifier.h"

#include "skip_on_failure.h"

namespace geomancy {

void Identifier::identify(const RowValue& row1, const RowValue& row2, const RowValue& row3,
                          const RowValue& row4, DisplayFields& fields) noexcept {
  if (const CatalogueEntry* match = entryForRows(Figure{row1, row2, row3, row4})) current_ = match;
  blankDisplayFields(fields);
  if (current_ == nullptr) return;
  for (const DisplayField field : kDisplayFields) {
    skipOnFailure([&] { fields.setDisplayField(field, displayText(*current_, field)); });
  }
}

std::string Identifier::currentFigureKey() const {
  return current_ == nullptr ? std::string() : std::string(current_->key);
}

}  // namespace geomancy
