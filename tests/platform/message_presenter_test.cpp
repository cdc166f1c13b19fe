// SPDX-License-Identifier: MIT
// The program's message boxes as QtMessagePresenter shows them: title, icon, buttons, default,
// the carriage return between two sentences, the window they stand over, and the answer.
#include "message_presenter.h"

#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <utility>

Q_DECLARE_METATYPE(MessageKind)
Q_DECLARE_METATYPE(MessageAnswer)
Q_DECLARE_METATYPE(QMessageBox::Icon)
Q_DECLARE_METATYPE(QMessageBox::StandardButtons)
Q_DECLARE_METATYPE(QMessageBox::StandardButton)

class LinksMessagesTest : public QObject {
  Q_OBJECT

 private slots:
  void boxes_data();
  void boxes();
  void answers_data();
  void answers();
  void theWindowGoesWhileTheBoxIsOpen();
};

void LinksMessagesTest::boxes_data() {
  QTest::addColumn<MessageKind>("kind");
  QTest::addColumn<QMessageBox::Icon>("icon");
  QTest::addColumn<QMessageBox::StandardButtons>("buttons");
  QTest::addColumn<QMessageBox::StandardButton>("defaultButton");
  QTest::newRow("information") << MessageKind::Information << QMessageBox::Information
                               << QMessageBox::StandardButtons(QMessageBox::Ok) << QMessageBox::Ok;
  QTest::newRow("input error") << MessageKind::InputError << QMessageBox::Critical
                               << QMessageBox::StandardButtons(QMessageBox::Ok) << QMessageBox::Ok;
  QTest::newRow("question") << MessageKind::Question << QMessageBox::Information
                            << (QMessageBox::Yes | QMessageBox::No) << QMessageBox::Yes;
}

void LinksMessagesTest::boxes() {
  QFETCH(MessageKind, kind);
  QFETCH(QMessageBox::Icon, icon);
  QFETCH(QMessageBox::StandardButtons, buttons);
  QFETCH(QMessageBox::StandardButton, defaultButton);

  QWidget plain;
  QWidget topmost;
  topmost.setWindowFlag(Qt::WindowStaysOnTopHint);
  QWidget* child = new QWidget(&topmost);
  for (QWidget* over : {static_cast<QWidget*>(nullptr), &plain, child}) {
    const auto box = createMessageBox(kind, QStringLiteral("First line\rSecond line"), over);
    QCOMPARE(box->windowTitle(), QStringLiteral("QX Geomancy"));
    QCOMPARE(box->windowIcon().availableSizes().size(), 7);
    QCOMPARE(box->icon(), icon);
    QCOMPARE(box->standardButtons(), buttons);
    QCOMPARE(box->defaultButton(), box->button(defaultButton));
    QCOMPARE(box->windowModality(), Qt::ApplicationModal);
    // The sentences stand on two lines, as the label shows them.
    QCOMPARE(box->text(), QStringLiteral("First line\nSecond line"));
    QCOMPARE(box->textFormat(), Qt::PlainText);
    // It stands over the window of the widget it was given, and above it if that stays on top.
    QCOMPARE(box->parentWidget(), over != nullptr ? over->window() : nullptr);
    QCOMPARE(box->windowFlags().testFlag(Qt::WindowStaysOnTopHint), over == child);
  }
}

void LinksMessagesTest::answers_data() {
  QTest::addColumn<MessageKind>("kind");
  QTest::addColumn<int>("key");
  QTest::addColumn<MessageAnswer>("answer");
  QTest::newRow("information, Enter")
      << MessageKind::Information << int(Qt::Key_Return) << MessageAnswer::Ok;
  QTest::newRow("input error, Escape")
      << MessageKind::InputError << int(Qt::Key_Escape) << MessageAnswer::Ok;
  QTest::newRow("question, Enter is Yes")
      << MessageKind::Question << int(Qt::Key_Return) << MessageAnswer::Yes;
  QTest::newRow("question, N") << MessageKind::Question << int(Qt::Key_N) << MessageAnswer::No;
  QTest::newRow("question, Escape is No")
      << MessageKind::Question << int(Qt::Key_Escape) << MessageAnswer::No;
}

void LinksMessagesTest::answers() {
  QFETCH(MessageKind, kind);
  QFETCH(int, key);
  QFETCH(MessageAnswer, answer);
  QString shownText;
  QTimer::singleShot(0, this, [&] {
    QWidget* box = QApplication::activeModalWidget();
    if (box == nullptr) return;
    shownText = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
    QTest::keyClick(box, Qt::Key(key));
  });
  QtMessagePresenter presenter;
  QCOMPARE(presenter.present(kind, QStringLiteral("Is it?"), nullptr), answer);
  QCOMPARE(shownText, QStringLiteral("Is it?"));
}

// The box belongs to the window it stands over: when that window goes (the program ends) while
// the box is open, the box goes with it and the answer is the one closing the box gives.
void LinksMessagesTest::theWindowGoesWhileTheBoxIsOpen() {
  for (const auto& [kind, answer] : {std::pair{MessageKind::Question, MessageAnswer::No},
                                     std::pair{MessageKind::Information, MessageAnswer::Ok}}) {
    auto* window = new QWidget;
    window->show();
    QPointer<QWidget> box;
    QTimer::singleShot(0, this, [&] {
      box = QApplication::activeModalWidget();
      delete window;
    });
    QtMessagePresenter presenter;
    QCOMPARE(presenter.present(kind, QStringLiteral("Is it?"), window), answer);
    QVERIFY(box.isNull());
  }
}

QTEST_MAIN(LinksMessagesTest)
#include "message_presenter_test.moc"
