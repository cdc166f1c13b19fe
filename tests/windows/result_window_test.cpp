// SPDX-License-Identifier: MIT
// The result window: its layout, its fields, its keyboard and its stacked promotion labels.
#include "result_window.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include "frame_box.h"
#include "pages.h"
#include "recording_link_launcher.h"

using geomancy::DisplayField;

namespace {

template <typename Widget = QWidget>
Widget* child(const QWidget& window, const char* name) {
  return window.findChild<Widget*>(QString::fromLatin1(name));
}

}  // namespace

class FrmDisplayTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    launcher_ = std::make_unique<RecordingLinkLauncher>();
    window_ = std::make_unique<ResultWindow>(*launcher_);
  }
  void cleanup() { window_.reset(); }

  void layoutMatchesTheDesignAt96Dpi_data();
  void layoutMatchesTheDesignAt96Dpi();
  void captionsAndTitle();
  void valueLabelsStartBlankAndShowWhatIsWritten();
  void significanceWrapsScrollsAndCannotBeChanged();
  void focusStartsOnBackAndTabVisitsTwoControls();
  void spaceOnOpeningRunsBack();
  void backButtonAccessKeyAndMenuEmitBack();
  void exitClosesTheWindowLikeTheCloseBox();
  void stripAboveTheFullBrandLabelOpensTheCoBrandPage();

 private:
  std::unique_ptr<RecordingLinkLauncher> launcher_;
  std::unique_ptr<ResultWindow> window_;
};

void FrmDisplayTest::layoutMatchesTheDesignAt96Dpi_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QRect>("pixels");
  // Twips divided by 15, rounded: relative to each control's frame.
  QTest::newRow("Frame2") << "Frame2" << QRect(0, 0, 560, 41);
  QTest::newRow("Label61") << "Label61" << QRect(8, 8, 544, 31);
  QTest::newRow("Frame3") << "Frame3" << QRect(0, 48, 561, 425);
  QTest::newRow("dsd") << "dsd" << QRect(16, 24, 155, 13);
  QTest::newRow("Label3") << "Label3" << QRect(16, 62, 56, 13);
  QTest::newRow("Label11") << "Label11" << QRect(16, 376, 79, 13);
  QTest::newRow("lblGeomancyName") << "lblGeomancyName" << QRect(184, 24, 379, 25);
  QTest::newRow("lblAssociatedElement") << "lblAssociatedElement" << QRect(184, 139, 259, 25);
  QTest::newRow("lblDirection") << "lblDirection" << QRect(184, 330, 259, 25);
  QTest::newRow("txtSignificance") << "txtSignificance" << QRect(184, 368, 369, 49);
  QTest::newRow("Frame5") << "Frame5" << QRect(0, 472, 560, 53);
  QTest::newRow("cmdBack") << "cmdBack" << QRect(472, 16, 81, 25);
  QTest::newRow("lblCobrand") << "lblCobrand" << QRect(8, 8, 407, 41);
  QTest::newRow("lblFullBrand") << "lblFullBrand" << QRect(8, 9, 407, 41);
}

void FrmDisplayTest::layoutMatchesTheDesignAt96Dpi() {
  QFETCH(QString, name);
  QFETCH(QRect, pixels);
  const QWidget* control = window_->findChild<QWidget*>(name);
  QVERIFY2(control, qPrintable(name));
  QCOMPARE(control->geometry(), pixels);
  QCOMPARE(window_->centralWidget()->size(), QSize(561, 527));
}

void FrmDisplayTest::captionsAndTitle() {
  QCOMPARE(window_->windowTitle(), QStringLiteral("QX Geomancy v1.0"));
  QCOMPARE(child<FrameBox>(*window_, "Frame3")->caption(), QStringLiteral("QX Geomancy Results"));
  const std::pair<const char*, const char*> captions[] = {
      {"dsd", "Geomancy Figure Name"},  {"Label3", "Keyword"},
      {"Label4", "Associated Day"},     {"Label5", "Associated Element"},
      {"Label6", "Associated Quality"}, {"Label7", "Associated Planet"},
      {"Label8", "Associated Sign"},    {"Label9", "Associated Body Part"},
      {"Label10", "Direction"},         {"Label11", "Significance"}};
  for (const auto& [name, caption] : captions) {
    QCOMPARE(child<QLabel>(*window_, name)->text(), QString::fromLatin1(caption));
  }
  QCOMPARE(child<QPushButton>(*window_, "cmdBack")->text(), QStringLiteral("&Back"));
  QCOMPARE(child<QLabel>(*window_, "lblGeomancyName")->palette().color(QPalette::WindowText),
           QColor(255, 0, 0));
  QCOMPARE(child<QLabel>(*window_, "lblKeyword")->palette().color(QPalette::WindowText),
           QColor(0, 0, 255));
}

void FrmDisplayTest::valueLabelsStartBlankAndShowWhatIsWritten() {
  for (const DisplayField field : geomancy::kDisplayFields) {
    QCOMPARE(window_->displayField(field), QString());
  }
  window_->setDisplayField(DisplayField::AssociatedQuality, "Mobile ");
  window_->setDisplayField(DisplayField::GeomancyName, "Populus  The People");
  window_->setDisplayField(DisplayField::Significance, "A paragraph.");
  QCOMPARE(child<QLabel>(*window_, "lblAssociatedQuality")->text(), QStringLiteral("Mobile "));
  QCOMPARE(child<QLabel>(*window_, "lblGeomancyName")->text(),
           QStringLiteral("Populus  The People"));
  QCOMPARE(child<QPlainTextEdit>(*window_, "txtSignificance")->toPlainText(),
           QStringLiteral("A paragraph."));
  QCOMPARE(child<QLabel>(*window_, "lblKeyword")->text(), QString());
}

void FrmDisplayTest::significanceWrapsScrollsAndCannotBeChanged() {
  const geomancy::CatalogueEntry* laetitia = geomancy::entryForRows({1, 2, 2, 2});
  QVERIFY(laetitia);
  window_->setDisplayField(DisplayField::Significance, laetitia->significance);
  window_->show();
  QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  auto* box = child<QPlainTextEdit>(*window_, "txtSignificance");
  QVERIFY(box->isReadOnly());
  QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  QTRY_VERIFY(box->verticalScrollBar()->maximum() > 0);
  const QString before = box->toPlainText();
  box->setFocus();
  QTest::keyClicks(box, "typed");
  QTest::keyClick(box, Qt::Key_Backspace);
  QCOMPARE(box->toPlainText(), before);
  box->selectAll();
  QCOMPARE(box->textCursor().selectedText(), before);
}

void FrmDisplayTest::focusStartsOnBackAndTabVisitsTwoControls() {
  window_->show();
  QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  auto* back = child(*window_, "cmdBack");
  auto* significance = child(*window_, "txtSignificance");
  QCOMPARE(QApplication::focusWidget(), back);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), significance);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), back);
}

void FrmDisplayTest::spaceOnOpeningRunsBack() {
  QSignalSpy back(window_.get(), &ResultWindow::backChosen);
  window_->show();
  QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  QCOMPARE(back.count(), 1);
}

void FrmDisplayTest::backButtonAccessKeyAndMenuEmitBack() {
  QSignalSpy back(window_.get(), &ResultWindow::backChosen);
  window_->show();
  QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  // Through the platform window, as a real key press arrives, so that shortcuts are matched.
  QTest::keyClick(window_->windowHandle(), Qt::Key_B, Qt::AltModifier);
  QTRY_COMPARE(back.count(), 1);  // an access key presses the button visibly, then clicks
  child<QPushButton>(*window_, "cmdBack")->click();
  QCOMPARE(back.count(), 2);
  window_->findChild<QAction*>(QStringLiteral("mnuBack"))->trigger();
  QCOMPARE(back.count(), 3);
}

void FrmDisplayTest::exitClosesTheWindowLikeTheCloseBox() {
  QSignalSpy unloaded(window_.get(), &ResultWindow::unloaded);
  window_->show();
  window_->findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
  QCOMPARE(unloaded.count(), 1);
  QVERIFY(!window_->isVisible());
  window_->show();
  window_->close();
  QCOMPARE(unloaded.count(), 2);
}

void FrmDisplayTest::stripAboveTheFullBrandLabelOpensTheCoBrandPage() {
  window_->show();
  QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  auto* frame5 = child(*window_, "Frame5");
  // The co-branding label's area starts 8 pixels into the frame; the fully-branded label lies
  // one pixel lower, in front of it.
  const QPoint inStrip = frame5->mapTo(window_.get(), QPoint(100, 8));
  const QPoint belowStrip = frame5->mapTo(window_.get(), QPoint(100, 30));
  QCOMPARE(window_->childAt(inStrip)->objectName(), QStringLiteral("lblCobrand"));
  QCOMPARE(window_->childAt(belowStrip)->objectName(), QStringLiteral("lblFullBrand"));

  QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, {}, inStrip);
  QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, {}, belowStrip);
  QCOMPARE(launcher_->addresses,
           QStringList({QStringLiteral("http://") + web::helpHost() + "/co-brand.html",
                        QStringLiteral("http://") + web::helpHost() + "/fully-branded.html"}));
}

QTEST_MAIN(FrmDisplayTest)
#include "result_window_test.moc"
