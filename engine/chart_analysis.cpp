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

void analyseReading(const Reading& reading, const AnalysisRequest& request,
                    ChartAnalysis& analysis) {
  analysis.reading = reading;
  const ShieldMasks& chart = reading.chart;
  if (request.houses) {
    // Made in place: copied, its bytes would be read back in larger pieces than they were
    // written, which holds the processor up until the writes are done.
    analysis.houses.emplace(MadeInPlace{[&] { return analyseHouses(chart); }});
  } else {
    analysis.houses.reset();
  }
  if (const auto& question = request.question) {
    analysis.perfection.emplace(
        MadeInPlace{[&] { return perfection(chart, question->querent, question->quesited); }});
  } else {
    analysis.perfection.reset();
  }
  analysis.halted = analysis.judged() && halted(chart);
}

}  // namespace geomancy
