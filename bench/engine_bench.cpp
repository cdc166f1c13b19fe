// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>

#include <array>
#include <fstream>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

#include "caster.h"
#include "catalogue.h"
#include "chart_analysis.h"
#include "display_fields.h"
#include "exact_odds.h"
#include "figure_identifier.h"
#include "random_source.h"
#include "reading_caster.h"
#include "reading_json.h"
#include "text_buffer.h"
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
class CountingFields final : public geomancy::DisplayFields {
 public:
  void setDisplayField(geomancy::DisplayField, std::string_view text) override {
    characters_ += text.size();
  }
  [[nodiscard]] std::size_t characters() const { return characters_; }

 private:
  std::size_t characters_ = 0;
};

// One reading as the casting window makes it: reset, then fifteen figures in position order
// into the row store, each Mother's rows drawn through the random source's interface.
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

// One whole reading as the caster makes it: sixteen draws, the chart, the Reconciler and the
// Judge's catalogue entry.
void BM_CoreReading(benchmark::State& state) {
  geomancy::ReadingCaster caster(1);
  for (auto _ : state) {
    const geomancy::Reading reading = geomancy::readingOf(caster.next());
    benchmark::DoNotOptimize(reading);
    benchmark::DoNotOptimize(&geomancy::entryForMask(reading.judge()));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CoreReading);

void BM_IdentifyJudge(benchmark::State& state) {
  geomancy::Identifier identifier;
  CountingFields fields;
  std::size_t next = 0;
  for (auto _ : state) {
    const Figure& judge = kJudges[next++ % kJudges.size()];
    identifier.identify(judge[0], judge[1], judge[2], judge[3], fields);
  }
  benchmark::DoNotOptimize(fields.characters());
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_IdentifyJudge);

void BM_EntryForRows(benchmark::State& state) {
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(geomancy::entryForRows(kJudges[next++ % kJudges.size()]));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EntryForRows);

// A reading cast, analysed for nothing more and written to a line buffer as JSON, short of
// writing the line out.
void BM_CastReadingAsJson(benchmark::State& state) {
  geomancy::ReadingCaster caster(1);
  geomancy::ChartAnalysis analysis;
  formats::TextBuffer line;
  std::size_t size = 0;
  for (auto _ : state) {
    geomancy::analyseReading(geomancy::readingOf(caster.next()), {}, analysis);
    line.clear();
    formats::appendJsonLine(line, analysis);
    size = line.size();
    benchmark::DoNotOptimize(line.view().data());
  }
  state.SetItemsProcessed(state.iterations());
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(size));
}
BENCHMARK(BM_CastReadingAsJson);

// A stream that keeps only the number of bytes it is given: the caster's whole path into
// memory, without a copy that would grow for the length of the run.
class CountingBuffer final : public std::streambuf {
 public:
  [[nodiscard]] std::streamsize written() const { return written_; }

 protected:
  std::streamsize xsputn(const char*, std::streamsize count) override {
    written_ += count;
    return count;
  }
  int_type overflow(int_type c) override {
    ++written_;
    return traits_type::not_eof(c);
  }

 private:
  std::streamsize written_ = 0;
};

constexpr std::string_view kLinesPerRun = "1000000";

// qxgeomancy-cast --json --readings 1000000 --seed 1 and the further arguments, argument reading
// to exit status.
void runJsonCaster(benchmark::State& state, std::ostream& out,
                   std::vector<std::string_view> arguments = {}) {
  arguments.insert(arguments.end(), {"--json", "--readings", kLinesPerRun, "--seed", "1"});
  std::ostringstream err;
  for (auto _ : state) {
    if (qxcast::runCaster(arguments, out, err) != qxcast::kExitSuccess) {
      state.SkipWithError("the caster failed");
      break;
    }
  }
  state.SetItemsProcessed(state.iterations() * std::stoll(std::string(kLinesPerRun)));
}

void BM_CasterJsonToMemory(benchmark::State& state) {
  CountingBuffer buffer;
  std::ostream out(&buffer);
  runJsonCaster(state, out);
  state.SetBytesProcessed(buffer.written());
}
BENCHMARK(BM_CasterJsonToMemory)->Unit(benchmark::kMillisecond);

void BM_CasterJsonToDevNull(benchmark::State& state) {
  std::ofstream out("/dev/null", std::ios::binary);
  runJsonCaster(state, out);
}
BENCHMARK(BM_CasterJsonToDevNull)->Unit(benchmark::kMillisecond);

// The same with the houses, the Index, the Way of the Point and the perfection of houses 1 and 7
// in every line.
void BM_CasterAnalysesToDevNull(benchmark::State& state) {
  std::ofstream out("/dev/null", std::ios::binary);
  runJsonCaster(state, out, {"--houses", "--quesited", "7"});
}
BENCHMARK(BM_CasterAnalysesToDevNull)->Unit(benchmark::kMillisecond);

// The same with the houses and the handbook's reading in words for a question of money: every line
// with the twelve houses' meanings, the testimonies, their balance and the Witnesses' answers.
void BM_CasterReadingToDevNull(benchmark::State& state) {
  std::ofstream out("/dev/null", std::ios::binary);
  runJsonCaster(state, out, {"--houses", "--reading", "--topic", "money"});
}
BENCHMARK(BM_CasterReadingToDevNull)->Unit(benchmark::kMillisecond);

// The exact odds over all 65,536 sets of Mothers, with the perfection of houses 1 and 7.
void BM_ExactOdds(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(geomancy::exactOdds(1, 7));
}
BENCHMARK(BM_ExactOdds)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
