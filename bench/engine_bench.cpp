#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <string_view>

#include "geomancy.h"
#include "random_source.h"
#include "reading.h"
#include "shield_chart.h"

namespace {

using geomancy::Figure;

// The eight figures that can be Judge, so the identification sees what the program hands it.
constexpr std::array<Figure, 8> kJudges{{{1, 1, 1, 1},
                                         {1, 1, 2, 2},
                                         {1, 2, 1, 2},
                                         {1, 2, 2, 1},
                                         {2, 1, 1, 2},
                                         {2, 1, 2, 1},
                                         {2, 2, 1, 1},
                                         {2, 2, 2, 2}}};

// Display fields that only look at what they are given, standing in for the result window.
class CountingFields final : public modGeomancy::DisplayFields {
 public:
  void setDisplayField(modGeomancy::DisplayField, std::string_view text) override {
    characters_ += text.size();
  }
  [[nodiscard]] std::size_t characters() const { return characters_; }

 private:
  std::size_t characters_ = 0;
};

// One reading as the casting window makes it: reset, then fifteen figures in position order.
void BM_CastReading(benchmark::State& state) {
  geomancy::PseudoRandomSource random(1);
  geomancy::ShieldChart chart(random);
  for (auto _ : state) {
    chart.reset();
    for (int position = 0; position < geomancy::kFigureCount; ++position) {
      benchmark::DoNotOptimize(chart.produceFigure(position));
    }
    benchmark::DoNotOptimize(chart.judgeRows());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CastReading);

void BM_ShowFigureResult(benchmark::State& state) {
  modGeomancy::Identifier identifier;
  CountingFields fields;
  std::size_t next = 0;
  for (auto _ : state) {
    const Figure& judge = kJudges[next++ % kJudges.size()];
    identifier.ShowFigureResult(judge[0], judge[1], judge[2], judge[3], fields);
  }
  benchmark::DoNotOptimize(fields.characters());
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ShowFigureResult);

void BM_EntryForRows(benchmark::State& state) {
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(modGeomancy::entryForRows(kJudges[next++ % kJudges.size()]));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EntryForRows);

// What qxgeomancy-cast --json does per reading, short of writing the line out.
void BM_CastReadingAsJson(benchmark::State& state) {
  geomancy::PseudoRandomSource random(1);
  geomancy::ShieldChart chart(random);
  std::string line;
  for (auto _ : state) {
    line.clear();
    qxcast::appendJson(line, qxcast::castReading(chart));
    benchmark::DoNotOptimize(line.data());
  }
  state.SetItemsProcessed(state.iterations());
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(line.size()));
}
BENCHMARK(BM_CastReadingAsJson);

}  // namespace

BENCHMARK_MAIN();
