// SPDX-License-Identifier: MIT
// The chart as QPainter draws it, held against rsvg-convert's picture of the same chart's SVG.
#include "chart_painter.h"

#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <array>
#include <cstdlib>

#include "chart_analysis.h"
#include "chart_layout.h"
#include "chart_svg.h"

namespace {

using Mothers = std::array<geomancy::Figure, 4>;

// A chart that perfects by conjunction and translation; one halted, with mutation and aspects.
constexpr Mothers kWorked{{{1, 1, 2, 2}, {2, 1, 1, 1}, {1, 2, 2, 1}, {2, 2, 2, 1}}};
constexpr Mothers kHalted{{{1, 1, 1, 2}, {1, 1, 1, 1}, {1, 1, 1, 1}, {2, 2, 2, 1}}};

formats::ChartLayout layoutOf(int chart) {
  const geomancy::AnalysisRequest houses{.houses = true, .question = geomancy::QuestionHouses{1, 7}};
  geomancy::ChartAnalysis analysis;
  const Mothers& mothers = chart == 2 ? kHalted : kWorked;
  geomancy::analyseReading(geomancy::readingOf(geomancy::shieldMasks(mothers)),
                           chart == 1 || chart == 2 ? houses : geomancy::AnalysisRequest{},
                           analysis);
  formats::ChartHeading heading;
  if (chart == 3) {
    heading = {"Will the ship come home before the winter?",
               formats::CastTime::fromIso("2026-12-08T05:30:12Z")};
  }
  return formats::layOutChart(analysis, heading);
}

QImage svgRendering(const std::string& svg, double scale) {
  QProcess convert;
  convert.start(QStringLiteral("rsvg-convert"),
                {QStringLiteral("--zoom"), QString::number(scale), QStringLiteral("--format=png")});
  if (!convert.waitForStarted()) return {};
  convert.write(svg.data(), static_cast<qint64>(svg.size()));
  convert.closeWriteChannel();
  if (!convert.waitForFinished() || convert.exitCode() != 0) return {};
  return QImage::fromData(convert.readAllStandardOutput(), "PNG")
      .convertToFormat(QImage::Format_RGB32);
}

// Squares of 4 by 4 pixels, every 2 pixels across and down, whose mean colour differs by more than
// a fifth in a channel. Only text differs: its glyphs stand on whole pixels, and rsvg-convert
// spaces a long line a little differently. Measured: none, but for the halted chart's long bold
// notice at 1.5 (14) and at 2 (20). The count grows with the pixels, with the square of the scale.
// Faults measured against it: one dot left out, 24 to 93; frames 3 pixels wide instead of 2, 178
// to 7598; the aspects' lines in another colour, 451 to 1486; text a pixel larger, 1561 and more.
[[nodiscard]] double allowedSquares(double scale) {
  return 10 * scale * scale;
}

int differingSquares(const QImage& a, const QImage& b) {
  constexpr int kSide = 4;
  int differing = 0;
  for (int top = 0; top + kSide <= a.height(); top += kSide / 2) {
    for (int left = 0; left + kSide <= a.width(); left += kSide / 2) {
      std::array<int, 3> sum{};
      for (int i = 0; i < kSide * kSide; ++i) {
        const QRgb p = a.pixel(left + i % kSide, top + i / kSide);
        const QRgb q = b.pixel(left + i % kSide, top + i / kSide);
        sum[0] += qRed(p) - qRed(q);
        sum[1] += qGreen(p) - qGreen(q);
        sum[2] += qBlue(p) - qBlue(q);
      }
      differing += std::ranges::any_of(sum, [](int s) { return std::abs(s) > 51 * kSide * kSide; });
    }
  }
  return differing;
}

}  // namespace

class ChartPainterTest : public QObject {
  Q_OBJECT

 private slots:
  void drawsWhatTheSvgShows_data();
  void drawsWhatTheSvgShows();
  void fitsTargetsInProportion();
  void pdfIsOnePageTheChartsSize();
};

void ChartPainterTest::drawsWhatTheSvgShows_data() {
  QTest::addColumn<int>("chart");
  QTest::addColumn<double>("scale");
  const std::array names{"plain", "houses and question", "halted", "heading"};
  for (const double scale : {1.0, 1.25, 1.5, 2.0}) {
    for (int chart = 0; chart < 4; ++chart) {
      QTest::addRow("%s at %g", names[chart], scale) << chart << scale;
    }
  }
}

void ChartPainterTest::drawsWhatTheSvgShows() {
  QFETCH(int, chart);
  QFETCH(double, scale);
  const formats::ChartLayout layout = layoutOf(chart);
  const QImage expected = svgRendering(formats::svgOf(layout), scale);
  QVERIFY2(!expected.isNull(), "rsvg-convert (Debian's librsvg2-bin) did not draw the chart");
  const QImage drawn = drawing::chartImage(layout, scale);
  QCOMPARE(drawn.size(), QSize(qRound(layout.width * scale), qRound(layout.height * scale)));
  QCOMPARE(drawn.size(), expected.size());
  const int squares = differingSquares(drawn, expected);
  QVERIFY2(squares <= allowedSquares(scale),
           qPrintable(QStringLiteral("%1 squares differ").arg(squares)));
}

// A wide target and a tall one, as the window and the page give them: the chart fitted and
// centred, drawn there as it is drawn at that scale alone.
void ChartPainterTest::fitsTargetsInProportion() {
  const formats::ChartLayout layout = layoutOf(1);  // 1720 by 870
  QCOMPARE(drawing::fittedChartRect(layout, QRectF(10, 0, 4000, 870)),
           QRectF(10 + 1140, 0, 1720, 870));
  QCOMPARE(drawing::fittedChartRect(layout, QRectF(0, 0, 860, 2000)),
           QRectF(0, 1000 - 217.5, 860, 435));
  QVERIFY(drawing::fittedChartRect(formats::ChartLayout{}, QRectF(0, 0, 10, 10)).isEmpty());

  QImage page(2 * layout.width, 2 * layout.height + 100, QImage::Format_RGB32);
  page.fill(Qt::black);
  QPainter painter(&page);
  drawing::paintChart(painter, layout, page.rect());
  painter.end();
  QImage alone = drawing::chartImage(layout, 2);
  alone.setDevicePixelRatio(1);
  QCOMPARE(page.copy(0, 50, alone.width(), alone.height()), alone);
  QCOMPARE(page.pixel(0, 49), qRgb(0, 0, 0));
}

void ChartPainterTest::pdfIsOnePageTheChartsSize() {
  const formats::ChartLayout layout = layoutOf(3);
  const QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("chart.pdf"));
  QVERIFY(drawing::writeChartPdf(path, layout, QStringLiteral("Will the ship come home?")));
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QString pdf = QString::fromLatin1(file.readAll());
  QVERIFY(pdf.startsWith(QLatin1String("%PDF-")));
  QVERIFY(pdf.trimmed().endsWith(QLatin1String("%%EOF")));
  QCOMPARE(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))), 1);
  // Points are pixels at 96 dpi, so three quarters.
  const QString mediaBox = QStringLiteral("/MediaBox [0 0 %1.000000 %2.000000]")
                               .arg(qRound(layout.width * 0.75))
                               .arg(qRound(layout.height * 0.75));
  QVERIFY2(pdf.contains(mediaBox), qPrintable(mediaBox));

  QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
  QVERIFY(!drawing::writeChartPdf(folder.filePath(QStringLiteral("none/chart.pdf")), layout, {}));
}

QTEST_MAIN(ChartPainterTest)
#include "chart_painter_test.moc"
