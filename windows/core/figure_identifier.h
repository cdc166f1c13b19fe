// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "catalogue.h"
#include "display_fields.h"
#include "figure.h"

namespace geomancy {

// The identification of a figure from its rows into the display fields, with the last figure
// identified, which it keeps from call to call: rows that match no pattern show that figure
// again.
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
