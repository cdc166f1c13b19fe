// SPDX-License-Identifier: MIT
// From a cast to the chart drawn, as the chart program does it for each reading: the program's
// budget is one frame, 16 ms. Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "chart_analysis.h"
#include "chart_layout.h"
#include "chart_painter.h"
#include "reading_caster.h"

namespace {

// A reading cast, analysed with the houses and the question of houses 1 and 7, laid out and drawn
// into one image kept from reading to reading, at `scale`.
void BM_ChartDrawn(benchmark::State& state, double scale) {
  geomancy::ReadingCaster caster(1);
  geomancy::ChartAnalysis analysis;
  const geomancy::AnalysisRequest request{.houses = true, .question = geomancy::QuestionHouses{1, 7}};
  geomancy::analyseReading(geomancy::readingOf(caster.next()), request, analysis);
  QImage image = drawing::chartImage(formats::layOutChart(analysis), scale);
  for (auto _ : state) {
    geomancy::analyseReading(geomancy::readingOf(caster.next()), request, analysis);
    const formats::ChartLayout layout = formats::layOutChart(analysis);
    QPainter painter(&image);
    drawing::paintChart(painter, layout);
  }
  benchmark::DoNotOptimize(image.constBits());
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(BM_ChartDrawn, scale_1, 1.0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ChartDrawn, scale_2, 2.0)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const QGuiApplication application(argc, argv);  // the fonts need it
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
