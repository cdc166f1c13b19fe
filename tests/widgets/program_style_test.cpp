// SPDX-License-Identifier: MIT
// The program's style draws every window as the style Qt chose does, and makes no picture of a
// menu bar's overflow button before that button is drawn.
#include "program_style.h"

#include <QApplication>
#include <QMenuBar>
#include <QPainter>
#include <QStyleFactory>
#include <QToolButton>
#include <QtTest>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "casting_window.h"
#include "exit_window.h"
#include "program_state.h"
#include "recording_link_launcher.h"
#include "referral_request.h"
#include "result_window.h"
#include "scripted_message_presenter.h"
#include "scripted_random_source.h"

#if defined(__linux__)
#include <link.h>
#endif

namespace {

#if defined(__linux__)
bool imagePlugInLoaded() {
  bool loaded = false;
  dl_iterate_phdr(
      [](dl_phdr_info* info, std::size_t, void* found) {
        if (info->dlpi_name != nullptr && std::strstr(info->dlpi_name, "/imageformats/")) {
          *static_cast<bool*>(found) = true;
        }
        return 0;
      },
      &loaded);
  return loaded;
}
#endif

QImage painted(const QIcon& icon, int side, qreal ratio) {
  const auto pixels = static_cast<int>(side * ratio);
  QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  icon.paint(&painter, QRect(0, 0, side, side));
  return image;
}

class NoFields final : public geomancy::DisplayFields {
 public:
  void setDisplayField(geomancy::DisplayField, std::string_view) override {}
};

}  // namespace

class ProgramStyleTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    chosen_ = QApplication::style()->name();
    QApplication::setStyle(new ProgramStyle(QApplication::style()));
  }

  // First: once any picture file has been read, the plug-ins are in for good.
  void menuBarLoadsNoImagePlugIn() {
#if defined(__linux__)
    QVERIFY(!imagePlugInLoaded());
    QMenuBar bar;
    bar.addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    (void)bar.grab();
    QVERIFY(!imagePlugInLoaded());

#else
    QSKIP("reads the loaded libraries as glibc lists them");
#endif
  }

  // The button's picture, once asked for, is the chosen style's own, at any pixel ratio: as a
  // pixmap, and painted at a size the icon has to be scaled to.
  void overflowPictureIsTheChosenStyles_data() {
    QTest::addColumn<int>("side");
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("16 px") << 16 << 1.0;
    QTest::newRow("12 px, scaled") << 12 << 1.0;
    QTest::newRow("16 px at 1.5") << 16 << 1.5;
    QTest::newRow("16 px at 2") << 16 << 2.0;
  }

  void overflowPictureIsTheChosenStyles() {
    QFETCH(int, side);
    QFETCH(qreal, ratio);
    QMenuBar bar;
    auto* overflow = bar.findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
    QVERIFY(overflow != nullptr);
    const QIcon ours = overflow->icon();
    const std::unique_ptr<QStyle> chosen(QStyleFactory::create(chosen_));
    const QIcon theirs =
        chosen->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, nullptr, &bar);
    const QSize size(side, side);
    const QPixmap ourPixmap = ours.pixmap(size, ratio);
    const QPixmap theirPixmap = theirs.pixmap(size, ratio);
    QCOMPARE(ourPixmap.devicePixelRatio(), theirPixmap.devicePixelRatio());
    QCOMPARE(ourPixmap.toImage(), theirPixmap.toImage());
    QCOMPARE(painted(ours, side, ratio), painted(theirs, side, ratio));
  }

  void drawsAsTheChosenStyle() {
    const std::vector<QImage> ours = windowPictures();
    QApplication::setStyle(QStyleFactory::create(chosen_));
    const std::vector<QImage> theirs = windowPictures();
    QCOMPARE(ours.size(), theirs.size());
    for (std::size_t i = 0; i < ours.size(); ++i) QCOMPARE(ours[i], theirs[i]);
  }

 private:
  // The casting, result and exit windows as first shown, and the casting window's File menu.
  std::vector<QImage> windowPictures() {
    ScriptedRandomSource random;
    geomancy::ProgramState state(random);
    RecordingLinkLauncher launcher;
    ScriptedMessagePresenter messages;
    referral::Request referral;
    NoFields fields;
    CastingWindow casting(state, launcher, [&]() -> geomancy::DisplayFields& { return fields; });
    ResultWindow result(launcher);
    ExitWindow exit(random, launcher, messages, referral);
    std::vector<QImage> pictures;
    for (QWidget* window : std::initializer_list<QWidget*>{&casting, &result, &exit}) {
      pictures.push_back(window->grab().toImage());
    }
    if (auto* file = casting.findChild<QMenu*>()) {
      file->adjustSize();
      pictures.push_back(file->grab().toImage());
    }
    return pictures;
  }

  QString chosen_;
};

QTEST_MAIN(ProgramStyleTest)
#include "program_style_test.moc"
