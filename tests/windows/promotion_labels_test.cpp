// SPDX-License-Identifier: MIT
#include "promotion_labels.h"

#include <QTest>
#include <QWidget>
#include <cstdint>

#include "desktop_guard.h"
#include "figure.h"
#include "pages.h"
#include "recording_link_launcher.h"
#include "scripted_random_source.h"
#include "twips.h"

namespace {

// The casting window's arrangement: Label61 across the top, both promotion labels on one spot
// of Frame5.
struct CastingPromotion {
  CastingPromotion() {
    window.resize(twips::size(7455, 7590));
    frame5 = new QWidget(&window);
    frame5->setGeometry(twips::rect(0, 6720, 7455, 855));
    labels = createPromotionLabels(&window, frame5, 8.25, launcher);
    labels.forum->setGeometry(twips::rect(120, 40, 7200, 465));
    labels.coBrand->setGeometry(twips::rect(120, 160, 7185, 615));
    labels.fullBrand->setGeometry(twips::rect(120, 160, 7185, 615));
  }

  // The label a user's click in the middle of the promotion spot reaches.
  [[nodiscard]] QWidget* inFront() const {
    return frame5->childAt(labels.coBrand->geometry().center());
  }

  RecordingLinkLauncher launcher;
  QWidget window;
  QWidget* frame5 = nullptr;
  PromotionLabels labels;
};

QString address(web::Page page) {
  return web::pageAddress(page);
}

}  // namespace

class PromotionTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { guard_.opened.clear(); }
  void cleanup() { QVERIFY2(guard_.opened.isEmpty(), "a test reached the desktop's browser"); }

  void captionsAsDesigned() {
    QCOMPARE(forumCaption(),
             QStringLiteral("The Most Popular Online Orvane Discussion Board. Best Resource For "
                            "Everything Orvane. Visit ") +
                 web::forumAddressShown() + QStringLiteral(" Now"));
    QCOMPARE(coBrandCaption(),
             QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic "
                            "to your site. Put your site's name &&  link here. See \"Help\" for "
                            "details.    Click Here for more info on co-branding."));
    QCOMPARE(fullBrandCaption(),
             QStringLiteral("Home Business Opportunity. Start your own Internet business and "
                            "make money online. Get this software fully branded for your "
                            "website. Click here for more details."));
  }

  void labelsShowTheirCaptionsWithOneAmpersand() {
    CastingPromotion p;
    QCOMPARE(p.labels.forum->text(), forumCaption());
    QCOMPARE(p.labels.fullBrand->text(), fullBrandCaption());
    const QString shown = p.labels.coBrand->text();
    QVERIFY(shown.contains(QStringLiteral("site's name &  link here")));
    QCOMPARE(shown.count(QLatin1Char('&')), 1);
    QVERIFY(shown.contains(QStringLiteral("site.  Increase")));
    QVERIFY(shown.contains(QStringLiteral("details.    Click Here")));
    QCOMPARE(p.labels.coBrand->textFormat(), Qt::PlainText);
  }

  void labelsLook() {
    CastingPromotion p;
    const QList<LinkLabel*> all{p.labels.forum, p.labels.coBrand, p.labels.fullBrand};
    for (LinkLabel* label : all) {
      QVERIFY(!label->objectName().isEmpty());
      QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
      QVERIFY(label->font().bold());
      QVERIFY(label->font().underline());
      QCOMPARE(label->palette().color(QPalette::WindowText), QColor(255, 192, 128));
      QVERIFY(!label->accessibleName().isEmpty());
      QVERIFY(!label->accessibleDescription().isEmpty());
    }
    QCOMPARE(p.labels.forum->objectName(), QStringLiteral("Label61"));
    QCOMPARE(p.labels.coBrand->objectName(), QStringLiteral("lblCobrand"));
    QCOMPARE(p.labels.fullBrand->objectName(), QStringLiteral("lblFullBrand"));
    QVERIFY(!p.labels.forum->autoFillBackground());
    QVERIFY(p.labels.forum->alignment() & Qt::AlignHCenter);
    for (LinkLabel* label : {p.labels.coBrand, p.labels.fullBrand}) {
      QVERIFY(label->autoFillBackground());
      QCOMPARE(label->palette().color(QPalette::Window), QColor(58, 58, 58));
      QCOMPARE(label->font().pointSizeF(), 8.25);
    }
    QCOMPARE(p.labels.forum->parentWidget(), &p.window);
    QCOMPARE(p.labels.coBrand->parentWidget(), p.frame5);
  }

  void fullBrandLiesInFrontFromTheStart() {
    CastingPromotion p;
    QCOMPARE(p.inFront(), p.labels.fullBrand);
  }

  void clicksOpenTheirPages() {
    CastingPromotion p;
    p.window.show();
    QTest::mouseClick(p.labels.forum, Qt::LeftButton);
    QTest::mouseClick(p.labels.fullBrand, Qt::LeftButton);
    p.labels.coBrand->raise();
    QTest::mouseClick(p.labels.coBrand, Qt::LeftButton);
    QTest::mouseClick(p.labels.forum, Qt::RightButton);
    QCOMPARE(p.launcher.addresses,
             (QStringList{address(web::Page::ForumHome), address(web::Page::FullyBrandedPage),
                          address(web::Page::CoBrandPage)}));
  }

  // In the result window the fully-branded label sits 20 twips lower: the strip above it still
  // belongs to the co-branding label.
  void resultWindowStripReachesTheCoBrandLabel() {
    RecordingLinkLauncher launcher;
    QWidget window;
    auto* frame2 = new QWidget(&window);
    auto* frame5 = new QWidget(&window);
    frame5->setGeometry(twips::rect(0, 7080, 8400, 800));
    const PromotionLabels labels = createPromotionLabels(frame2, frame5, 9.0, launcher);
    labels.coBrand->setGeometry(twips::rect(120, 120, 6105, 615));
    labels.fullBrand->setGeometry(twips::rect(120, 140, 6105, 615));
    window.show();

    const QPoint strip(twips::toPixels(3000), twips::toPixels(125));
    const QPoint middle(twips::toPixels(3000), twips::toPixels(400));
    for (const QPoint& at : {strip, middle}) {
      QWidget* hit = frame5->childAt(at);
      QVERIFY(hit != nullptr);
      QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(frame5, at));
    }
    QCOMPARE(launcher.addresses,
             (QStringList{address(web::Page::CoBrandPage), address(web::Page::FullyBrandedPage)}));
  }

  void drawsRoundToTheirNumbers_data() {
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("n");
    QTest::newRow("0") << 0.0f << 1;
    QTest::newRow("largest draw below 1") << 0x1.fffffep-1f << 7;
    // r x 6 + 1 is exactly 2.5 and 5.5: halves go to the even neighbour.
    QTest::newRow("0.25 gives 2.5") << 0.25f << 2;
    QTest::newRow("0.75 gives 5.5") << 0.75f << 6;
    QTest::newRow("below 0.25") << 0x1.fffffep-3f << 2;
    QTest::newRow("above 0.25") << 0x1.000002p-2f << 3;
    QTest::newRow("below 0.75") << 0x1.7ffffep-1f << 5;
    QTest::newRow("above 0.75") << 0x1.800002p-1f << 6;
    // (2k - 1) / 12 for k = 1, 3, 4, 6 has no float: the floats on either side of it. A product
    // rounded to single precision would land these exactly on the half and round them to even.
    QTest::newRow("below 1/12") << 0x1.555554p-4f << 1;
    QTest::newRow("above 1/12") << 0x1.555556p-4f << 2;
    QTest::newRow("below 5/12") << 0x1.aaaaaap-2f << 3;
    QTest::newRow("above 5/12") << 0x1.aaaaacp-2f << 4;
    QTest::newRow("below 7/12") << 0x1.2aaaaap-1f << 4;
    QTest::newRow("above 7/12") << 0x1.2aaaacp-1f << 5;
    QTest::newRow("below 11/12") << 0x1.d55554p-1f << 6;
    QTest::newRow("above 11/12") << 0x1.d55556p-1f << 7;
    QTest::newRow("0.5") << 0.5f << 4;
  }
  void drawsRoundToTheirNumbers() {
    QFETCH(float, r);
    QFETCH(int, n);
    QCOMPARE(int(::promotionNumber(r)), n);
  }

  void randomizeBringsTheDrawnLabelToTheFront_data() {
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("coBrandInFront");
    QTest::newRow("1") << 0.0f << 1 << true;
    QTest::newRow("2") << 0.25f << 2 << false;
    QTest::newRow("3") << 0.30f << 3 << true;
    QTest::newRow("4") << 0.50f << 4 << false;
    QTest::newRow("5") << 0.70f << 5 << true;
    QTest::newRow("6") << 0.75f << 6 << false;
    QTest::newRow("7") << 0.99f << 7 << false;
  }
  void randomizeBringsTheDrawnLabelToTheFront() {
    QFETCH(float, r);
    QFETCH(int, n);
    QFETCH(bool, coBrandInFront);
    CastingPromotion p;
    ScriptedRandomSource random({r});
    std::int16_t number = 0;
    choosePromotion(random, number, p.labels);
    QCOMPARE(int(number), n);
    QCOMPARE(random.drawsTaken(), std::size_t{1});
    QCOMPARE(p.inFront(), coBrandInFront ? p.labels.coBrand : p.labels.fullBrand);
  }

  void sevenLeavesTheOrderAsItIs() {
    CastingPromotion p;
    p.labels.coBrand->raise();
    ScriptedRandomSource random({0.99f});
    std::int16_t number = 0;
    choosePromotion(random, number, p.labels);
    QCOMPARE(int(number), 7);
    QCOMPARE(p.inFront(), p.labels.coBrand);
  }

  void aFailedDrawKeepsTheNumber() {
    CastingPromotion p;
    ScriptedRandomSource random;  // throws on the first draw
    std::int16_t number = 3;
    choosePromotion(random, number, p.labels);
    QCOMPARE(int(number), 3);
    QCOMPARE(p.inFront(), p.labels.coBrand);
  }

 private:
  DesktopGuard guard_;
};

QTEST_MAIN(PromotionTest)
#include "promotion_labels_test.moc"
