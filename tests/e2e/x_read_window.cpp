// SPDX-License-Identifier: MIT
// x_read_window: reads what a window of the running program shows, from its pixels on the X
// server. The same window is built here, off the screen, and drawn once for every state a part
// can be in; the part reads as the state whose pixels it shows exactly. Positions and pictures
// thus come from the program's own code, and no text is recognised.
//
//   x_read_window figures WINDOW COUNT  the casting window: waits until it shows the first COUNT
//                                       figures and no point beyond them; prints them, row 1
//                                       first, "1" one point, "2" two points ("1122 2111 ...")
//   x_read_window judge WINDOW          the same with all fifteen, which must follow from the
//                                       four Mothers; prints the catalogue name of the Judge
//   x_read_window name WINDOW           the result window: waits until its name field shows one
//                                       of the sixteen figure names, and prints it; with
//                                       "nearest", the one it shows most nearly (another
//                                       platform's rendering of the same face)
//   x_read_window looks WINDOW          the casting window: waits until its menu bar looks
//                                       exactly as the program draws it
//
// A part that never reads as expected within 30 seconds is described on standard error, and
// the helper exits 1. Run it on the program's X server, with the platform the program uses.
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>

#include "assets.h"
#include "casting_window.h"
#include "link_launcher.h"
#include "pages.h"
#include "program_state.h"
#include "result_window.h"

namespace {

using geomancy::Figure;
using geomancy::kFigureCount;
using geomancy::kRowCount;
using geomancy::kRowsPerFigure;

constexpr qint64 kPatienceMs = 30000;
constexpr unsigned long kPollMs = 50;

class NoLinks final : public LinkLauncher {
 public:
  void openAddress(const QString&) override {}
};

class NoFields final : public geomancy::DisplayFields {
 public:
  void setDisplayField(geomancy::DisplayField, std::string_view) override {}
};

[[noreturn]] void fail(const QString& message) {
  std::fprintf(stderr, "x_read_window: %s\n", qPrintable(message));
  std::exit(1);
}

QString text(std::string_view value) {
  return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
}

void print(const QString& line) {
  std::printf("%s\n", line.toUtf8().constData());
}

QImage grabbed(QWidget& window) {
  return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage grabbed(WId window) {
  return QGuiApplication::primaryScreen()->grabWindow(window).toImage().convertToFormat(
      QImage::Format_RGB32);
}

bool sameRegion(const QImage& a, const QImage& b, const QRect& region) {
  for (int y = region.top(); y <= region.bottom(); ++y) {
    for (int x = region.left(); x <= region.right(); ++x) {
      if (a.pixel(x, y) != b.pixel(x, y)) return false;
    }
  }
  return true;
}

// The part's place in its window, without what lies beyond the window's edge.
QRect regionInWindow(const QWidget& part) {
  const QRect place(part.mapTo(part.window(), QPoint(0, 0)), part.size());
  return place & part.window()->rect();
}

// How far apart the region's pictures are with the finest detail smoothed away, where two
// platforms' font engines differ: the sum of the differences of the region shrunk to a quarter.
qint64 distance(const QImage& a, const QImage& b, const QRect& region) {
  const auto shrunk = [&](const QImage& image) {
    return image.copy(region)
        .convertToFormat(QImage::Format_Grayscale8)
        .scaled(region.size() / 4, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  };
  const QImage one = shrunk(a);
  const QImage other = shrunk(b);
  qint64 sum = 0;
  for (int y = 0; y < one.height(); ++y) {
    for (int x = 0; x < one.width(); ++x)
      sum += std::abs(qGray(one.pixel(x, y)) - qGray(other.pixel(x, y)));
  }
  return sum;
}

// The menu bar's height is the platform style's (Windows draws it a pixel taller), and everything
// beneath it is laid out by the program: a window taller by a few pixels is read from its bottom
// part, where the parts stand as here.
QImage clientPart(const QImage& shown, QSize expectedSize) {
  constexpr int kMenuBarLeeway = 4;
  const int extra = shown.height() - expectedSize.height();
  if (shown.width() != expectedSize.width() || extra <= 0 || extra > kMenuBarLeeway) return shown;
  return shown.copy(0, extra, shown.width(), expectedSize.height());
}

// Polls the window until `read` accepts what it shows; `read` returns an empty optional to wait.
// On time-out, `describe` says what the window showed last.
QString readWhenShown(WId window, QSize expectedSize,
                      const std::function<std::optional<QString>(const QImage&)>& read,
                      const std::function<QString(const QImage&)>& describe) {
  QElapsedTimer clock;
  clock.start();
  QImage shown;
  while (true) {
    shown = clientPart(grabbed(window), expectedSize);
    if (shown.size() == expectedSize) {
      if (std::optional<QString> reading = read(shown)) return *reading;
    }
    if (clock.elapsed() > kPatienceMs) break;
    QThread::msleep(kPollMs);
  }
  if (shown.size() != expectedSize) {
    fail(QStringLiteral("window %1 is %2x%3 pixels, not %4x%5")
             .arg(window)
             .arg(shown.width())
             .arg(shown.height())
             .arg(expectedSize.width())
             .arg(expectedSize.height()));
  }
  fail(describe(shown));
}

// The casting window's sixty boxes, each read as "." (nothing shown), "1", "2" or "?".
class CastingReader {
 public:
  CastingReader()
      : random_(1),
        state_(random_),
        window_(
            state_, links_, [this]() -> auto& { return fields_; }) {
    window_.setAttribute(Qt::WA_DontShowOnScreen);
    window_.show();
    for (int index = 0; index < kRowCount; ++index) {
      boxes_[index] = window_.findChild<QLabel*>(QStringLiteral("picCircle_%1").arg(index));
      if (boxes_[index] == nullptr)
        fail(QStringLiteral("no box %1 in the casting window").arg(index));
    }
    empty_ = grabbed(window_);
    for (int value = geomancy::kOnePoint; value <= geomancy::kTwoPoints; ++value) {
      for (QLabel* box : boxes_) {
        box->setPixmap(assets::pointPicture(value));
        box->setVisible(true);
      }
      pictures_[value - 1] = grabbed(window_);
    }
  }

  [[nodiscard]] QSize size() const { return empty_.size(); }

  // Each box in row store order: "." for nothing shown, "1" or "2" for a point picture, "?"
  // for anything else.
  [[nodiscard]] QString rows(const QImage& shown) const {
    QString reading;
    for (const QLabel* box : boxes_) {
      const QRect region = regionInWindow(*box);
      if (sameRegion(shown, empty_, region)) {
        reading += QLatin1Char('.');
      } else if (sameRegion(shown, pictures_[0], region)) {
        reading += QLatin1Char('1');
      } else if (sameRegion(shown, pictures_[1], region)) {
        reading += QLatin1Char('2');
      } else {
        reading += QLatin1Char('?');
      }
    }
    return reading;
  }

  // The first `count` figures, once exactly they are shown.
  [[nodiscard]] QString figures(WId window, int count) const {
    const int drawn = count * kRowsPerFigure;
    const QString nothingBeyond(kRowCount - drawn, QLatin1Char('.'));
    const auto isPoint = [](QChar row) { return row == u'1' || row == u'2'; };
    return readWhenShown(
        window, size(),
        [&](const QImage& shown) -> std::optional<QString> {
          const QString reading = rows(shown);
          if (!std::all_of(reading.begin(), reading.begin() + drawn, isPoint)) return {};
          if (reading.mid(drawn) != nothingBeyond) return {};
          return byFigure(reading.left(drawn));
        },
        [&](const QImage& shown) {
          return QStringLiteral("the casting window shows\n  %1\nnot %2 figures and nothing beyond")
              .arg(byFigure(rows(shown)))
              .arg(count);
        });
  }

  // The menu bar as drawn here: neither mirrored nor restyled.
  void looksAsDrawn(WId window) const {
    const QRect menus = regionInWindow(window_.menus().bar());
    (void)readWhenShown(
        window, size(),
        [&](const QImage& shown) -> std::optional<QString> {
          if (!sameRegion(shown, empty_, menus)) return {};
          return QString();
        },
        [](const QImage&) {
          return QStringLiteral("the casting window's menu bar looks otherwise");
        });
  }

  // "11222111" as "1122 2111".
  [[nodiscard]] static QString byFigure(const QString& rows) {
    QStringList figures;
    for (qsizetype at = 0; at < rows.size(); at += kRowsPerFigure) {
      figures << rows.mid(at, kRowsPerFigure);
    }
    return figures.join(QLatin1Char(' '));
  }

 private:
  geomancy::PseudoRandomSource random_;
  geomancy::ProgramState state_;
  NoLinks links_;
  NoFields fields_;
  CastingWindow window_;
  std::array<QLabel*, kRowCount> boxes_{};
  QImage empty_;
  std::array<QImage, 2> pictures_;
};

Figure figureFrom(const QString& digits) {
  Figure figure{};
  for (int row = 0; row < kRowsPerFigure; ++row) {
    figure[row] = static_cast<geomancy::RowValue>(digits.at(row).digitValue());
  }
  return figure;
}

QString digitsOf(const Figure& figure) {
  QString digits;
  for (const geomancy::RowValue row : figure) digits += QString::number(row);
  return digits;
}

QString judgeName(const CastingReader& reader, WId window) {
  const QStringList shown = reader.figures(window, kFigureCount).split(QLatin1Char(' '));
  std::array<Figure, geomancy::kMotherCount> mothers{};
  for (int mother = 0; mother < geomancy::kMotherCount; ++mother) {
    mothers[mother] = figureFrom(shown.at(mother));
  }
  QStringList derived;
  for (const Figure& figure : geomancy::shieldFromMothers(mothers)) derived << digitsOf(figure);
  if (derived != shown) {
    fail(QStringLiteral("the chart shown\n  %1\ndoes not follow from its Mothers:\n  %2")
             .arg(shown.join(QLatin1Char(' ')), derived.join(QLatin1Char(' '))));
  }
  const geomancy::CatalogueEntry* judge = geomancy::entryForRows(figureFrom(shown.last()));
  if (judge == nullptr)
    fail(QStringLiteral("the Judge %1 is in no catalogue entry").arg(shown.last()));
  return text(judge->figureName);
}

// The figure name the result window shows, among the sixteen of the catalogue. `nearest` reads a
// window drawn by another platform's font engine: the name whose picture is clearly the closest,
// less than three quarters as far as any other (Fortuna Minor's shown by Wine is 0.6 as far from
// its picture here as Fortuna Major's).
QString resultName(WId window, bool nearest) {
  NoLinks links;
  ResultWindow reference(links);
  reference.setAttribute(Qt::WA_DontShowOnScreen);
  reference.show();
  const auto* nameField = reference.findChild<QLabel*>(QStringLiteral("lblGeomancyName"));
  if (nameField == nullptr) fail(QStringLiteral("no name field in the result window"));
  const QRect region = regionInWindow(*nameField);
  QList<QPair<QString, QImage>> names;
  for (const geomancy::CatalogueEntry& entry : geomancy::catalogue()) {
    reference.setDisplayField(geomancy::DisplayField::GeomancyName, entry.figureName);
    names.append({text(entry.figureName), grabbed(reference)});
  }
  for (qsizetype one = 0; one < names.size(); ++one) {
    for (qsizetype other = one + 1; other < names.size(); ++other) {
      if (sameRegion(names[one].second, names[other].second, region)) {
        fail(QStringLiteral("\"%1\" and \"%2\" look the same in the name field")
                 .arg(names[one].first, names[other].first));
      }
    }
  }
  const QSize size = names.constFirst().second.size();
  return readWhenShown(
      window, size,
      [&](const QImage& shown) -> std::optional<QString> {
        for (const auto& [name, picture] : names) {
          if (sameRegion(shown, picture, region)) return name;
        }
        if (!nearest) return {};
        QList<QPair<qint64, QString>> distances;
        for (const auto& [name, picture] : names) {
          distances.append({distance(shown, picture, region), name});
        }
        std::sort(distances.begin(), distances.end());
        if (4 * distances[0].first >= 3 * distances[1].first) return {};
        return distances[0].second;
      },
      [&](const QImage&) {
        return QStringLiteral("the result window's name field shows none of the sixteen names");
      });
}

WId windowArgument(const char* argument) {
  bool ok = false;
  const WId window = QString::fromLatin1(argument).toULongLong(&ok, 0);
  if (!ok) fail(QStringLiteral("not a window: %1").arg(QString::fromLatin1(argument)));
  return window;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const QString command = argc > 1 ? QString::fromLatin1(argv[1]) : QString();
  if (command == QLatin1String("figures") && argc == 4) {
    bool ok = false;
    const int count = QString::fromLatin1(argv[3]).toInt(&ok);
    if (!ok || count < 0 || count > kFigureCount) fail(QStringLiteral("COUNT is 0 to 15"));
    print(CastingReader().figures(windowArgument(argv[2]), count));
  } else if (command == QLatin1String("judge") && argc == 3) {
    print(judgeName(CastingReader(), windowArgument(argv[2])));
  } else if (command == QLatin1String("name") && (argc == 3 || argc == 4)) {
    const bool nearest = argc == 4 && QLatin1String(argv[3]) == QLatin1String("nearest");
    if (argc == 4 && !nearest) fail(QStringLiteral("name WINDOW [nearest]"));
    print(resultName(windowArgument(argv[2]), nearest));
  } else if (command == QLatin1String("looks") && argc == 3) {
    CastingReader().looksAsDrawn(windowArgument(argv[2]));
  } else {
    std::fputs(
        "usage: x_read_window figures WINDOW COUNT | judge WINDOW | name WINDOW [nearest] | "
        "looks WINDOW\n",
        stderr);
    return 2;
  }
  return 0;
}
