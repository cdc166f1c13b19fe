// SPDX-License-Identifier: MIT
#pragma once

#include <concepts>

namespace qxcast {

// Calls visit(1), visit(2) and so on up to visit(last), or until a call returns false. `last` may
// be the largest value of its type: the count stops there instead of wrapping round to 0.
template <std::unsigned_integral Count, typename Visit>
void countUpTo(Count last, Visit&& visit) {
  if (last == 0) return;
  for (Count number = 1;; ++number) {
    if (!visit(number) || number == last) return;
  }
}

}  // namespace qxcast
