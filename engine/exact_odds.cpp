// SPDX-License-Identifier: MIT
#include "exact_odds.h"

namespace geomancy {
namespace {

template <typename EachChart>
void forEveryChart(EachChart&& eachChart) {
  for (std::uint32_t set = 0; set < ExactOdds::kSets; ++set) {
    std::array<FigureMask, kMotherCount> mothers{};
    for (int mother = 0; mother < kMotherCount; ++mother) {
      mothers[mother] = static_cast<FigureMask>((set >> (kRowsPerFigure * mother)) & 0xFu);
    }
    eachChart(shieldMasks(mothers));
  }
}

void count(ExactOdds& odds, const ShieldMasks& chart) {
  ++odds.judge[chart[kJudgePosition]];
  ++odds.index[partOfFortune(chart).house];
}

}  // namespace

ExactOdds exactOdds() {
  ExactOdds odds;
  forEveryChart([&](const ShieldMasks& chart) { count(odds, chart); });
  return odds;
}

ExactOdds exactOdds(int querent, int quesited) {
  ExactOdds odds;
  ExactOdds::PerfectionCounts counts{querent, quesited};
  forEveryChart([&](const ShieldMasks& chart) {
    count(odds, chart);
    const Perfection found = perfection(chart, querent, quesited);
    counts.occupation += found.occupation ? 1 : 0;
    counts.conjunction += found.conjunction.empty() ? 0 : 1;
    counts.mutation += found.mutation.empty() ? 0 : 1;
    counts.translation += found.translation.empty() ? 0 : 1;
    counts.perfects += found.perfects() ? 1 : 0;
  });
  odds.perfection = counts;
  return odds;
}

}  // namespace geomancy
