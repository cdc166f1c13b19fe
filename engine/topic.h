// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// What a question is about, as geomancers group the matters asked of a chart: the ten heads of
// the Golden Dawn's tables of Witnesses and Judge (Liber Gaias, chapter IV), in their order.
namespace geomancy {

enum class Topic : std::uint8_t {
  Life,
  Money,
  Rank,
  Property,
  Marriage,
  Child,
  Sickness,
  Prison,
  Journey,
  Lost,
};
inline constexpr int kTopicCount = 10;

// "life", "money", "rank", "property", "marriage", "child", "sickness", "prison", "journey",
// "lost": as the caster's option and the journal name them.
[[nodiscard]] std::string_view topicName(Topic topic) noexcept;
[[nodiscard]] std::optional<Topic> topicNamed(std::string_view name) noexcept;

// The house that holds the matter: life 1 (the querent's own), money and a thing lost 2, property
// 4, a child 5, sickness 6, marriage 7, a journey 9, rank 10, prison 12.
[[nodiscard]] int usualHouse(Topic topic) noexcept;

}  // namespace geomancy
