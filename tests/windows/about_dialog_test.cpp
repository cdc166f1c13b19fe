// SPDX-License-Identifier: MIT
#include "about_dialog.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>

#include "desktop_guard.h"
#include "link_label.h"
#include "look.h"
#include "pages.h"
#include "recording_link_launcher.h"
#include "window_menus.h"

namespace {

template <typename Control>
Control* child(QObject& parent, const char* name) {
  return parent.findChild<Control*>(QString::fromLatin1(name));
}

// As the user does: Help open, About picked by its key; the command runs once the menu is done.
void chooseAbout(QObject& window) {
  const QPointer<QObject> commands(child<QObject>(window, "windowMenus"));
  auto* help = child<QMenu>(window, "mnuHelp");
  help->popup(QPoint());
  QTest::keyClick(help, Qt::Key_A);
  if (commands) QCoreApplication::sendPostedEvents(commands, QEvent::MetaCall);
}

using Gesture = std::function<void(AboutDialog&)>;

// Opens the About window modally, lets `whileOpen` act on it once the modal loop runs, and
// reports whether that alone closed the window.
bool runModal(AboutDialog& about, const Gesture& whileOpen) {
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
    AboutDialog about(launcher);
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
    AboutDialog about(launcher);
    auto* control = about.findChild<QWidget*>(objectName);
    QVERIFY(control != nullptr);
    QCOMPARE(control->geometry(), geometry);
  }

  void textsAndLook() {
    RecordingLinkLauncher launcher;
    AboutDialog about(launcher);
    QCOMPARE(child<QLabel>(about, "Label2")->text(), QStringLiteral("QX Geomancy v1.0"));
    QCOMPARE(child<QLabel>(about, "Label1")->text(),
             QStringLiteral(
                 "QX Geomancy is based on the method of European geomancy called geomantia or "
                 "earth divination. This method includes drawing or casting figures or patterns, "
                 "each with a different significance. This form of divination can be used to know "
                 "if the sign shown by the reading is good or bad and help us prepare ourselves "
                 "for the worst."));
    QCOMPARE(child<LinkLabel>(about, "lblHomePage")->text(),
             QStringLiteral("Click here to visit http://") + web::forumHost());
    QCOMPARE(child<QLabel>(about, "Label3")->text(),
             QStringLiteral("Home Business Opportunity. Start your own Internet business and "
                            "make money online. Get this software fully branded for your "
                            "website."));
    QCOMPARE(child<LinkLabel>(about, "lblCoBrand")->text(),
             QStringLiteral("Click here for more details."));
    QCOMPARE(child<QPushButton>(about, "cmdOK")->text(), QStringLiteral("&OK"));
    QVERIFY(child<QPushButton>(about, "cmdOK")->isDefault());

    QCOMPARE(child<QLabel>(about, "Label2")->palette().color(QPalette::WindowText),
             QColor(255, 192, 128));
    QVERIFY(child<QLabel>(about, "Label2")->font().bold());
    QCOMPARE(child<QLabel>(about, "Label2")->font().pointSizeF(), 9.75);
    QCOMPARE(child<QLabel>(about, "Label1")->palette().color(QPalette::WindowText),
             QColor(255, 255, 255));
    QVERIFY(!child<QLabel>(about, "Label1")->font().bold());
    QVERIFY(child<QLabel>(about, "Label3")->font().bold());
    for (QLabel* label : {child<QLabel>(about, "Label1"), child<QLabel>(about, "Label2"),
                          child<QLabel>(about, "Label3"),
                          static_cast<QLabel*>(child<LinkLabel>(about, "lblHomePage")),
                          static_cast<QLabel*>(child<LinkLabel>(about, "lblCoBrand"))}) {
      QVERIFY2(!label->autoFillBackground(), qPrintable(label->objectName()));
    }
    for (LinkLabel* link :
         {child<LinkLabel>(about, "lblHomePage"), child<LinkLabel>(about, "lblCoBrand")}) {
      QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
      QVERIFY(link->font().underline());
      QVERIFY2(look::textFits(*link), qPrintable(link->objectName()));
      QCOMPARE(link->palette().color(QPalette::WindowText), QColor(255, 192, 128));
      QVERIFY(!link->accessibleName().isEmpty());
      QVERIFY(!link->accessibleDescription().isEmpty());
    }
    QCOMPARE(child<QFrame>(about, "Line1")->palette().color(QPalette::Window),
             QColor(255, 224, 192));
    QVERIFY(child<QFrame>(about, "Line1")->autoFillBackground());
    QCOMPARE(child<QPushButton>(about, "cmdOK")->palette().color(QPalette::Button),
             QColor(192, 192, 192));
    QVERIFY(!child<QLabel>(about, "Picture1")->pixmap().isNull());
  }

  void opensInTheCentreOfTheScreen() {
    RecordingLinkLauncher launcher;
    AboutDialog about(launcher);
    about.show();
    const QPoint centre = about.screen()->availableGeometry().center();
    QVERIFY((about.frameGeometry().center() - centre).manhattanLength() <= 2);
  }

  void linksOpenTheirPagesAndLeaveTheWindowOpen() {
    RecordingLinkLauncher launcher;
    AboutDialog about(launcher);
    bool stillOpen = false;
    const bool closedItself = runModal(about, [&](AboutDialog& open) {
      QTest::mouseClick(child<LinkLabel>(open, "lblHomePage"), Qt::LeftButton);
      QTest::mouseClick(child<LinkLabel>(open, "lblCoBrand"), Qt::LeftButton);
      stillOpen = open.isVisible() && QApplication::activeModalWidget() == &open;
    });
    QVERIFY(stillOpen);
    QVERIFY(!closedItself);
    QCOMPARE(launcher.addresses, (QStringList{web::pageAddress(web::Page::ForumHome),
                                              web::pageAddress(web::Page::FullyBrandedPage)}));
  }

  void closes_data() {
    QTest::addColumn<Gesture>("gesture");
    QTest::newRow("Enter") << Gesture([](AboutDialog& a) { QTest::keyClick(&a, Qt::Key_Return); });
    QTest::newRow("keypad Enter") << Gesture(
        [](AboutDialog& a) { QTest::keyClick(&a, Qt::Key_Enter); });
    QTest::newRow("Escape") << Gesture([](AboutDialog& a) { QTest::keyClick(&a, Qt::Key_Escape); });
    QTest::newRow("OK clicked") << Gesture(
        [](AboutDialog& a) { QTest::mouseClick(child<QPushButton>(a, "cmdOK"), Qt::LeftButton); });
    // The access key presses the button visibly, so it clicks a moment later.
    QTest::newRow("Alt+O") << Gesture([](AboutDialog& a) {
      (void)QTest::qWaitForWindowActive(&a);
      QTest::keyClick(&a, Qt::Key_O, Qt::AltModifier);
      (void)QTest::qWaitFor([&] { return !a.isVisible(); }, 2000);
    });
    QTest::newRow("close box") << Gesture([](AboutDialog& a) { a.close(); });
  }
  void closes() {
    QFETCH(Gesture, gesture);
    RecordingLinkLauncher launcher;
    AboutDialog about(launcher);
    QVERIFY(runModal(about, gesture));
    QVERIFY(!about.isVisible());
    QCOMPARE(launcher.addresses, QStringList{});
  }

  // The window that opens About gets it on top and is as it was once About has closed.
  void theOpenerIsUntouched() {
    RecordingLinkLauncher launcher;
    QMainWindow opener;
    auto* edit = new QLineEdit(QStringLiteral("typed before"), &opener);
    new WindowMenus(WindowMenus::Kind::Casting, launcher, opener);
    opener.show();
    edit->setFocus();
    bool openerBlocked = false;
    QTimer::singleShot(0, &opener, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr) return;
      openerBlocked = !opener.isActiveWindow() || modal->isActiveWindow();
      QTest::keyClick(modal, Qt::Key_Escape);
    });
    chooseAbout(opener);
    QVERIFY(openerBlocked);
    QVERIFY(opener.isVisible());
    QCOMPARE(edit->text(), QStringLiteral("typed before"));
    QCOMPARE(launcher.addresses, QStringList{});
  }

  // The commands belong to the window that opened About; should it go while About is open (the
  // program ends), nothing of theirs is touched once About has closed.
  void theOpenerMayGoWhileAboutIsOpen() {
    RecordingLinkLauncher launcher;
    auto* opener = new QMainWindow;
    auto* commands = new WindowMenus(WindowMenus::Kind::Casting, launcher, *opener);
    opener->show();
    QPointer<QObject> watched(commands);
    // Held across the command: a release too many by the menu would free it under this pointer.
    const QPointer<QAction> about(child<QAction>(*opener, "mnuAbout"));
    QTimer::singleShot(0, this, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      delete opener;
      if (modal != nullptr) QTest::keyClick(modal, Qt::Key_Escape);
    });
    chooseAbout(*opener);
    QVERIFY(watched.isNull());
    QVERIFY(about.isNull());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
  }

 private:
  DesktopGuard guard_;
};

QTEST_MAIN(AboutTest)
#include "about_dialog_test.moc"
