// SPDX-License-Identifier: MIT
#include "attributions.h"

namespace handbook {

std::string_view sexName(Sex sex) noexcept {
  return sex == Sex::Male ? "male" : "female";
}

}  // namespace handbook
