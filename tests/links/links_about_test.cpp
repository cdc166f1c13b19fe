#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>

#include "desktop_guard.h"
#include "frm_about.h"
#include "link_label.h"
#include "look.h"
#include "recording_link_launcher.h"
#include "web_pages.h"
#include "window_commands.h"

namespace {

using Gesture = std::function<void(frmAbout&)>;

// Opens the About window modally, lets `whileOpen` act on it once the modal loop runs, and
// reports whether that alone closed the window.
bool runModal(frmAbout& about, const Gesture& whileOpen) {
  bool ended = true;
  QTimer::singleShot(0, &about, [&] {
    if (QApplication::activeModalWidget() != &about) return;
    whileOpen(about);
    if (about.isVisible()) {
      ended = false;
      about.done(QDialog::Rejected);
    }
  });
  about.exec();
  return ended;
}

}  // namespace

Q_DECLARE_METATYPE(Gesture)

class AboutTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { guard_.opened.clear(); }
  void cleanup() { QVERIFY2(guard_.opened.isEmpty(), "a test reached the desktop's browser"); }

  void windowAsDesigned() {
    RecordingLinkLauncher launcher;
    frmAbout about(launcher);
    QCOMPARE(about.objectName(), QStringLiteral("frmAbout"));
    QCOMPARE(about.windowTitle(), QStringLiteral("QX Geomancy v1.0"));
    QCOMPARE(about.size(), QSize(455, 258));  // 6825 x 3870 twips
    QVERIFY(about.isModal());
    QVERIFY(about.parentWidget() == nullptr);
    QCOMPARE(about.palette().color(QPalette::Window), QColor(58, 58, 58));
  }

  void layoutInPixels_data() {
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("Picture1") << "Picture1" << QRect(8, 8, 32, 32);
    QTest::newRow("Label2") << "Label2" << QRect(56, 16, 139, 16);
    QTest::newRow("Label1") << "Label1" << QRect(16, 48, 425, 77);
    QTest::newRow("lblHomePage") << "lblHomePage" << QRect(136, 132, 310, 13);
    QTest::newRow("Label3") << "Label3" << QRect(24, 152, 417, 41);
    QTest::newRow("lblCoBrand") << "lblCoBrand" << QRect(272, 192, 178, 13);
    QTest::newRow("Line1") << "Line1" << QRect(-4, 216, 460, 2);
    QTest::newRow("cmdOK") << "cmdOK" << QRect(360, 224, 84, 23);
  }
  void layoutInPixels() {
    QFETCH(QString, objectName);
    QFETCH(QRect, geometry);
    RecordingLinkLauncher launcher;
    frmAbout about(launcher);
    auto* control = about.findChild<QWidget*>(objectName);
    QVERIFY(control != nullptr);
    QCOMPARE(control->geometry(), geometry);
  }

  void textsAndLook() {
    RecordingLinkLauncher launcher;
    frmAbout about(launcher);
    QCOMPARE(about.Label2->text(), QStringLiteral("QX Geomancy v1.0"));
    QCOMPARE(about.Label1->text(),
             QStringLiteral(
                 "QX Geomancy is based on the method of European geomancy called geomantia or "
                 "earth divination. This method includes drawing or casting figures or patterns, "
                 "each with a different significance. This form of divination can be used to know "
                 "if the sign shown by the reading is good or bad and help us prepare ourselves "
                 "for the worst."));
    QCOMPARE(about.lblHomePage->text(),
             QStringLiteral("Click here to visit http://") + links::forumHost());
    QCOMPARE(about.Label3->text(),
             QStringLiteral("Home Business Opportunity. Start your own Internet business and "
                            "make money online. Get this software fully branded for your "
                            "website."));
    QCOMPARE(about.lblCoBrand->text(), QStringLiteral("Click here for more details."));
    QCOMPARE(about.cmdOK->text(), QStringLiteral("&OK"));
    QVERIFY(about.cmdOK->isDefault());

    QCOMPARE(about.Label2->palette().color(QPalette::WindowText), QColor(255, 192, 128));
    QVERIFY(about.Label2->font().bold());
    QCOMPARE(about.Label2->font().pointSizeF(), 9.75);
    QCOMPARE(about.Label1->palette().color(QPalette::WindowText), QColor(255, 255, 255));
    QVERIFY(!about.Label1->font().bold());
    QVERIFY(about.Label3->font().bold());
    for (QLabel* label :
         {about.Label1, about.Label2, about.Label3, static_cast<QLabel*>(about.lblHomePage),
          static_cast<QLabel*>(about.lblCoBrand)}) {
      QVERIFY2(!label->autoFillBackground(), qPrintable(label->objectName()));
    }
    for (LinkLabel* link : {about.lblHomePage, about.lblCoBrand}) {
      QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
      QVERIFY(link->font().underline());
      QVERIFY2(look::textFits(*link), qPrintable(link->objectName()));
      QCOMPARE(link->palette().color(QPalette::WindowText), QColor(255, 192, 128));
      QVERIFY(!link->accessibleName().isEmpty());
      QVERIFY(!link->accessibleDescription().isEmpty());
    }
    QCOMPARE(about.Line1->palette().color(QPalette::Window), QColor(255, 224, 192));
    QVERIFY(about.Line1->autoFillBackground());
    QCOMPARE(about.cmdOK->palette().color(QPalette::Button), QColor(192, 192, 192));
    QVERIFY(!about.Picture1->pixmap().isNull());
  }

  void opensInTheCentreOfTheScreen() {
    RecordingLinkLauncher launcher;
    frmAbout about(launcher);
    about.show();
    const QPoint centre = about.screen()->availableGeometry().center();
    QVERIFY((about.frameGeometry().center() - centre).manhattanLength() <= 2);
  }

  void linksOpenTheirPagesAndLeaveTheWindowOpen() {
    RecordingLinkLauncher launcher;
    frmAbout about(launcher);
    bool stillOpen = false;
    const bool closedItself = runModal(about, [&](frmAbout& open) {
      QTest::mouseClick(open.lblHomePage, Qt::LeftButton);
      QTest::mouseClick(open.lblCoBrand, Qt::LeftButton);
      stillOpen = open.isVisible() && QApplication::activeModalWidget() == &open;
    });
    QVERIFY(stillOpen);
    QVERIFY(!closedItself);
    QCOMPARE(launcher.addresses, (QStringList{links::pageAddress(links::Page::ForumHome),
                                              links::pageAddress(links::Page::FullyBrandedPage)}));
  }

  void closes_data() {
    QTest::addColumn<Gesture>("gesture");
    QTest::newRow("Enter") << Gesture([](frmAbout& a) { QTest::keyClick(&a, Qt::Key_Return); });
    QTest::newRow("keypad Enter") << Gesture(
        [](frmAbout& a) { QTest::keyClick(&a, Qt::Key_Enter); });
    QTest::newRow("Escape") << Gesture([](frmAbout& a) { QTest::keyClick(&a, Qt::Key_Escape); });
    QTest::newRow("OK clicked") << Gesture(
        [](frmAbout& a) { QTest::mouseClick(a.cmdOK, Qt::LeftButton); });
    // The access key presses the button visibly, so it clicks a moment later.
    QTest::newRow("Alt+O") << Gesture([](frmAbout& a) {
      (void)QTest::qWaitForWindowActive(&a);
      QTest::keyClick(&a, Qt::Key_O, Qt::AltModifier);
      (void)QTest::qWaitFor([&] { return !a.isVisible(); }, 2000);
    });
    QTest::newRow("close box") << Gesture([](frmAbout& a) { a.close(); });
  }
  void closes() {
    QFETCH(Gesture, gesture);
    RecordingLinkLauncher launcher;
    frmAbout about(launcher);
    QVERIFY(runModal(about, gesture));
    QVERIFY(!about.isVisible());
    QCOMPARE(launcher.addresses, QStringList{});
  }

  // The window that opens About gets it on top and is as it was once About has closed.
  void theOpenerIsUntouched() {
    RecordingLinkLauncher launcher;
    QWidget opener;
    auto* edit = new QLineEdit(QStringLiteral("typed before"), &opener);
    auto* commands = new links::WindowCommands(launcher, opener);
    opener.show();
    edit->setFocus();
    bool openerBlocked = false;
    QTimer::singleShot(0, &opener, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr) return;
      openerBlocked = !opener.isActiveWindow() || modal->isActiveWindow();
      QTest::keyClick(modal, Qt::Key_Escape);
    });
    commands->mnuAbout_Click();
    QVERIFY(openerBlocked);
    QVERIFY(opener.isVisible());
    QCOMPARE(edit->text(), QStringLiteral("typed before"));
    QCOMPARE(launcher.addresses, QStringList{});
  }

  // The commands belong to the window that opened About; should it go while About is open (the
  // program ends), nothing of theirs is touched once About has closed.
  void theOpenerMayGoWhileAboutIsOpen() {
    RecordingLinkLauncher launcher;
    auto* opener = new QWidget;
    auto* commands = new links::WindowCommands(launcher, *opener);
    opener->show();
    QPointer<QObject> watched(commands);
    QTimer::singleShot(0, this, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      delete opener;
      if (modal != nullptr) QTest::keyClick(modal, Qt::Key_Escape);
    });
    commands->mnuAbout_Click();
    QVERIFY(watched.isNull());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
  }

 private:
  DesktopGuard guard_;
};

QTEST_MAIN(AboutTest)
#include "links_about_test.moc"
