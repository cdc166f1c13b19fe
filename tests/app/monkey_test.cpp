// SPDX-License-Identifier: MIT
// The whole program on fake seams, sent thousands of random clicks, keys, typed text and close
// requests, with the program's invariants checked after every one. QXG_MONKEY_SEED picks the
// run (a failure prints the seed to repeat it), QXG_MONKEY_EVENTS its length; QXG_MONKEY_TRACE
// lists every event sent.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSet>
#include <QTimer>
#include <QWindow>
#include <QtTest>
#include <random>

#include "fake_platform.h"
#include "link_label.h"
#include "pages.h"
#include "program.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int kDefaultEvents = 800;
#else
constexpr int kDefaultEvents = 4000;
#endif
constexpr std::uint32_t kDefaultSeed = 20261207;

// Endless draws for as many readings as the run makes, the same for the same seed. The program's
// own reseeding is ignored so that a seed repeats its run.
class SeededRandomSource final : public geomancy::RandomSource {
 public:
  explicit SeededRandomSource(std::uint32_t seed) : engine_(seed) {}
  float draw() override { return static_cast<float>(engine_() >> 8) / 16777216.0f; }
  void seed(std::uint64_t) override {}

 private:
  std::mt19937 engine_;
};

QSet<QString> fixedAddresses() {
  using web::Page;
  QSet<QString> addresses;
  for (const Page page : {Page::ForumHome, Page::OnlineHelp, Page::UpdatePage, Page::DonatePage,
                          Page::FullyBrandedPage, Page::CoBrandPage, Page::SoftwareCatalogue}) {
    addresses.insert(web::pageAddress(page));
  }
  return addresses;
}

const int kKeys[] = {Qt::Key_Tab,   Qt::Key_Backtab, Qt::Key_Space, Qt::Key_Return,
                     Qt::Key_Enter, Qt::Key_Escape,  Qt::Key_X,     Qt::Key_B,
                     Qt::Key_F,     Qt::Key_H,       Qt::Key_N,     Qt::Key_A,
                     Qt::Key_O,     Qt::Key_D,       Qt::Key_V,     Qt::Key_At};
const char* const kTexts[] = {"Tom", "ann@example.org", "  ", "Your Name", "a&b=c+d%", "#1 = 100%"};

}  // namespace

class MonkeyTest : public QObject {
  Q_OBJECT

 private slots:
  void randomEventsKeepTheInvariants();

 private:
  void startProgram();
  void scheduleStep();
  void step();
  void sendRandomEvent();
  [[nodiscard]] QWidget* targetWindow();
  [[nodiscard]] static QWidget* keyTarget();
  void clickSomething(QWidget& window);
  void exitAndClickAMenuTitle(QWidget& window);
  void clickAHiddenWindowsMenuTitle();
  void check(const QString& event);
  void fail(const QString& event, const QString& what);

  template <typename T>
  T pick(const QList<T>& items) {
    return items.at(static_cast<qsizetype>(random_() % static_cast<std::uint32_t>(items.size())));
  }
  int below(int n) { return static_cast<int>(random_() % static_cast<std::uint32_t>(n)); }

  std::uint32_t seed_ = kDefaultSeed;
  std::mt19937 random_;
  std::unique_ptr<SeededRandomSource> draws_;
  std::unique_ptr<FakePlatform> platform_;
  std::unique_ptr<Program> program_;
  QSet<QString> fixedAddresses_;
  int eventsLeft_ = 0;
  int eventsSent_ = 0;
  int programsEnded_ = 0;
  int readingsShown_ = 0;
  Program::State lastState_ = Program::State::Starting;
  QString failure_;
  bool finished_ = false;
  bool stepPending_ = false;
  bool trace_ = qEnvironmentVariableIsSet("QXG_MONKEY_TRACE");
};

void MonkeyTest::randomEventsKeepTheInvariants() {
  bool ok = false;
  const int seed = qEnvironmentVariableIntValue("QXG_MONKEY_SEED", &ok);
  if (ok) seed_ = static_cast<std::uint32_t>(seed);
  const int events = qEnvironmentVariableIntValue("QXG_MONKEY_EVENTS", &ok);
  eventsLeft_ = ok ? events : kDefaultEvents;
  random_.seed(seed_);
  draws_ = std::make_unique<SeededRandomSource>(seed_);
  fixedAddresses_ = fixedAddresses();
  startProgram();

  // Each event is sent from the event loop, so that a modal window's own loop (the About window)
  // goes on receiving them.
  scheduleStep();
  QTRY_VERIFY_WITH_TIMEOUT(finished_, 600000);
  if (!failure_.isEmpty()) QFAIL(qPrintable(failure_));
  qInfo("seed %u: %d events, %d readings shown, %d programs ended", seed_, eventsSent_,
        readingsShown_, programsEnded_);
}

void MonkeyTest::startProgram() {
  program_.reset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  platform_ = std::make_unique<FakePlatform>();
  platform_->messages.whileShown = [this] {
    const bool yes = below(2) == 0;
    platform_->messages.answers.push_back(yes ? MessageAnswer::Yes : MessageAnswer::No);
  };
  program_ = std::make_unique<Program>(Seams{*draws_, platform_->launcher, platform_->messages,
                                             platform_->settings, platform_->calendar,
                                             platform_->instanceLock, platform_->processEnd});
  program_->startProgram();
}

// One step at a time is pending, whichever event loop runs it.
void MonkeyTest::scheduleStep() {
  if (stepPending_) return;
  stepPending_ = true;
  QTimer::singleShot(0, this, &MonkeyTest::step);
}

void MonkeyTest::step() {
  stepPending_ = false;
  if (eventsLeft_ <= 0 || !failure_.isEmpty()) {
    // The run is over: a modal window still open closes, so that its loop returns.
    if (QWidget* modal = QApplication::activeModalWidget()) {
      modal->close();
      scheduleStep();
    } else {
      finished_ = true;
    }
    return;
  }
  // Scheduled before the event, which may open a modal window and run its loop until it closes.
  scheduleStep();
  if (program_->state() == Program::State::Ended) {
    // Only from the outermost loop: an ended program is discarded with its windows.
    if (QWidget* modal = QApplication::activeModalWidget()) {
      modal->close();
      return;
    }
    ++programsEnded_;
    startProgram();
    check(QStringLiteral("a fresh start"));
    return;
  }
  --eventsLeft_;
  ++eventsSent_;
  sendRandomEvent();
}

QWidget* MonkeyTest::targetWindow() {
  if (QWidget* popup = QApplication::activePopupWidget()) return popup;
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  QList<QWidget*> windows;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible()) windows << window;
  }
  return windows.isEmpty() ? nullptr : pick(windows);
}

// Where the platform delivers a key: to an open menu, else to the focus of the modal window or
// of the active one.
QWidget* MonkeyTest::keyTarget() {
  if (QWidget* popup = QApplication::activePopupWidget()) return popup;
  QWidget* active = QApplication::activeModalWidget();
  if (active == nullptr) active = QApplication::activeWindow();
  if (active == nullptr) return nullptr;
  QWidget* focus = active->focusWidget();
  return focus != nullptr ? focus : active;
}

void MonkeyTest::sendRandomEvent() {
  QWidget* window = targetWindow();
  if (window == nullptr) {
    check(QStringLiteral("no window to send to"));
    return;
  }
  const QString where = window->objectName();
  QString event;
  const int roll = below(100);
  // The casting window is pressed on half the time, so that readings get finished.
  if (window->objectName() == QLatin1String("frmMain") && below(2) == 0) {
    event = QStringLiteral("Space in CastingWindow");
    if (QWidget* target = keyTarget()) QTest::keyClick(target, Qt::Key_Space);
  } else if (roll < 40) {
    event = QStringLiteral("a click in ") + where;
    clickSomething(*window);
  } else if (roll < 72) {
    const int key = kKeys[below(std::size(kKeys))];
    const Qt::KeyboardModifiers modifiers = below(4) == 0 ? Qt::AltModifier : Qt::NoModifier;
    event = QStringLiteral("key %1/%2 to %3").arg(key).arg(int(modifiers)).arg(where);
    if (QWidget* target = keyTarget()) {
      QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    }
  } else if (roll < 82) {
    event = QStringLiteral("text typed into ") + where;
    // Key by key to whichever widget takes keys by then, as typing reaches the program.
    for (const char c : std::string_view(kTexts[below(std::size(kTexts))])) {
      if (QWidget* target = keyTarget()) QTest::keyClick(target, c);
    }
  } else if (roll < 84) {
    event = QStringLiteral("a close request to ") + where;
    if (QWindow* handle = window->windowHandle()) handle->close();
  } else if (roll < 86) {
    event = QStringLiteral("File > Exit of %1 and a click on a menu title at once").arg(where);
    exitAndClickAMenuTitle(*window);
  } else {
    event = QStringLiteral("a click queued for a window that has gone");
    clickAHiddenWindowsMenuTitle();
  }
  check(event);
}

// One of the window's enabled buttons, links, text boxes, or a title or an item of a menu, clicked
// in its middle.
void MonkeyTest::clickSomething(QWidget& window) {
  if (auto* menu = qobject_cast<QMenu*>(&window)) {
    QList<QAction*> actions;
    for (QAction* action : menu->actions()) {
      if (!action->isSeparator()) actions << action;
    }
    if (!actions.isEmpty()) {
      QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(pick(actions)).center());
    }
    return;
  }
  QList<QWidget*> targets;
  for (QWidget* child : window.findChildren<QWidget*>()) {
    if (child->isVisible() && child->isEnabled() &&
        (qobject_cast<QAbstractButton*>(child) || qobject_cast<LinkLabel*>(child) ||
         qobject_cast<QLineEdit*>(child) || qobject_cast<QPlainTextEdit*>(child) ||
         qobject_cast<QMenuBar*>(child))) {
      targets << child;
    }
  }
  if (targets.isEmpty()) return;
  QWidget* target = pick(targets);
  if (auto* bar = qobject_cast<QMenuBar*>(target)) {
    const QList<QAction*> titles = bar->actions();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(pick(titles)).center());
  } else {
    QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
  }
}

// The click was queued before Exit was handled: it reaches the menu bar after its window closed.
void MonkeyTest::exitAndClickAMenuTitle(QWidget& window) {
  auto* exit = window.findChild<QAction*>(QStringLiteral("mnuExit"));
  auto* bar = window.findChild<QMenuBar*>(QStringLiteral("menuBar"));
  if (exit == nullptr || bar == nullptr || QApplication::activePopupWidget() != nullptr) return;
  const QPoint title = bar->actionGeometry(bar->actions().at(below(2))).center();
  exit->trigger();
  QTest::mousePress(bar, Qt::LeftButton, {}, title);
  QTest::mouseRelease(bar, Qt::LeftButton, {}, title);
}

// What a click queued while a window was still on screen does once the window has been hidden
// or closed: it reaches the window's menu bar all the same. Only a window that has been on
// screen can have had a click queued.
void MonkeyTest::clickAHiddenWindowsMenuTitle() {
  if (QApplication::activeModalWidget() != nullptr) return;
  QList<QWidget*> hidden;
  for (QWidget* window : {static_cast<QWidget*>(program_->castingWindow()),
                          static_cast<QWidget*>(program_->resultWindow())}) {
    if (window != nullptr && window->windowHandle() != nullptr && !window->isVisible()) {
      hidden << window;
    }
  }
  if (hidden.isEmpty()) return;
  auto* bar = pick(hidden)->findChild<QMenuBar*>(QStringLiteral("menuBar"));
  const QPoint title = bar->actionGeometry(bar->actions().at(below(2))).center();
  QTest::mousePress(bar, Qt::LeftButton, {}, title);
  QTest::mouseRelease(bar, Qt::LeftButton, {}, title);
}

void MonkeyTest::check(const QString& event) {
  if (trace_) {
    QStringList shown;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
      if (window->isVisible()) shown << window->objectName();
    }
    qInfo("%d: %s; state %d, on screen: %s", eventsSent_, qPrintable(event), int(program_->state()),
          qPrintable(shown.join(QLatin1Char(' '))));
  }
  const geomancy::ProgramState& state = program_->programState();
  const int counter = state.stepCounter;
  if (counter < 0 || counter > 16) {
    return fail(event, QStringLiteral("the step counter is %1").arg(counter));
  }
  const auto rows = static_cast<int>(state.chart.rows().size());
  int drawn = 0;
  if (CastingWindow* casting = program_->castingWindow()) {
    for (const QLabel* box : casting->findChildren<QLabel*>()) {
      if (box->objectName().startsWith(QLatin1String("picCircle_")) && !box->isHidden()) ++drawn;
    }
    if (rows != drawn || rows % 4 != 0 || rows != 4 * std::min(counter, 15)) {
      return fail(event, QStringLiteral("%1 rows stored, %2 points drawn, counter %3")
                             .arg(rows)
                             .arg(drawn)
                             .arg(counter));
    }
  }
  for (const QWidget* window : QApplication::topLevelWidgets()) {
    if (!window->isVisible()) continue;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
      if (label->isVisible() && !label->objectName().isEmpty() &&
          label->text() == label->objectName()) {
        return fail(event, QStringLiteral("%1 shows its design caption").arg(label->objectName()));
      }
    }
    for (const QPlainTextEdit* box : window->findChildren<QPlainTextEdit*>()) {
      if (box->isVisible() && box->toPlainText() == box->objectName()) {
        return fail(event, QStringLiteral("%1 shows its design caption").arg(box->objectName()));
      }
    }
  }
  const QString referAFriend = web::pageAddress(web::Page::ReferAFriend) + QLatin1Char('?');
  for (const QString& address : platform_->launcher.addresses) {
    if (!fixedAddresses_.contains(address) && !address.startsWith(referAFriend)) {
      return fail(event, QStringLiteral("opened %1").arg(address));
    }
  }
  if (const QWidget* popup = QApplication::activePopupWidget()) {
    const QWidget* owner = popup->parentWidget();
    if (owner != nullptr && !owner->window()->isVisible()) {
      return fail(
          event,
          QStringLiteral("the menu %1 of a window off screen is open").arg(popup->objectName()));
    }
  }
  if (program_->state() == Program::State::Result && lastState_ != Program::State::Result) {
    ++readingsShown_;
  }
  lastState_ = program_->state();
  const bool ended = program_->state() == Program::State::Ended;
  const QList<int> expectedEnd = ended ? QList<int>{0} : QList<int>{};
  if (platform_->processEnd.statuses != expectedEnd) {
    return fail(event, QStringLiteral("the process ended %1 times in state %2")
                           .arg(platform_->processEnd.statuses.size())
                           .arg(int(program_->state())));
  }
  if (!ended && targetWindow() == nullptr) {
    return fail(event, QStringLiteral("the program runs without a window"));
  }
}

void MonkeyTest::fail(const QString& event, const QString& what) {
  failure_ = QStringLiteral("after event %1 (%2): %3. Repeat with QXG_MONKEY_SEED=%4")
                 .arg(eventsSent_)
                 .arg(event, what)
                 .arg(seed_);
}

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
