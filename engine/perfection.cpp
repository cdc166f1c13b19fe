// SPDX-License-Identifier: MIT
#include "perfection.h"

#include <bit>

namespace geomancy {
namespace {

using Significator = Perfection::Significator;

// The two houses next to `house`, the lower number first.
std::array<int, 2> neighbours(int house) noexcept {
  const int before = house == 1 ? kHouseCount : house - 1;
  const int after = house == kHouseCount ? 1 : house + 1;
  return before < after ? std::array{before, after} : std::array{after, before};
}

Perfection::HousePair pairOf(int a, int b) noexcept {
  return {static_cast<std::int8_t>(a), static_cast<std::int8_t>(b)};
}

unsigned neighbourBits(int house) noexcept {
  const std::array<int, 2> next = neighbours(house);
  return (1u << next[0]) | (1u << next[1]);
}

// Calls visit(house) for each house whose bit is set, the lowest first.
template <typename Visit>
void forEachHouse(unsigned houses, Visit&& visit) {
  for (; houses != 0; houses &= houses - 1) visit(std::countr_zero(houses));
}

struct AspectOver {
  bool cast = false;
  AspectKind kind = AspectKind::Sextile;
  AspectSide side = AspectSide::Neither;
};

// By the distance d = (target - from) mod 12; 1 and 11 are the conjunction mode's, not aspects.
constexpr std::array<AspectOver, kHouseCount> kAspectOver{{
    {},
    {},
    {true, AspectKind::Sextile, AspectSide::Sinister},
    {true, AspectKind::Square, AspectSide::Sinister},
    {true, AspectKind::Trine, AspectSide::Sinister},
    {},
    {true, AspectKind::Opposition, AspectSide::Neither},
    {},
    {true, AspectKind::Trine, AspectSide::Dexter},
    {true, AspectKind::Square, AspectSide::Dexter},
    {true, AspectKind::Sextile, AspectSide::Dexter},
    {},
}};

void addAspect(Perfection& found, int from, int onto, Significator figureOf) {
  const AspectOver& over = kAspectOver[(onto - from + kHouseCount) % kHouseCount];
  if (!over.cast) return;
  found.aspects.push_back({static_cast<std::int8_t>(from), static_cast<std::int8_t>(onto),
                           over.kind, over.side, figureOf});
}

void addCompanion(Perfection& found, const ShieldMasks& chart, int house, Significator of) {
  const int companion = companionHouse(house);
  const Company company = companyOf(houseFigure(chart, house), houseFigure(chart, companion));
  if (company != Company::None) {
    found.companions.push_back({of, static_cast<std::int8_t>(companion), company});
  }
}

}  // namespace

std::string_view aspectName(AspectKind kind) noexcept {
  static constexpr std::array<std::string_view, 4> kNames{"sextile", "square", "trine",
                                                          "opposition"};
  return kNames[static_cast<std::size_t>(kind)];
}

std::string_view sideName(AspectSide side) noexcept {
  static constexpr std::array<std::string_view, 3> kNames{"", "dexter", "sinister"};
  return kNames[static_cast<std::size_t>(side)];
}

Perfection perfection(const ShieldMasks& chart, int querent, int quesited) noexcept {
  Perfection found;
  found.querent = querent;
  found.quesited = quesited;
  const FigureMask q = houseFigure(chart, querent);
  const FigureMask x = houseFigure(chart, quesited);
  found.occupation = q == x;
  // The houses where Q and X stand besides their own, as bits 1 to 12.
  unsigned qElsewhere = 0;
  unsigned xElsewhere = 0;
  for (int house = 1; house <= kHouseCount; ++house) {
    if (houseFigure(chart, house) == q) qElsewhere |= 1u << house;
    if (houseFigure(chart, house) == x) xElsewhere |= 1u << house;
  }
  qElsewhere &= ~(1u << querent);
  xElsewhere &= ~(1u << quesited);

  const unsigned qNextToQuesited = qElsewhere & neighbourBits(quesited);
  const unsigned xNextToQuerent = xElsewhere & neighbourBits(querent);
  forEachHouse(qNextToQuesited | xNextToQuerent, [&](int house) {
    const auto at = static_cast<std::int8_t>(house);
    if ((qNextToQuesited >> house) & 1u) found.conjunction.push_back({at, Significator::Querent});
    if ((xNextToQuerent >> house) & 1u) found.conjunction.push_back({at, Significator::Quesited});
  });
  forEachHouse(qElsewhere, [&](int a) {
    forEachHouse(xElsewhere & neighbourBits(a),
                 [&](int b) { found.mutation.push_back(pairOf(a, b)); });
  });
  for (const int a : neighbours(querent)) {
    const FigureMask messenger = houseFigure(chart, a);
    if (messenger == q || messenger == x) continue;
    for (const int b : neighbours(quesited)) {
      if (houseFigure(chart, b) == messenger) found.translation.push_back(pairOf(a, b));
    }
  }
  forEachHouse(qElsewhere | xElsewhere, [&](int from) {
    if ((qElsewhere >> from) & 1u) addAspect(found, from, quesited, Significator::Querent);
    if ((xElsewhere >> from) & 1u) addAspect(found, from, querent, Significator::Quesited);
  });
  addCompanion(found, chart, querent, Significator::Querent);
  addCompanion(found, chart, quesited, Significator::Quesited);
  return found;
}

}  // namespace geomancy
