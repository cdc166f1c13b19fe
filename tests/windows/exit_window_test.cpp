// SPDX-License-Identifier: MIT
// The exit window: its appeal, loading hidden but on top, its links, and the refer-a-friend
// form as a user fills it in, with the program's message boxes and with real ones.
#include "exit_window.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <cmath>
#include <functional>

#include "desktop_guard.h"
#include "form_query.h"
#include "frame_box.h"
#include "link_label.h"
#include "look.h"
#include "pages.h"
#include "random_source.h"
#include "recording_link_launcher.h"
#include "referral_request.h"
#include "scripted_message_presenter.h"

namespace {

using referral::trimSpaces;
using web::ReferralFields;

const QString kNoSpace = QStringLiteral("Email Address Cannot Contain Space");

// Draws one fixed value and notes the order of seeds and draws.
class LoggingRandomSource final : public geomancy::RandomSource {
 public:
  explicit LoggingRandomSource(float value) : value_(value) {}
  float draw() override {
    log << QStringLiteral("draw");
    return value_;
  }
  void seed(std::uint64_t) override { log << QStringLiteral("seed"); }

  QStringList log;

 private:
  float value_;
};

// The window with fakes around it.
struct ExitFixture {
  explicit ExitFixture(float draw = 0.5f, MessagePresenter* presenter = nullptr)
      : random(draw), window(random, launcher, presenter ? *presenter : messages, referral) {}

  QWidget& box(const QString& name) { return *window.findChild<QWidget*>(name); }
  template <typename Control>
  Control* find(const char* name) {
    return window.findChild<Control*>(QString::fromLatin1(name));
  }
  void showActive() {
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
  }

  LoggingRandomSource random;
  RecordingLinkLauncher launcher;
  ScriptedMessagePresenter messages;
  referral::Request referral;
  ExitWindow window;
};

// Types the text into the widget one character at a time, as key presses carrying it.
void type(QWidget* widget, const QString& text) {
  for (const QChar c : text) {
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

// Once a real message box is up, lets `look` see it and answers it with Enter.
void answerNextBox(QObject& context, std::function<void(QMessageBox&)> look) {
  auto* poll = new QTimer(&context);
  QObject::connect(poll, &QTimer::timeout, poll, [poll, look] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    poll->stop();
    look(*box);
    QTest::keyClick(box, Qt::Key_Return);
  });
  poll->start(5);
}

}  // namespace

class ExitTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { guard_.opened.clear(); }
  void cleanup() { QVERIFY2(guard_.opened.isEmpty(), "a test reached the desktop's browser"); }

  void appealDrawnAfterReseeding_data();
  void appealDrawnAfterReseeding();
  void loadsHiddenAndOnTopWithoutTakingTheFocus();
  void linksAndExit();
  void placeholders_data();
  void placeholders();
  void spaceKey_data();
  void spaceKey();
  void realMessageBoxesAreNoFocusMove();
  void submitChecksInOrder_data();
  void submitChecksInOrder();
  void requestTypedWithTheKeyboard();
  void entriesAreCutToLengthsThatAlwaysReachTheBrowser();
  void pastingFromAnEmptyClipboardPastesNothing();

 private:
  DesktopGuard guard_;
};

void ExitTest::appealDrawnAfterReseeding_data() {
  QTest::addColumn<float>("draw");
  QTest::addColumn<QString>("appeal");
  const QString appeals[] = {
      QStringLiteral("Orvane Softwares, such as this can be created and maintained only with your "
                     "support. The best way to support Orvane Board is to visit %1 regularly and "
                     "take part in the discussions and other activities on the board."),
      QStringLiteral("Visit %1 regularly. Support %1 by taking part in the discussions and other "
                     "activities. These softwares cannot be supported and maintained, without "
                     "you regularly visiting %1"),
      QStringLiteral("%1 is a FREE online discussion forum for all things orvane. To help %1 "
                     "develop and maintain this software visit OrvaneBoard regularly."),
      QStringLiteral("%1 needs your help. All you need to do is visit %1 regularly and take part "
                     "in the various discussions and activites to help us maintain and develop "
                     "more Orvane Softwares."),
  };
  const auto row = [&](const char* name, float draw, int appeal) {
    QTest::newRow(name) << draw << appeals[appeal].arg(web::forumAddressInText());
  };
  row("0", 0.0f, 0);
  row("just below 1/4", std::nextafter(0.25f, 0.0f), 0);
  row("1/4", 0.25f, 1);
  row("1/2", 0.5f, 2);
  row("just below 3/4", std::nextafter(0.75f, 0.0f), 2);
  row("3/4", 0.75f, 3);
  row("largest draw", 1.0f - 0x1p-24f, 3);
}

void ExitTest::appealDrawnAfterReseeding() {
  QFETCH(float, draw);
  QFETCH(QString, appeal);
  ExitFixture exit(draw);
  QCOMPARE(exit.random.log, (QStringList{QStringLiteral("seed"), QStringLiteral("draw")}));
  QCOMPARE(exit.find<QLabel>("Label2")->text(), appeal);
  // Whole, whatever face stands in for Verdana; so are the other texts of one line.
  for (const QWidget* shown : std::initializer_list<const QWidget*>{
           exit.find<QLabel>("Label2"), exit.find<QLabel>("Label1"), exit.find<QCheckBox>("Check1"),
           exit.find<LinkLabel>("lblGoToHome"), exit.find<QLabel>("Label3")}) {
    QVERIFY2(look::textFits(*shown), qPrintable(shown->objectName()));
  }
  QVERIFY(!appeal.contains(QStringLiteral("www.")) && !appeal.contains(QStringLiteral("http")));
}

void ExitTest::loadsHiddenAndOnTopWithoutTakingTheFocus() {
  QWidget other;
  auto* typing = new QLineEdit(&other);
  other.show();
  QVERIFY(QTest::qWaitForWindowActive(&other));
  typing->setFocus();

  ExitFixture exit;
  QVERIFY(!exit.window.isVisible());
  QVERIFY(exit.window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  QCOMPARE(QApplication::activeWindow(), &other);
  QCOMPARE(QApplication::focusWidget(), typing);

  exit.showActive();
  QVERIFY(exit.window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  QCOMPARE(QApplication::focusWidget(), exit.find<QCheckBox>("Check1"));
  // The caption names the host that the forum's home page opens on.
  QCOMPARE(exit.find<QCheckBox>("Check1")->text(),
           QStringLiteral("Click Here To Visit ") + web::pageAddress(web::Page::ForumHome).mid(7) +
               QStringLiteral(" Now"));
  const QString catalogue = exit.find<QLabel>("Label3")->text();
  QVERIFY(catalogue.contains(QStringLiteral("the world\u2019s largest")));
  QVERIFY(catalogue.contains(QStringLiteral("interests.") + QString(61, u' ') +
                             QStringLiteral("All the programs")));
  QVERIFY(catalogue.endsWith(QStringLiteral("friends and family. ")));
  // The message box lies wholly outside its frame, out of sight.
  QVERIFY(!exit.find<QWidget>("Frame2")->rect().intersects(
      exit.find<QPlainTextEdit>("txtMessage")->geometry()));
}

void ExitTest::linksAndExit() {
  ExitFixture exit;
  exit.showActive();
  ExitWindow& window = exit.window;
  // On the tick box itself: the rest of the control's width lies beyond its caption.
  QTest::mouseClick(exit.find<QCheckBox>("Check1"), Qt::LeftButton, {},
                    QPoint(8, exit.find<QCheckBox>("Check1")->height() / 2));
  QVERIFY(!exit.find<QCheckBox>("Check1")->isChecked());
  QTest::keyClick(exit.find<QCheckBox>("Check1"), Qt::Key_Space);
  QVERIFY(!exit.find<QCheckBox>("Check1")->isChecked());
  window.visitForum();  // a click that leaves the box unticked
  QTest::mouseClick(exit.find<LinkLabel>("lblGoToHome"), Qt::LeftButton);
  QCOMPARE(exit.launcher.addresses, (QStringList{web::pageAddress(web::Page::ForumHome),
                                                 web::pageAddress(web::Page::ForumHome),
                                                 web::pageAddress(web::Page::SoftwareCatalogue)}));

  QSignalSpy exitChosen(&window, &ExitWindow::exitChosen);
  QSignalSpy unloaded(&window, &ExitWindow::unloaded);
  QTest::keyClick(&window, Qt::Key_X, Qt::AltModifier);
  QTRY_COMPARE(exitChosen.size(), 1);
  window.close();
  QCOMPARE(unloaded.size(), 1);
}

void ExitTest::placeholders_data() {
  QTest::addColumn<QStringList>("steps");  // box, text before, on entering, typed, on leaving
  const auto row = [](const char* name, QStringList steps) { QTest::newRow(name) << steps; };
  row("placeholder", {"txtName", "Your Name", "", "", "Your Name"});
  row("placeholder in blanks", {"txtFriendName", "  Friend's Name ", "", "Bob", "Bob"});
  row("blanks only", {"txtEmail", "   ", "   ", "", "Your Email Address"});
  row("other letter case", {"txtFriendEmail", "friend's email address", "friend's email address",
                            "", "friend's email address"});
  row("a tab is no blank", {"txtName", "\tYour Name", "\tYour Name", "", "\tYour Name"});
  row("untouched message",
      {"txtMessage", "Your Message\r\n", "Your Message\r\n", "", "Your Message\r\n"});
  row("message placeholder", {"txtMessage", "Your Message", "", "", "Your Message"});
}

void ExitTest::placeholders() {
  QFETCH(QStringList, steps);
  ExitFixture exit;
  exit.showActive();
  QWidget& control = exit.box(steps[0]);
  exit.window.setText(control, steps[1]);
  control.setFocus(Qt::TabFocusReason);
  QCOMPARE(exit.window.text(control), steps[2]);
  QTest::keyClicks(&control, steps[3]);
  QTest::keyClick(&control, Qt::Key_Tab);
  QVERIFY(!control.hasFocus());
  QCOMPARE(exit.window.text(control), steps[4]);
}

void ExitTest::spaceKey_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<bool>("refused");
  QTest::newRow("txtEmail") << "txtEmail" << true;
  QTest::newRow("txtFriendEmail") << "txtFriendEmail" << true;
  QTest::newRow("txtName") << "txtName" << false;
  QTest::newRow("txtFriendName") << "txtFriendName" << false;
}

void ExitTest::spaceKey() {
  QFETCH(QString, box);
  QFETCH(bool, refused);
  ExitFixture exit;
  exit.showActive();
  QWidget& control = exit.box(box);
  control.setFocus(Qt::TabFocusReason);
  // Whatever takes the focus while the message is up, it comes back to the box.
  exit.messages.whileShown = [&] { exit.find<QPushButton>("cmdSubmit")->setFocus(); };
  QTest::keyClicks(&control, QStringLiteral("a b"));
  QCOMPARE(exit.window.text(control), refused ? QStringLiteral("ab") : QStringLiteral("a b"));
  QCOMPARE(exit.messages.texts(), refused ? QStringList{kNoSpace} : QStringList{});
  QCOMPARE(QApplication::focusWidget(), &control);
  if (refused) {
    QCOMPARE(exit.messages.shown.front().kind, MessageKind::InputError);
    QCOMPARE(exit.messages.shown.front().over.data(), &exit.window);
  }
}

// A real box takes the keyboard and gives it back (focus events with the reason "another window
// was activated"): that is no move between controls, so no placeholder comes or goes.
void ExitTest::realMessageBoxesAreNoFocusMove() {
  QtMessagePresenter presenter;
  ExitFixture exit(0.5f, &presenter);
  ExitWindow& window = exit.window;
  exit.showActive();
  struct Seen {
    QString text;
    QString emailBox;
    QString nameBox;
  } seen;
  const auto look = [&](QMessageBox& box) {
    QCOMPARE(box.windowTitle(), QStringLiteral("QX Geomancy"));
    QCOMPARE(box.icon(), QMessageBox::Critical);
    QCOMPARE(box.parentWidget(), &window);
    QVERIFY(box.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(QTest::qWaitForWindowActive(&box));
    seen = {box.text(), exit.find<QLineEdit>("txtEmail")->text(),
            exit.find<QLineEdit>("txtName")->text()};
  };

  exit.find<QLineEdit>("txtEmail")->setFocus(Qt::TabFocusReason);
  answerNextBox(window, look);
  QTest::keyClick(exit.find<QLineEdit>("txtEmail"), Qt::Key_Space);
  QCOMPARE(seen.text, kNoSpace);
  QCOMPARE(seen.emailBox, QString());
  QTRY_COMPARE(QApplication::focusWidget(), exit.find<QLineEdit>("txtEmail"));
  QCOMPARE(exit.find<QLineEdit>("txtEmail")->text(), QString());

  exit.find<QLineEdit>("txtName")->setFocus(Qt::TabFocusReason);
  answerNextBox(window, look);
  QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier);
  QTRY_COMPARE(seen.text, QStringLiteral("Please Enter Proper Email Address"));
  QCOMPARE(seen.nameBox, QString());
  QTRY_COMPARE(QApplication::focusWidget(), exit.find<QLineEdit>("txtName"));
  QCOMPARE(exit.find<QLineEdit>("txtName")->text(), QString());
}

void ExitTest::submitChecksInOrder_data() {
  QTest::addColumn<QStringList>("entries");  // name, email, friend's name, friend's email
  QTest::addColumn<QString>("message");      // empty: the request is sent
  const auto row = [](const char* name, QStringList entries, const char* message) {
    QTest::newRow(name) << entries << QString::fromLatin1(message);
  };
  const QString ann = QStringLiteral("ann@example.org");
  const QString bob = QStringLiteral("bob@example.org");
  const char* distinct = "Please Enter Distinct Email Addresses";
  const char* proper = "Please Enter Proper Email Address";
  row("both addresses empty", {"Ann", "", "Bob", ""}, distinct);
  row("both addresses on placeholders",
      {"Ann", "Your Email Address", "Bob", "Friend's Email Address"}, proper);
  row("equal once trimmed", {"Ann", " " + ann, "Bob", ann + "  "}, distinct);
  row("distinct before the name", {"Your Name", "", "Bob", ""}, distinct);
  row("differing in letter case only", {"Ann", "Ann@Example.org", "Bob", ann}, "");
  row("one address without @", {"Ann", "ann.example.org", "Bob", bob}, proper);
  row("one address without a dot", {"Ann", ann, "Bob", "bob@example"}, proper);
  row("name on its placeholder", {"Your Name", ann, "Bob", bob}, "Please Enter Your Name");
  row("friend's name blanks only", {"Ann", ann, "   ", bob}, "Please Enter Your Friend's Name");
  row("names and addresses trimmed", {"  Tom  Jones ", ann, " Bob", " " + bob}, "");
}

void ExitTest::submitChecksInOrder() {
  QFETCH(QStringList, entries);
  QFETCH(QString, message);
  ExitFixture exit;
  ExitWindow& window = exit.window;
  exit.showActive();
  QWidget* const boxes[] = {exit.find<QLineEdit>("txtName"), exit.find<QLineEdit>("txtEmail"),
                            exit.find<QLineEdit>("txtFriendName"),
                            exit.find<QLineEdit>("txtFriendEmail")};
  for (int i = 0; i < 4; ++i) window.setText(*boxes[i], entries.at(i));

  for (int attempt = 1; attempt <= 2; ++attempt) {
    QTest::mouseClick(exit.find<QPushButton>("cmdSubmit"), Qt::LeftButton);
    for (int i = 0; i < 4; ++i) QCOMPARE(window.text(*boxes[i]), entries.at(i));
    if (!message.isEmpty()) {
      QCOMPARE(exit.messages.texts(), QStringList(attempt, message));
      QCOMPARE(exit.launcher.addresses, QStringList{});
      continue;
    }
    QCOMPARE(exit.messages.texts(), QStringList{});
    QCOMPARE(exit.launcher.addresses.size(), attempt);
    QCOMPARE(exit.launcher.addresses.back(), exit.referral.address);
    const ReferralFields sent{trimSpaces(entries[0]), trimSpaces(entries[1]),
                              QStringLiteral("Your Message\r\n"), trimSpaces(entries[2]),
                              trimSpaces(entries[3])};
    QCOMPARE(exit.referral.address, web::referralAddress(sent));
  }
}

// As a person would: Tab from box to box, type, and send with the button's access key.
void ExitTest::requestTypedWithTheKeyboard() {
  ExitFixture exit;
  ExitWindow& window = exit.window;
  exit.showActive();
  const QStringList typed{QStringLiteral("Tom & Jerry"), QStringLiteral("ann+news@example.org"),
                          QStringLiteral("Zoé = 100%"), QStringLiteral("bob#1@example.org")};
  QTest::keyClick(&window, Qt::Key_Tab);  // from the check box to Exit
  for (const QString& text : typed) {
    QTest::keyClick(&window, Qt::Key_Tab);
    type(QApplication::focusWidget(), text);
  }
  QTest::keyClick(&window, Qt::Key_Tab);
  QTest::keyClick(&window, Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), exit.find<QPlainTextEdit>("txtMessage"));
  QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier);
  QTRY_COMPARE(exit.launcher.addresses.size(), 1);
  QCOMPARE(exit.messages.texts(), QStringList{});
  const QString address = exit.launcher.addresses.front();
  const auto decoded = decodeFormQuery(address.mid(address.indexOf(u'?') + 1).toLatin1());
  QVERIFY(decoded.has_value());
  QCOMPARE(*decoded, referralParameters(typed[0], typed[1], QStringLiteral("Your Message\r\n"),
                                        typed[2], typed[3], web::programHomeAddress()));
}

// Whatever is pasted, each box keeps at most its length, also when a full message box is typed
// into at its front; the longest request, every character encoded at its longest, stays far
// below the 128 KiB that one argument of a process may hold.
void ExitTest::entriesAreCutToLengthsThatAlwaysReachTheBrowser() {
  ExitFixture exit;
  const QString euros(3000, u'€');
  const QString pasted[] = {euros, QStringLiteral("a@b.") + euros, euros,
                            QStringLiteral("b@a.") + euros};
  QLineEdit* const boxes[] = {exit.find<QLineEdit>("txtName"), exit.find<QLineEdit>("txtEmail"),
                              exit.find<QLineEdit>("txtFriendName"),
                              exit.find<QLineEdit>("txtFriendEmail")};
  for (int i = 0; i < 4; ++i) boxes[i]->setText(pasted[i]);
  exit.find<QPlainTextEdit>("txtMessage")->setPlainText(euros);
  exit.find<QPlainTextEdit>("txtMessage")
      ->insertPlainText(QStringLiteral("\U0001F600"));  // at the front

  QTest::mouseClick(exit.find<QPushButton>("cmdSubmit"), Qt::LeftButton);
  QCOMPARE(exit.launcher.addresses.size(), 1);
  const QString address = exit.launcher.addresses.front();
  QVERIFY(address.toUtf8().size() < 32 * 1024);
  QCOMPARE(decodeFormQuery(address.mid(address.indexOf(u'?') + 1).toLatin1()),
           referralParameters(euros.left(100), pasted[1].left(254), euros.left(2000),
                              euros.left(100), pasted[3].left(254), web::programHomeAddress()));
}

// An X11 clipboard that nobody owns comes as data without a format; Qt's own text box would crash
// on it.
void ExitTest::pastingFromAnEmptyClipboardPastesNothing() {
  ExitFixture exit;
  exit.showActive();
  exit.find<QPlainTextEdit>("txtMessage")->setFocus();
  QApplication::clipboard()->setMimeData(new QMimeData);
  QTest::keyClick(exit.find<QPlainTextEdit>("txtMessage"), Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(exit.find<QPlainTextEdit>("txtMessage")->toPlainText(),
           QStringLiteral("Your Message\n"));
}

QTEST_MAIN(ExitTest)
#include "exit_window_test.moc"
