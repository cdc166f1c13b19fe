// SPDX-License-Identifier: MIT
#include "house_boxes.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <array>

#include "judgement.h"
#include "topic.h"

namespace house_boxes {
namespace {

// The quesited is never the first house, whoever the querent is: as the caster and the journal
// have it.
constexpr int kFirstQuesited = 2;

// Neither the house that `other` holds nor a house below `lowest` can be chosen in `houses`.
void refuse(QComboBox& houses, const QComboBox& other, int lowest) {
  auto* model = qobject_cast<QStandardItemModel*>(houses.model());
  for (int row = 0; row < houses.count(); ++row) {
    const int house = houses.itemData(row).toInt();
    model->item(row)->setEnabled(house == 0 ||
                                 (house >= lowest && house != other.currentData().toInt()));
  }
}

void selectHouse(QComboBox& houses, int house) {
  const int row = houses.findData(house);
  if (row >= 0) houses.setCurrentIndex(row);
}

}  // namespace

void fill(QComboBox& houses, bool withNone) {
  // The list shows each house whole; the box itself need not be as wide.
  houses.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  houses.setMinimumContentsLength(16);
  if (withNone) houses.addItem(QStringLiteral("None"), 0);
  for (int house = 1; house <= geomancy::kHouseCount; ++house) {
    const std::string_view matters = handbook::houseMatters(house);
    houses.addItem(QStringLiteral("%1: %2").arg(house).arg(
                       QLatin1String(matters.data(), static_cast<qsizetype>(matters.size()))),
                   house);
  }
}

void keepApart(QComboBox& querent, QComboBox& quesited) {
  refuse(querent, quesited, 1);
  refuse(quesited, querent, kFirstQuesited);
}

void select(QComboBox& querent, QComboBox& quesited, int querentHouse, int quesitedHouse) {
  const QSignalBlocker querentQuiet(&querent);
  const QSignalBlocker quesitedQuiet(&quesited);
  selectHouse(querent, querentHouse);
  selectHouse(quesited, quesitedHouse);
  if (querent.currentData() == quesited.currentData() ||
      quesited.currentData().toInt() < kFirstQuesited) {
    selectHouse(quesited, 0);
  }
  keepApart(querent, quesited);
}

void fillTopics(QComboBox& topics) {
  topics.addItem(QStringLiteral("None"), QString());
  for (int topic = 0; topic < geomancy::kTopicCount; ++topic) {
    const auto asked = static_cast<geomancy::Topic>(topic);
    const QString name = QString::fromLatin1(geomancy::topicName(asked));
    topics.addItem(name.left(1).toUpper() + name.mid(1), name);
  }
}

void suggestTopic(QComboBox& topics, int quesitedHouse) {
  std::optional<geomancy::Topic> suggested;
  for (int topic = 0; topic < geomancy::kTopicCount; ++topic) {
    const auto asked = static_cast<geomancy::Topic>(topic);
    // Money before a thing lost, which shares its house.
    if (!suggested && asked != geomancy::Topic::Life &&
        geomancy::usualHouse(asked) == quesitedHouse) {
      suggested = asked;
    }
  }
  selectTopic(topics, suggested);
}

void selectTopic(QComboBox& topics, std::optional<geomancy::Topic> topic) {
  const QSignalBlocker quiet(&topics);
  const int row = topic ? topics.findData(QString::fromLatin1(geomancy::topicName(*topic))) : 0;
  topics.setCurrentIndex(row < 0 ? 0 : row);
}

std::optional<geomancy::Topic> topicOf(const QComboBox& topics) {
  return geomancy::topicNamed(topics.currentData().toString().toStdString());
}

geomancy::AnalysisRequest request(const QComboBox& querent, const QComboBox& quesited,
                                  const QComboBox& topics, geomancy::HouseOrder order) {
  geomancy::AnalysisRequest request{
      .houses = true, .order = order, .topic = topicOf(topics), .reading = true};
  const int querentHouse = querent.currentData().toInt();
  const int quesitedHouse = quesited.currentData().toInt();
  if (quesitedHouse != 0 && quesitedHouse != querentHouse) {
    request.question = {querentHouse, quesitedHouse};
  }
  return request;
}

}  // namespace house_boxes
