// SPDX-License-Identifier: MIT
// Every link label of the four windows, as a screen reader finds it: a link, named and described,
// with one action that follows it.
#include <QAccessible>
#include <QtTest>

#include "about_dialog.h"
#include "casting_window.h"
#include "exit_window.h"
#include "link_label.h"
#include "program_state.h"
#include "recording_link_launcher.h"
#include "referral_request.h"
#include "result_window.h"
#include "scripted_message_presenter.h"
#include "scripted_random_source.h"

class AccessibleLinksTest : public QObject {
  Q_OBJECT

 private slots:
  void everyLinkCanBeFollowed() {
    RecordingLinkLauncher launcher;
    ScriptedRandomSource random({0.5f});
    geomancy::ProgramState state(random);
    ResultWindow result(launcher);
    CastingWindow casting(state, launcher, [&]() -> geomancy::DisplayFields& { return result; });
    AboutDialog about(launcher);
    ScriptedMessagePresenter messages;
    referral::Request request;
    ExitWindow exit(random, launcher, messages, request);

    qsizetype links = 0;
    for (QWidget* window : std::initializer_list<QWidget*>{&casting, &result, &about, &exit}) {
      for (LinkLabel* link : window->findChildren<LinkLabel*>()) {
        const QString name = link->objectName();
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(link);
        QVERIFY2(face != nullptr, qPrintable(name));
        QCOMPARE(face->role(), QAccessible::Link);
        QVERIFY(face->state().linked);
        QCOMPARE(face->text(QAccessible::Name),
                 link->accessibleName().isEmpty() ? link->text() : link->accessibleName());
        QCOMPARE(face->text(QAccessible::Description), link->accessibleDescription());
        QAccessibleActionInterface* actions = face->actionInterface();
        QVERIFY2(actions != nullptr, qPrintable(name));
        QCOMPARE(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(launcher.addresses.size(), ++links);
      }
    }
    QCOMPARE(links, 9);  // three promotion labels in each main window, two in About, one in Exit
  }
};

QTEST_MAIN(AccessibleLinksTest)
#include "accessible_links_test.moc"
