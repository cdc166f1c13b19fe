// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>

#include "house_chart.h"
#include "house_order.h"
#include "perfection.h"
#include "reading.h"
#include "topic.h"

namespace geomancy {

// The querent's house and the quesited's, 1 to 12 and not the same.
struct QuestionHouses {
  int querent = 1;
  int quesited = 7;
};

// What is to be read from each chart besides its figures and its Judge.
struct AnalysisRequest {
  bool houses = false;  // the Index, the Way of the Point and the company of houses
  std::optional<QuestionHouses> question;  // perfection, aspects and the significators' company
  HouseOrder order = HouseOrder::Traditional;
  // What the question is about. Whoever asks with a topic and no quesited's house gives its usual
  // house as the quesited's, but for life, the querent's own.
  std::optional<Topic> topic;
  bool reading = false;  // the handbook's method of judging, in words
};

// The house of the demand, the house the question is read from: the quesited's, or else the
// topic's own (house 1 for the querent's life); 0 when the request names neither.
[[nodiscard]] int demandHouse(const AnalysisRequest& request) noexcept;

// Everything asked about one reading, worked out once; the writers only format it.
struct ChartAnalysis {
  Reading reading;
  AnalysisRequest request;
  HouseFigures houseFigures;  // placed by the request's order
  std::optional<HouseAnalysis> houses;
  std::optional<Perfection> perfection;
  // Rubeus or Cauda Draconis in house 1; worked out when the houses, a question or the reading are
  // asked for.
  bool halted = false;

  [[nodiscard]] bool judged() const noexcept { return houses || perfection || request.reading; }
  [[nodiscard]] FigureMask houseFigure(int house) const noexcept { return houseFigures(house); }
  [[nodiscard]] const WayOfThePoint& way(int row) const noexcept {
    return wayOfThePoint(houses->ways[row - 1]);
  }
};

// Works out everything asked about the reading into `analysis`, replacing what it held. A run of
// readings uses one ChartAnalysis throughout: making a new one clears all its bytes first.
void analyseReading(const Reading& reading, const AnalysisRequest& request,
                    ChartAnalysis& analysis);

}  // namespace geomancy
