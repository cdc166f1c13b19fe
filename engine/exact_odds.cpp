// SPDX-License-Identifier: MIT
#include "exact_odds.h"

#include "perfection.h"

namespace geomancy {
namespace {

template <typename EachChart>
void forEveryChart(HouseOrder order, EachChart&& eachChart) {
  HouseFigures houses;
  for (std::uint32_t set = 0; set < ExactOdds::kSets; ++set) {
    std::array<FigureMask, kMotherCount> mothers{};
    for (int mother = 0; mother < kMotherCount; ++mother) {
      mothers[mother] = static_cast<FigureMask>((set >> (kRowsPerFigure * mother)) & 0xFu);
    }
    const ShieldMasks chart = shieldMasks(mothers);
    placeInHouses(chart, order, houses);
    eachChart(chart, houses);
  }
}

void count(ExactOdds& odds, const ShieldMasks& chart, const HouseFigures& houses) {
  ++odds.judge[chart[kJudgePosition]];
  ++odds.index[partOfFortune(houses).house];
  odds.halted += halted(houses) ? 1 : 0;
}

void count(ExactOdds::PerfectionCounts& counts, const Perfection& found) {
  counts.occupation += found.occupation ? 1 : 0;
  counts.conjunction += found.conjunction.empty() ? 0 : 1;
  counts.mutation += found.mutation.empty() ? 0 : 1;
  counts.translation += found.translation.empty() ? 0 : 1;
  counts.perfects += found.perfects() ? 1 : 0;
  counts.aspects += found.aspects.empty() ? 0 : 1;
  // Both houses may keep the same kind of company: the set is counted once for it.
  std::array<bool, 5> kinds{};
  for (const Perfection::Companion& companion : found.companions) {
    kinds[static_cast<std::size_t>(companion.company)] = true;
  }
  for (std::size_t kind = 0; kind < kinds.size(); ++kind)
    counts.company[kind] += kinds[kind] ? 1 : 0;
}

}  // namespace

ExactOdds exactOdds(HouseOrder order) {
  ExactOdds odds;
  odds.order = order;
  forEveryChart(order, [&](const ShieldMasks& chart, const HouseFigures& houses) {
    count(odds, chart, houses);
  });
  return odds;
}

ExactOdds exactOdds(int querent, int quesited, HouseOrder order) {
  ExactOdds odds;
  odds.order = order;
  ExactOdds::PerfectionCounts counts{querent, quesited};
  forEveryChart(order, [&](const ShieldMasks& chart, const HouseFigures& houses) {
    count(odds, chart, houses);
    count(counts, perfection(houses, querent, quesited));
  });
  odds.perfection = counts;
  return odds;
}

}  // namespace geomancy
