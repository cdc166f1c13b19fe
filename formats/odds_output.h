// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "exact_odds.h"

namespace formats {

// The exact counts as a table with percentages, or as one JSON object on one line:
// {"sets":65536,"judge":{KEY:count,...},"index":{"1":count,...,"12":count},"halted":c}, and with
// the perfection counts "perfection":{"querent":M,"quesited":N,"occupation":c,...,"perfects":c,
// "aspects":c,"company":{"simple":c,...}} before "halted".
[[nodiscard]] std::string oddsPlain(const geomancy::ExactOdds& odds);
[[nodiscard]] std::string oddsJson(const geomancy::ExactOdds& odds);

}  // namespace formats
