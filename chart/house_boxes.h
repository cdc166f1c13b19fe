// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "chart_analysis.h"

class QComboBox;

// The querent's and the quesited's houses as two lists of the twelve, each house with what it is
// asked about; the quesited's may be none, and is never the first house. The house one list holds
// cannot be chosen in the other.
namespace house_boxes {

// The houses, with none first in the quesited's list (item data: the house, 0 for none).
void fill(QComboBox& houses, bool withNone);
// Each list offers every house but the one the other holds, and the quesited's not the first.
void keepApart(QComboBox& querent, QComboBox& quesited);
// Both lists set to these houses (0 for no quesited, as for the same house twice or a quesited in
// the first house), without a signal.
void select(QComboBox& querent, QComboBox& quesited, int querentHouse, int quesitedHouse);
// What the question is about: none, then the ten heads of the handbook's tables (item data: the
// topic's name, empty for none).
void fillTopics(QComboBox& topics);
// The topic of the quesited's house, where one is its own (money for house 2, marriage for 7 and
// so on), else none; without a signal.
void suggestTopic(QComboBox& topics, int quesitedHouse);
// The topic chosen, by name; none for an empty or unknown name. Without a signal.
void selectTopic(QComboBox& topics, std::optional<geomancy::Topic> topic);
[[nodiscard]] std::optional<geomancy::Topic> topicOf(const QComboBox& topics);

// What the lists ask of a reading, in that order of houses: the houses and the reading in words
// always, a question when a quesited is chosen.
[[nodiscard]] geomancy::AnalysisRequest request(const QComboBox& querent, const QComboBox& quesited,
                                                const QComboBox& topics,
                                                geomancy::HouseOrder order);

}  // namespace house_boxes
