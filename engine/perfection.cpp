// SPDX-License-Identifier: MIT
#include "perfection.h"

#include <algorithm>
#include <bit>

#include "house_bits.h"

namespace geomancy {
namespace {

using Significator = Perfection::Significator;

// The two houses next to each house (1 to 12), the lower first.
constexpr std::array<std::array<int, 2>, kHouseCount + 1> kNeighbours = [] {
  std::array<std::array<int, 2>, kHouseCount + 1> neighbours{};
  for (int house = 1; house <= kHouseCount; ++house) {
    const int before = house == 1 ? kHouseCount : house - 1;
    const int after = house == kHouseCount ? 1 : house + 1;
    neighbours[house] = {std::min(before, after), std::max(before, after)};
  }
  return neighbours;
}();

// The same as bits 1 to 12.
constexpr std::array<unsigned, kHouseCount + 1> kNeighbourBits = [] {
  std::array<unsigned, kHouseCount + 1> bits{};
  for (int house = 1; house <= kHouseCount; ++house) {
    bits[house] = (1u << kNeighbours[house][0]) | (1u << kNeighbours[house][1]);
  }
  return bits;
}();

// The houses next to any of `houses`, all as bits 1 to 12.
constexpr unsigned nextTo(unsigned houses) noexcept {
  const unsigned up = (houses << 1) | ((houses >> kHouseCount) & 1u) << 1;  // 12 is next to 1
  const unsigned down = (houses >> 1) | (houses & 2u) << (kHouseCount - 1);
  return (up | down) & 0x1FFEu;
}

Perfection::HousePair pairOf(int a, int b) noexcept {
  return {static_cast<std::int8_t>(a), static_cast<std::int8_t>(b)};
}

// Calls visit(house) for each house whose bit is set, the lowest first.
template <typename Visit>
void forEachHouse(unsigned houses, Visit&& visit) {
  for (; houses != 0; houses &= houses - 1) visit(std::countr_zero(houses));
}

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

// The houses from which an aspect is cast onto each house, as bits 1 to 12.
constexpr std::array<unsigned, kHouseCount + 1> kAspectSources = [] {
  std::array<unsigned, kHouseCount + 1> sources{};
  for (int onto = 1; onto <= kHouseCount; ++onto) {
    for (int from = 1; from <= kHouseCount; ++from) {
      if (kAspectOver[(onto - from + kHouseCount) % kHouseCount].cast) sources[onto] |= 1u << from;
    }
  }
  return sources;
}();

void addAspect(Perfection& found, int from, int onto, Significator figureOf) {
  const AspectOver over = aspectOver(from, onto);
  found.aspects.push_back({static_cast<std::int8_t>(from), static_cast<std::int8_t>(onto),
                           over.kind, over.side, figureOf});
}

void addCompanion(Perfection& found, const HouseFigures& houses, int house, Significator of) {
  const int companion = companionHouse(house);
  const Company company = companyOf(houses(house), houses(companion));
  // Kept without a branch, which would guess wrong a third of the time.
  found.companions.keepIf(company != Company::None,
                          {of, static_cast<std::int8_t>(companion), company});
}

}  // namespace

AspectOver aspectOver(int from, int onto) noexcept {
  const int apart = onto - from;
  return kAspectOver[apart < 0 ? apart + kHouseCount : apart];
}

std::string_view aspectName(AspectKind kind) noexcept {
  static constexpr std::array<std::string_view, 4> kNames{"sextile", "square", "trine",
                                                          "opposition"};
  return kNames[static_cast<std::size_t>(kind)];
}

std::string_view sideName(AspectSide side) noexcept {
  static constexpr std::array<std::string_view, 3> kNames{"", "dexter", "sinister"};
  return kNames[static_cast<std::size_t>(side)];
}

Perfection perfection(const HouseFigures& houses, int querent, int quesited) noexcept {
  Perfection found;
  found.querent = querent;
  found.quesited = quesited;
  const FigureMask q = houses(querent);
  const FigureMask x = houses(quesited);
  found.occupation = q == x;
  // The houses where Q and X stand besides their own, as bits 1 to 12.
  const unsigned qElsewhere = house_bits::housesHolding(houses, q) & ~(1u << querent);
  const unsigned xElsewhere = house_bits::housesHolding(houses, x) & ~(1u << quesited);

  const unsigned qNextToQuesited = qElsewhere & kNeighbourBits[quesited];
  const unsigned xNextToQuerent = xElsewhere & kNeighbourBits[querent];
  forEachHouse(qNextToQuesited | xNextToQuerent, [&](int house) {
    const auto at = static_cast<std::int8_t>(house);
    if ((qNextToQuesited >> house) & 1u) found.conjunction.push_back({at, Significator::Querent});
    if ((xNextToQuerent >> house) & 1u) found.conjunction.push_back({at, Significator::Quesited});
  });
  // Most charts have no mutation and no translation: one test each rules them out.
  forEachHouse(qElsewhere & nextTo(xElsewhere), [&](int a) {
    forEachHouse(xElsewhere & kNeighbourBits[a],
                 [&](int b) { found.mutation.push_back(pairOf(a, b)); });
  });
  const auto& [beforeQuerent, afterQuerent] = kNeighbours[querent];
  const auto& [beforeQuesited, afterQuesited] = kNeighbours[quesited];
  const auto same = [&houses](int a, int b) { return houses(a) == houses(b); };
  if ((same(beforeQuerent, beforeQuesited) | same(beforeQuerent, afterQuesited) |
       same(afterQuerent, beforeQuesited) | same(afterQuerent, afterQuesited)) != 0) {
    for (const int a : kNeighbours[querent]) {
      const FigureMask messenger = houses(a);
      if (messenger == q || messenger == x) continue;
      for (const int b : kNeighbours[quesited]) {
        if (houses(b) == messenger) found.translation.push_back(pairOf(a, b));
      }
    }
  }
  const unsigned qAspects = qElsewhere & kAspectSources[quesited];
  const unsigned xAspects = xElsewhere & kAspectSources[querent];
  forEachHouse(qAspects | xAspects, [&](int from) {
    if ((qAspects >> from) & 1u) addAspect(found, from, quesited, Significator::Querent);
    if ((xAspects >> from) & 1u) addAspect(found, from, querent, Significator::Quesited);
  });
  addCompanion(found, houses, querent, Significator::Querent);
  addCompanion(found, houses, quesited, Significator::Quesited);
  return found;
}

std::string_view significatorName(Perfection::Significator significator) noexcept {
  return significator == Perfection::Significator::Querent ? "querent" : "quesited";
}

}  // namespace geomancy
