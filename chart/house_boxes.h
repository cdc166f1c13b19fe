// SPDX-License-Identifier: MIT
#pragma once

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
// What the two lists ask of a reading: the houses always, a question when a quesited is chosen.
[[nodiscard]] geomancy::AnalysisRequest request(const QComboBox& querent, const QComboBox& quesited);

}  // namespace house_boxes
