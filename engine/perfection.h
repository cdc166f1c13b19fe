// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string_view>

#include "house_chart.h"

// The answer to a question: whether the querent's house and the quesited's come together in the
// chart, and what else joins them.
namespace geomancy {

enum class AspectKind : std::uint8_t { Sextile, Square, Trine, Opposition };
// Dexter looks back round the wheel (8, 9 or 10 houses on), sinister forward (2, 3 or 4).
enum class AspectSide : std::uint8_t { Neither, Dexter, Sinister };

// The aspect a figure in house `from` casts onto house `onto`, by the distance (onto - from) mod
// 12: 2 or 10 a sextile, 3 or 9 a square, 4 or 8 a trine, 6 an opposition, any other none (1 and
// 11 are the conjunction mode's).
struct AspectOver {
  bool cast = false;
  AspectKind kind = AspectKind::Sextile;
  AspectSide side = AspectSide::Neither;
};
[[nodiscard]] AspectOver aspectOver(int from, int onto) noexcept;

// "sextile", "square", "trine", "opposition"; "dexter", "sinister", and empty for neither.
[[nodiscard]] std::string_view aspectName(AspectKind kind) noexcept;
[[nodiscard]] std::string_view sideName(AspectSide side) noexcept;

// The modes of perfection between the querent's house M and the quesited's N, and what is reported
// beside them. Q is the figure in M, X the figure in N; every instance found is listed.
struct Perfection {
  enum class Significator : std::uint8_t { Querent, Quesited };
  // Houses as small numbers: a Perfection is made for every chart the caster reads.
  struct Conjunction {
    std::int8_t house;
    Significator figureOf;  // whose figure stands there
  };
  struct HousePair {
    std::int8_t a;
    std::int8_t b;
  };
  // The figure in `from` casts an aspect onto `onto`, the other significator's house.
  struct Aspect {
    std::int8_t from;
    std::int8_t onto;
    AspectKind kind;
    AspectSide side;
    Significator figureOf;
  };
  // A significator's house keeping company with its companion house, whose figure then signifies
  // the same side too.
  struct Companion {
    Significator of;
    std::int8_t house;  // the companion house
    Company company;
  };

  int querent = 0;
  int quesited = 0;
  // Q and X are the same figure.
  bool occupation = false;
  // Q in a house, other than the querent's, next to the quesited's; or X in a house, other than
  // the quesited's, next to the querent's. By house, Q's first.
  ShortList<Conjunction, 4> conjunction;
  // Q in a house a other than the querent's and X in a house b other than the quesited's, a and b
  // next to each other. By a, then b.
  ShortList<HousePair, 2 * kHouseCount> mutation;
  // A figure that is neither Q nor X in a house a next to the querent's and in a house b next to
  // the quesited's (a and b may be the one house between them). By a, then b.
  ShortList<HousePair, 4> translation;
  // Not a mode: X from each house other than N onto M, and Q from each house other than M onto N,
  // where they stand 2, 3, 4, 6, 8, 9 or 10 houses apart. By house, Q's first.
  ShortList<Aspect, 2 * (kHouseCount - 1)> aspects;
  // The querent's first.
  ShortList<Companion, 2> companions;

  [[nodiscard]] bool perfects() const noexcept {
    return occupation || !conjunction.empty() || !mutation.empty() || !translation.empty();
  }
  // No mode perfects: the answer is no.
  [[nodiscard]] bool denial() const noexcept { return !perfects(); }
};

// "querent" or "quesited".
[[nodiscard]] std::string_view significatorName(Perfection::Significator significator) noexcept;

// Both houses from 1 to 12, and not the same.
[[nodiscard]] Perfection perfection(const HouseFigures& houses, int querent, int quesited) noexcept;

}  // namespace geomancy
