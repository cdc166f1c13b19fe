// SPDX-License-Identifier: MIT
#include "figure_identifier.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "program_state.h"
#include "scripted_random_source.h"

using geomancy::DisplayField;
using geomancy::Figure;
using geomancy::Identifier;
using geomancy::RowValue;

namespace {

using Write = std::pair<DisplayField, std::string>;

// Records every write, in order; can be told to refuse one field.
class RecordingFields final : public geomancy::DisplayFields {
 public:
  void setDisplayField(DisplayField field, std::string_view text) override {
    if (refused && *refused == field) throw std::runtime_error("field cannot be written");
    writes.emplace_back(field, std::string(text));
  }

  [[nodiscard]] std::vector<Write> tail(std::size_t count) const {
    return {writes.end() - static_cast<std::ptrdiff_t>(count), writes.end()};
  }

  std::vector<Write> writes;
  std::optional<DisplayField> refused;
};

const geomancy::CatalogueEntry& entryFor(std::string_view key) {
  for (const auto& entry : geomancy::catalogue()) {
    if (entry.key == key) return entry;
  }
  throw std::invalid_argument(std::string(key));
}

std::vector<Write> blanks() {
  std::vector<Write> result;
  for (const DisplayField field : geomancy::kDisplayFields) result.emplace_back(field, "");
  return result;
}

// The writes that show an entry: the name, the keyword, the day, the element, the quality, the
// planet, the sign, the body part, the direction and the significance, in that order.
std::vector<Write> textsOf(const geomancy::CatalogueEntry& entry) {
  const std::array<std::string_view, 10> texts{
      entry.figureName, entry.keyword, entry.day,      entry.element,   entry.quality,
      entry.planet,     entry.sign,    entry.bodyPart, entry.direction, entry.significance};
  std::vector<Write> result;
  for (int i = 0; i < 10; ++i) result.emplace_back(geomancy::kDisplayFields[i], texts[i]);
  return result;
}

void identify(Identifier& identifier, const Figure& rows, RecordingFields& fields) {
  identifier.identify(rows[0], rows[1], rows[2], rows[3], fields);
}

}  // namespace

TEST(identify, BlanksAllTenFieldsThenWritesTheFigureInDisplayOrder) {
  for (const auto& entry : geomancy::catalogue()) {
    SCOPED_TRACE(entry.key);
    Identifier identifier;
    RecordingFields fields;
    identify(identifier, entry.pattern, fields);
    std::vector<Write> expected = blanks();
    const auto texts = textsOf(entry);
    expected.insert(expected.end(), texts.begin(), texts.end());
    EXPECT_EQ(fields.writes, expected);
    EXPECT_EQ(identifier.currentFigureKey(), entry.key);
  }
}

TEST(identify, SecondFigureReplacesEveryField) {
  Identifier identifier;
  RecordingFields fields;
  identify(identifier, {1, 1, 1, 1}, fields);
  identify(identifier, {2, 2, 2, 2}, fields);
  std::vector<Write> expected = blanks();
  const auto texts = textsOf(entryFor("POPULUS"));
  expected.insert(expected.end(), texts.begin(), texts.end());
  EXPECT_EQ(fields.tail(20), expected);
  EXPECT_EQ(fields.writes.size(), 40u);
}

TEST(identify, RowsOutsideOneAndTwoShowTheLastFigureIdentified) {
  Identifier identifier;
  RecordingFields fields;
  // Nothing identified yet: the fields are only blanked.
  identify(identifier, {0, 1, 2, 1}, fields);
  identify(identifier, {1, 1, 3, 1}, fields);
  std::vector<Write> twice = blanks();
  const auto more = blanks();
  twice.insert(twice.end(), more.begin(), more.end());
  EXPECT_EQ(fields.writes, twice);
  EXPECT_TRUE(identifier.currentFigureKey().empty());

  identify(identifier, {1, 1, 2, 1}, fields);
  ASSERT_EQ(identifier.currentFigureKey(), "PUER");
  for (const Figure& invalid : {Figure{0, 1, 2, 1}, Figure{1, 1, 3, 1}}) {
    fields.writes.clear();
    identify(identifier, invalid, fields);
    std::vector<Write> expected = blanks();
    const auto texts = textsOf(entryFor("PUER"));
    expected.insert(expected.end(), texts.begin(), texts.end());
    EXPECT_EQ(fields.writes, expected);
    EXPECT_EQ(identifier.currentFigureKey(), "PUER");
  }
}

TEST(identify, FieldThatCannotBeWrittenIsSkipped) {
  const geomancy::CatalogueEntry& rubeus = entryFor("RUBEUS");
  for (const DisplayField refused : geomancy::kDisplayFields) {
    SCOPED_TRACE(static_cast<int>(refused));
    Identifier identifier;
    RecordingFields fields;
    fields.refused = refused;
    // Must return normally: an exception escaping the routine would end the process.
    identify(identifier, rubeus.pattern, fields);
    std::vector<Write> expected;
    for (const Write& write : blanks()) {
      if (write.first != refused) expected.push_back(write);
    }
    for (const Write& write : textsOf(rubeus)) {
      if (write.first != refused) expected.push_back(write);
    }
    EXPECT_EQ(fields.writes, expected);
    EXPECT_EQ(identifier.currentFigureKey(), "RUBEUS");
  }
}

TEST(identify, CurrentKeyOutlivesANewReading) {
  ScriptedRandomSource source;
  for (const Figure& mother :
       {Figure{1, 1, 2, 2}, Figure{2, 1, 1, 1}, Figure{1, 2, 2, 1}, Figure{2, 2, 2, 1}}) {
    source.appendFigure(mother);
  }
  geomancy::ProgramState state(source);
  for (int position = 0; position < 15; ++position) (void)state.chart.produceFigure(position);
  const Figure judge = state.chart.judgeRows();
  RecordingFields fields;
  state.identifier.identify(judge[0], judge[1], judge[2], judge[3], fields);
  EXPECT_EQ(fields.tail(10), textsOf(entryFor("CONJUNCTIO")));

  state.chart.reset();
  EXPECT_EQ(state.identifier.currentFigureKey(), "CONJUNCTIO");
  fields.writes.clear();
  state.identifier.identify(RowValue{3}, RowValue{3}, RowValue{3}, RowValue{3}, fields);
  EXPECT_EQ(fields.tail(10), textsOf(entryFor("CONJUNCTIO")));
}
