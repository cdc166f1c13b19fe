// SPDX-License-Identifier: MIT
// The compiled-in pictures: the two point pictures the casting window shows, and the icon.

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QTest>
#include <algorithm>
#include <vector>

#include "assets.h"

namespace {

constexpr int kPointSide = 14;
constexpr int kPointTop = 3;

// JPEG leaves faint noise around the points; anything at least this light counts as white.
constexpr int kWhiteFloor = 235;

bool isWhite(QRgb pixel) {
  return std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)}) >= kWhiteFloor;
}

std::vector<QRect> pointSquares(const std::vector<int>& lefts) {
  std::vector<QRect> squares;
  for (int left : lefts) squares.emplace_back(left, kPointTop, kPointSide, kPointSide);
  return squares;
}

double meanGrey(const QImage& image, const QRect& area) {
  double sum = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) sum += qGray(image.pixel(x, y));
  return sum / (area.width() * area.height());
}

bool near(QRgb pixel, const QColor& colour, int tolerance) {
  return std::abs(qRed(pixel) - colour.red()) <= tolerance &&
         std::abs(qGreen(pixel) - colour.green()) <= tolerance &&
         std::abs(qBlue(pixel) - colour.blue()) <= tolerance;
}

}  // namespace

class TestAssets : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    assets::initAssets();
    assets::initAssets();  // a second registration must do no harm
  }

  void pointPicture_data() {
    QTest::addColumn<int>("image");
    QTest::addColumn<std::vector<int>>("pointLefts");
    QTest::newRow("1.jpg, one point") << 1 << std::vector<int>{27};
    QTest::newRow("2.jpg, two points") << 2 << std::vector<int>{12, 40};
  }

  void pointPicture() {
    QFETCH(int, image);
    const QPixmap pixmap = assets::pointPicture(image);
    QVERIFY(!pixmap.isNull());
    QCOMPARE(pixmap.size(), QSize(66, 20));
    // The program carries the pictures as pixels; they are the JPEG files' own, to the byte.
    const QImage jpeg = QImage(QStringLiteral(QXG_ASSETS_SOURCE "/%1.jpg").arg(image));
    QVERIFY2(!jpeg.isNull(), "is Qt's JPEG image-format plugin installed?");
    QCOMPARE(pixmap.toImage().convertToFormat(QImage::Format_RGB888),
             jpeg.convertToFormat(QImage::Format_RGB888));
  }

  void pointPictureIsWhiteOutsideThePoints_data() { pointPicture_data(); }
  void pointPictureIsWhiteOutsideThePoints() {
    QFETCH(int, image);
    QFETCH(std::vector<int>, pointLefts);
    const QImage picture = assets::pointPicture(image).toImage();
    const auto squares = pointSquares(pointLefts);
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) {
        const bool inPoint = std::any_of(squares.begin(), squares.end(),
                                         [&](const QRect& r) { return r.contains(x, y); });
        if (!inPoint && !isWhite(picture.pixel(x, y)))
          QFAIL(qPrintable(QStringLiteral("stray colour at column %1, row %2").arg(x).arg(y)));
      }
    }
  }

  // Each point is 14 pixels across: it reaches every edge of its square.
  void pointsFillTheirSquares_data() { pointPicture_data(); }
  void pointsFillTheirSquares() {
    QFETCH(int, image);
    QFETCH(std::vector<int>, pointLefts);
    const QImage picture = assets::pointPicture(image).toImage();
    std::vector<int> columns;
    std::vector<int> rows;
    for (int x = 0; x < picture.width(); ++x)
      for (int y = 0; y < picture.height(); ++y)
        if (!isWhite(picture.pixel(x, y))) {
          columns.push_back(x);
          rows.push_back(y);
        }
    std::sort(columns.begin(), columns.end());
    columns.erase(std::unique(columns.begin(), columns.end()), columns.end());

    std::vector<int> expectedColumns;
    for (int left : pointLefts)
      for (int x = left; x < left + kPointSide; ++x) expectedColumns.push_back(x);
    QCOMPARE(columns, expectedColumns);
    QCOMPARE(*std::min_element(rows.begin(), rows.end()), kPointTop);
    QCOMPARE(*std::max_element(rows.begin(), rows.end()), kPointTop + kPointSide - 1);
  }

  // A dark-bronze sphere lit from the upper left: dark warm middle, lighter upper-left quarter.
  void pointsAreShadedBronzeSpheres_data() { pointPicture_data(); }
  void pointsAreShadedBronzeSpheres() {
    QFETCH(int, image);
    QFETCH(std::vector<int>, pointLefts);
    const QImage picture = assets::pointPicture(image).toImage();
    for (const QRect& square : pointSquares(pointLefts)) {
      const QRgb middle = picture.pixel(square.center());
      QVERIFY2(qGray(middle) < 140, "the middle of a point is not dark");
      QVERIFY2(qRed(middle) > qGreen(middle) && qGreen(middle) > qBlue(middle),
               "the middle of a point is not bronze");

      const int half = kPointSide / 2;
      const QRect upperLeft(square.topLeft(), QSize(half, half));
      const QRect lowerRight(square.topLeft() + QPoint(half, half), QSize(half, half));
      QVERIFY2(meanGrey(picture, upperLeft) > meanGrey(picture, lowerRight) + 20,
               "the light does not come from the upper left");
    }
  }

  void otherImageNumbersGiveNoPicture() {
    for (int image : {0, 3, -1, 60}) QVERIFY(assets::pointPicture(image).isNull());
  }

  // Each size is its own drawing: a light-orange rim around a dark grey square.
  void programIconHasEverySize() {
    const QIcon icon = assets::programIcon();
    const QList<QSize> available = icon.availableSizes();
    for (int side : {16, 24, 32, 48, 64, 128, 256}) {
      const QSize size(side, side);
      QVERIFY2(available.contains(size), qPrintable(QStringLiteral("no %1 px icon").arg(side)));
      const QImage image = icon.pixmap(size).toImage();
      QCOMPARE(image.size(), size);
      QVERIFY2(near(image.pixel(side / 2, 0), QColor(255, 192, 128), 8),
               qPrintable(QStringLiteral("no rim on the %1 px icon").arg(side)));
      const int insideRim = side / 8;
      QVERIFY2(near(image.pixel(insideRim, side / 2), QColor(58, 58, 58), 8),
               qPrintable(QStringLiteral("no grey square in the %1 px icon").arg(side)));
    }
  }
};

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
