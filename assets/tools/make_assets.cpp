// SPDX-License-Identifier: MIT
// Draws the program's pictures: the two point pictures of the casting window and the program
// icon in every size. Its output is kept in assets/; run it again only after changing a drawing:
//
//   cmake --build <build dir> --target qxg_regenerate_assets
//
// Nothing in the drawings is random: every run writes the same files.

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QLineF>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QRadialGradient>
#include <QRect>
#include <QRectF>
#include <QString>
#include <QTextStream>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// The program's colours.
const QColor kDarkGrey(58, 58, 58);
const QColor kLightOrange(255, 192, 128);

// A bronze sphere lit from the upper left: the gradient runs from a highlight up and to the
// left of the centre out to a dark rim.
struct GradientStop {
  double at;
  QColor colour;
};
const std::array<GradientStop, 5> kBronzeShading{{
    {0.00, QColor(250, 226, 184)},  // highlight
    {0.14, QColor(196, 138, 74)},   // lit bronze
    {0.34, QColor(132, 86, 40)},    // body
    {0.78, QColor(88, 55, 24)},     // turning away from the light
    {1.00, QColor(52, 31, 13)},     // rim
}};
// The icon's smallest points are only a few pixels across; the full shading would leave them
// a dark smudge on the grey.
const std::array<GradientStop, 3> kSmallBronzeShading{{
    {0.00, QColor(246, 206, 150)},
    {0.45, QColor(200, 136, 66)},
    {1.00, QColor(150, 96, 42)},
}};
constexpr double kHighlightOffset = 0.38;  // of the radius, towards the upper left

// Point pictures: 66 x 20 pixels on white; each point fills a 14 x 14 square in rows 3 to 16.
constexpr int kPictureWidth = 66;
constexpr int kPictureHeight = 20;
constexpr int kPointSize = 14;
constexpr int kPointTop = 3;
constexpr int kSinglePointLeft = 27;
constexpr std::array<int, 2> kDoublePointLefts{12, 40};
// Slightly under half the square, so that the antialiased edge and the JPEG ringing around it
// stay inside the square.
constexpr double kPictureSphereRadius = 6.85;
constexpr int kJpegQuality = 100;

// The icon shows Fortuna Major, the figure of good fortune: two, two, one, one points.
constexpr std::array<int, 4> kIconFigure{2, 2, 1, 1};
constexpr std::array<int, 7> kIconSizes{16, 24, 32, 48, 64, 128, 256};

void paintSphere(QPainter& painter, QPointF centre, double radius) {
  const QPointF highlight = centre - QPointF(radius, radius) * kHighlightOffset;
  QRadialGradient gradient(centre, radius, highlight);
  for (const auto& stop : kBronzeShading) gradient.setColorAt(stop.at, stop.colour);
  painter.setPen(Qt::NoPen);
  painter.setBrush(gradient);
  painter.drawEllipse(centre, radius, radius);
}

QImage pointPicture(const std::vector<int>& pointLefts) {
  QImage image(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  for (int left : pointLefts) {
    // Pixel column c covers x from c to c + 1, so a square of columns left .. left + 13 is
    // centred on left + 7.
    const QPointF centre(left + kPointSize / 2.0, kPointTop + kPointSize / 2.0);
    paintSphere(painter, centre, kPictureSphereRadius);
  }
  return image;
}

// Geometry of the icon, in pixels.
struct IconGeometry {
  bool crisp;  // small sizes: points on whole pixels, in a brighter bronze
  double rimWidth;
  double cornerRadius;
  double pointRadius;
  double rowPitch;
  double pairHalfGap;  // from the figure's middle to the centre of either point of a pair
};

IconGeometry iconGeometry(int size) {
  const double s = size;
  IconGeometry g{};
  g.crisp = size < 48;
  // A whole number of pixels keeps the rim sharp.
  g.rimWidth = std::max(1.0, std::round(s * 0.055));
  g.cornerRadius = s * 0.16;
  g.pointRadius = s * 0.082;
  g.rowPitch = s * 0.195;
  g.pairHalfGap = s * 0.13;
  if (g.crisp) {
    // A point of a few pixels smears into the grey unless it covers whole pixels.
    g.rowPitch = std::round(g.rowPitch);
    // Whole pixels across, with at least one pixel of grey between the rows.
    g.pointRadius = std::clamp(std::round(2.0 * g.pointRadius), 2.0, g.rowPitch - 1.0) / 2.0;
    g.pairHalfGap = std::round(g.pairHalfGap);
  }
  return g;
}

// Moves a point's centre so that a crisp point of the given radius covers whole pixels: a
// point of even diameter is centred on a pixel corner, one of odd diameter on a pixel's middle.
double snapCentre(double centre, double radius) {
  const bool evenDiameter = static_cast<int>(std::lround(2.0 * radius)) % 2 == 0;
  return evenDiameter ? std::round(centre) : std::floor(centre) + 0.5;
}

QColor smallBronzeAt(double t) {
  const auto& stops = kSmallBronzeShading;
  t = std::clamp(t, 0.0, 1.0);
  std::size_t i = 1;
  while (i + 1 < stops.size() && stops[i].at < t) ++i;
  const double f = (t - stops[i - 1].at) / (stops[i].at - stops[i - 1].at);
  auto mix = [f](int from, int to) {
    return static_cast<int>(std::lround(from + f * (to - from)));
  };
  const QColor& from = stops[i - 1].colour;
  const QColor& to = stops[i].colour;
  return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()),
                mix(from.blue(), to.blue()));
}

// Painted pixel by pixel, each pixel shaded by its distance from the highlight and covered as
// far as the circle covers it. A point two pixels across stays a full square: rounding it off
// would only dim it.
void paintCrispPoint(QPainter& painter, QPointF centre, double radius) {
  constexpr int kSamples = 8;  // per pixel side, to measure coverage
  centre = QPointF(snapCentre(centre.x(), radius), snapCentre(centre.y(), radius));
  const QPointF highlight = centre - QPointF(radius, radius) * kHighlightOffset;
  const double farthest = radius * (1.0 + kHighlightOffset * std::sqrt(2.0));
  const int left = static_cast<int>(std::lround(centre.x() - radius));
  const int top = static_cast<int>(std::lround(centre.y() - radius));
  const int diameter = static_cast<int>(std::lround(2.0 * radius));
  for (int y = top; y < top + diameter; ++y) {
    for (int x = left; x < left + diameter; ++x) {
      int inside = 0;
      for (int sy = 0; sy < kSamples; ++sy)
        for (int sx = 0; sx < kSamples; ++sx)
          if (QLineF(QPointF(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples), centre)
                  .length() <= radius)
            ++inside;
      const double coverage = diameter <= 2 ? 1.0 : double(inside) / (kSamples * kSamples);
      QColor colour =
          smallBronzeAt(QLineF(QPointF(x + 0.5, y + 0.5), highlight).length() / farthest);
      colour.setAlphaF(static_cast<float>(coverage));
      painter.fillRect(QRect(x, y, 1, 1), colour);
    }
  }
}

QImage icon(int size) {
  const IconGeometry g = iconGeometry(size);
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);

  const double inset = g.rimWidth / 2.0;
  const QRectF square(inset, inset, size - g.rimWidth, size - g.rimWidth);
  painter.setPen(QPen(kLightOrange, g.rimWidth));
  painter.setBrush(kDarkGrey);
  painter.drawRoundedRect(square, g.cornerRadius, g.cornerRadius);

  auto point = [&](double x, double y) {
    if (g.crisp)
      paintCrispPoint(painter, QPointF(x, y), g.pointRadius);
    else
      paintSphere(painter, QPointF(x, y), g.pointRadius);
  };
  const double middleX = size / 2.0;
  const double firstRowY = size / 2.0 - 1.5 * g.rowPitch;
  for (std::size_t row = 0; row < kIconFigure.size(); ++row) {
    const double y = firstRowY + static_cast<double>(row) * g.rowPitch;
    if (kIconFigure[row] == 1) {
      point(middleX, y);
    } else {
      point(middleX - g.pairHalfGap, y);
      point(middleX + g.pairHalfGap, y);
    }
  }
  return image;
}

// The same drawing as icon(), as a scalable picture on a 256-unit canvas.
QString iconSvg() {
  constexpr int size = 256;
  const IconGeometry g = iconGeometry(size);
  QString svg;
  QTextStream out(&svg);
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << size << "\" height=\"" << size
      << "\" viewBox=\"0 0 " << size << ' ' << size << "\">\n"
      << "  <defs>\n"
      << "    <radialGradient id=\"bronze\" cx=\"0.5\" cy=\"0.5\" r=\"0.5\" fx=\""
      << 0.5 - kHighlightOffset / 2.0 << "\" fy=\"" << 0.5 - kHighlightOffset / 2.0 << "\">\n";
  for (const auto& stop : kBronzeShading)
    out << "      <stop offset=\"" << stop.at << "\" stop-color=\"" << stop.colour.name()
        << "\"/>\n";
  const double inset = g.rimWidth / 2.0;
  out << "    </radialGradient>\n"
      << "  </defs>\n"
      << "  <rect x=\"" << inset << "\" y=\"" << inset << "\" width=\"" << size - g.rimWidth
      << "\" height=\"" << size - g.rimWidth << "\" rx=\"" << g.cornerRadius << "\" fill=\""
      << kDarkGrey.name() << "\" stroke=\"" << kLightOrange.name() << "\" stroke-width=\""
      << g.rimWidth << "\"/>\n";
  const double middleX = size / 2.0;
  const double firstRowY = size / 2.0 - 1.5 * g.rowPitch;
  auto circle = [&](double x, double y) {
    out << "  <circle cx=\"" << x << "\" cy=\"" << y << "\" r=\"" << g.pointRadius
        << "\" fill=\"url(#bronze)\"/>\n";
  };
  for (std::size_t row = 0; row < kIconFigure.size(); ++row) {
    const double y = firstRowY + static_cast<double>(row) * g.rowPitch;
    if (kIconFigure[row] == 1) {
      circle(middleX, y);
    } else {
      circle(middleX - g.pairHalfGap, y);
      circle(middleX + g.pairHalfGap, y);
    }
  }
  out << "</svg>\n";
  return svg;
}

bool saveImage(const QImage& image, const QString& path, int quality = -1) {
  QImageWriter writer(path);
  if (quality >= 0) writer.setQuality(quality);
  if (writer.write(image)) return true;
  std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
  return false;
}

// The point picture as the program carries it: the pixels of the JPEG file as a decoder reads
// them back, 8-bit red, green and blue, row by row. The program draws from these and needs no
// image plug-in for them.
bool savePixelsOf(const QString& jpegPath, const QString& path) {
  const QImage decoded = QImage(jpegPath).convertToFormat(QImage::Format_RGB888);
  QFile file(path);
  bool ok = !decoded.isNull() && file.open(QIODevice::WriteOnly | QIODevice::Truncate);
  for (int y = 0; ok && y < decoded.height(); ++y) {
    const auto rowBytes = static_cast<qint64>(decoded.width()) * 3;
    ok = file.write(reinterpret_cast<const char*>(decoded.constScanLine(y)), rowBytes) == rowBytes;
  }
  if (!ok) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  return ok;
}

bool saveText(const QString& text, const QString& path) {
  QFile file(path);
  if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
      file.write(text.toUtf8()) == text.toUtf8().size())
    return true;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);  // lets QImageWriter find the JPEG plugin
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <assets folder>\n", argv[0]);
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  if (!out.mkpath(QStringLiteral("icons"))) {
    std::fprintf(stderr, "cannot create %s/icons\n", argv[1]);
    return 1;
  }

  bool ok = saveImage(pointPicture({kSinglePointLeft}), out.filePath(QStringLiteral("1.jpg")),
                      kJpegQuality);
  ok = saveImage(pointPicture({kDoublePointLefts.begin(), kDoublePointLefts.end()}),
                 out.filePath(QStringLiteral("2.jpg")), kJpegQuality) &&
       ok;
  for (const char* name : {"1", "2"}) {
    ok = savePixelsOf(out.filePath(QStringLiteral("%1.jpg").arg(QLatin1String(name))),
                      out.filePath(QStringLiteral("%1.rgb").arg(QLatin1String(name)))) &&
         ok;
  }
  for (int size : kIconSizes) {
    const QString name = QStringLiteral("icons/qxgeomancy-%1.png").arg(size);
    ok = saveImage(icon(size), out.filePath(name)) && ok;
  }
  ok = saveText(iconSvg(), out.filePath(QStringLiteral("icons/qxgeomancy.svg"))) && ok;
  return ok ? 0 : 1;
}
