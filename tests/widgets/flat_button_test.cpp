// SPDX-License-Identifier: MIT
#include "flat_button.h"

#include <QImage>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QtTest>
#include <memory>

#include "look.h"

namespace {

enum class State { Plain, Pressed, Focused, Default };

// A button of the size the casting window's step button has, in its own top-level window so
// that it can take the focus.
struct Shown {
  QWidget window;
  FlatButton* button = nullptr;

  Shown(QStyle* style, const QColor& face, State state, const QString& caption) {
    window.resize(140, 60);
    button = new FlatButton(caption, &window);
    button->setStyle(style);
    button->setGeometry(10, 10, 120, 33);
    look::setColours(*button, face, Qt::black);
    button->setDown(state == State::Pressed);
    button->setDefault(state == State::Default);
    window.show();
    if (state == State::Focused) {
      window.activateWindow();
      [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&window);
      button->setFocus();
    }
  }

  QImage picture() const { return button->grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

}  // namespace

class FlatButtonTest : public QObject {
  Q_OBJECT

 private slots:
  void faceIsFlatInThePaletteColourOnEveryStyle_data();
  void faceIsFlatInThePaletteColourOnEveryStyle();
  void pressedAndFocusedButtonsLookDifferent_data();
  void pressedAndFocusedButtonsLookDifferent();
};

void FlatButtonTest::faceIsFlatInThePaletteColourOnEveryStyle_data() {
  QTest::addColumn<QString>("styleName");
  QTest::addColumn<QColor>("face");
  QTest::addColumn<int>("state");
  for (const char* styleName : {"Fusion", "Windows"}) {
    for (const QColor& face : {look::kLightGrey, QColor(212, 208, 200)}) {
      for (const auto& [name, state] :
           {std::pair{"plain", State::Plain}, std::pair{"pressed", State::Pressed},
            std::pair{"focused", State::Focused}, std::pair{"default", State::Default}}) {
        QTest::addRow("%s %s %s", styleName, qPrintable(face.name()), name)
            << QString::fromLatin1(styleName) << face << static_cast<int>(state);
      }
    }
  }
}

void FlatButtonTest::faceIsFlatInThePaletteColourOnEveryStyle() {
  QFETCH(QString, styleName);
  QFETCH(QColor, face);
  QFETCH(int, state);
  std::unique_ptr<QStyle> style(QStyleFactory::create(styleName));
  QVERIFY(style);
  const Shown shown(style.get(), face, static_cast<State>(state), QString());
  QCOMPARE(shown.button->hasFocus(), state == static_cast<int>(State::Focused));
  const QImage picture = shown.picture();

  // Inside the bevel and outside any focus rectangle, every pixel is the face colour.
  const QRect face1(3, 3, picture.width() - 6, 1);
  const QRect face2(3, 3, 1, picture.height() - 6);
  for (const QRect& strip : {face1, face2}) {
    for (int y = strip.top(); y <= strip.bottom(); ++y) {
      for (int x = strip.left(); x <= strip.right(); ++x) {
        QCOMPARE(picture.pixelColor(x, y), face);
      }
    }
  }
}

void FlatButtonTest::pressedAndFocusedButtonsLookDifferent_data() {
  QTest::addColumn<QString>("styleName");
  QTest::newRow("Fusion") << QStringLiteral("Fusion");
  QTest::newRow("Windows") << QStringLiteral("Windows");
}

void FlatButtonTest::pressedAndFocusedButtonsLookDifferent() {
  QFETCH(QString, styleName);
  std::unique_ptr<QStyle> style(QStyleFactory::create(styleName));
  QVERIFY(style);
  const auto pictureOf = [&](State state) {
    return Shown(style.get(), look::kLightGrey, state, QStringLiteral("Click to Cast")).picture();
  };
  const QImage plain = pictureOf(State::Plain);
  const QImage pressed = pictureOf(State::Pressed);
  const QImage focused = pictureOf(State::Focused);

  QVERIFY(plain != pressed);
  QVERIFY(plain != focused);
  QVERIFY(pressed != focused);
  // Raised while up, sunken while pressed: the top left corner turns from light to dark.
  QVERIFY(qGray(plain.pixel(0, 0)) > qGray(plain.pixel(plain.width() - 1, plain.height() - 1)));
  QVERIFY(qGray(pressed.pixel(0, 0)) <
          qGray(pressed.pixel(pressed.width() - 1, pressed.height() - 1)));
}

QTEST_MAIN(FlatButtonTest)
#include "flat_button_test.moc"
