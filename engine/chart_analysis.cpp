// SPDX-License-Identifier: MIT
#include "chart_analysis.h"

namespace geomancy {
namespace {

// Hands std::optional::emplace a value to be made in place: the result of make() initialises the
// optional's own storage, with no copy of the (large) value.
template <typename Make>
struct MadeInPlace {
  Make make;
  // NOLINTNEXTLINE(google-explicit-constructor): the conversion is the point.
  operator decltype(make())() const { return make(); }
};
template <typename Make>
MadeInPlace(Make) -> MadeInPlace<Make>;

}  // namespace

int demandHouse(const AnalysisRequest& request) noexcept {
  if (request.question) return request.question->quesited;
  return request.topic ? usualHouse(*request.topic) : 0;
}

void analyseReading(const Reading& reading, const AnalysisRequest& request,
                    ChartAnalysis& analysis) {
  analysis.reading = reading;
  analysis.request = request;
  const HouseFigures& houses = analysis.houseFigures;
  placeInHouses(reading.chart, request.order, analysis.houseFigures);
  if (request.houses) {
    // Made in place: copied, its bytes would be read back in larger pieces than they were
    // written, which holds the processor up until the writes are done.
    analysis.houses.emplace(MadeInPlace{[&] { return analyseHouses(reading.chart, houses); }});
  } else {
    analysis.houses.reset();
  }
  if (const auto& question = request.question) {
    analysis.perfection.emplace(
        MadeInPlace{[&] { return perfection(houses, question->querent, question->quesited); }});
  } else {
    analysis.perfection.reset();
  }
  analysis.halted = analysis.judged() && halted(houses);
}

}  // namespace geomancy
