// SPDX-License-Identifier: MIT
#include "topic.h"

namespace geomancy {
namespace {

struct TopicRow {
  std::string_view name;
  int house;
};
constexpr std::array<TopicRow, kTopicCount> kTopics{{
    {"life", 1},
    {"money", 2},
    {"rank", 10},
    {"property", 4},
    {"marriage", 7},
    {"child", 5},
    {"sickness", 6},
    {"prison", 12},
    {"journey", 9},
    {"lost", 2},
}};

}  // namespace

std::string_view topicName(Topic topic) noexcept {
  return kTopics[static_cast<std::size_t>(topic)].name;
}

std::optional<Topic> topicNamed(std::string_view name) noexcept {
  for (std::size_t topic = 0; topic < kTopics.size(); ++topic) {
    if (kTopics[topic].name == name) return static_cast<Topic>(topic);
  }
  return std::nullopt;
}

int usualHouse(Topic topic) noexcept {
  return kTopics[static_cast<std::size_t>(topic)].house;
}

}  // namespace geomancy
