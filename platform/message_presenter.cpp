// SPDX-License-Identifier: MIT
#include "message_presenter.h"

#include <QMessageBox>
#include <QPointer>

#include "assets.h"

void MessagePresenter::inform(const QString& text, QWidget* over) {
  (void)present(MessageKind::Information, text, over);
}

void MessagePresenter::reportInputError(const QString& text, QWidget* over) {
  (void)present(MessageKind::InputError, text, over);
}

bool MessagePresenter::askYesNo(const QString& text, QWidget* over) {
  return present(MessageKind::Question, text, over) == MessageAnswer::Yes;
}

std::unique_ptr<QMessageBox> createMessageBox(MessageKind kind, const QString& text,
                                              QWidget* over) {
  QWidget* window = over != nullptr ? over->window() : nullptr;
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
      .replace(QLatin1Char('\r'), QLatin1Char('\n'));

  auto box = std::make_unique<QMessageBox>(window);
  box->setObjectName(QStringLiteral("messageBox"));
  box->setWindowTitle(kApplicationTitle);
  // The program's icon is set for all windows only once the casting window has painted; a box
  // may come before that (the update question, a second start's message).
  box->setWindowIcon(assets::windowIcon());
  box->setTextFormat(Qt::PlainText);
  box->setText(shown);
  box->setIcon(kind == MessageKind::InputError ? QMessageBox::Critical : QMessageBox::Information);
  if (kind == MessageKind::Question) {
    box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box->setDefaultButton(QMessageBox::Yes);
  } else {
    box->setStandardButtons(QMessageBox::Ok);
    box->setDefaultButton(QMessageBox::Ok);
  }
  // Setting the modality resets the window flags, so it comes first.
  box->setWindowModality(Qt::ApplicationModal);
  // A box over a window that stays on top must stay on top too, or it would open behind it.
  if (window != nullptr && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
    box->setWindowFlag(Qt::WindowStaysOnTopHint);
  }
  return box;
}

MessageAnswer QtMessagePresenter::present(MessageKind kind, const QString& text, QWidget* over) {
  // The window the box stands over owns it too: should that window go while the box is open,
  // the box goes with it, and the answer is the one closing the box gives.
  const QPointer<QMessageBox> box = createMessageBox(kind, text, over).release();
  const int button = box->exec();
  if (box.isNull()) return kind == MessageKind::Question ? MessageAnswer::No : MessageAnswer::Ok;
  // The keyboard goes back to the window the box stood over, to the control that had it; not
  // every platform does that by itself once a box has closed.
  if (QWidget* window = box->parentWidget(); window != nullptr && window->isVisible()) {
    window->activateWindow();
  }
  delete box.data();
  switch (button) {
    case QMessageBox::Yes:
      return MessageAnswer::Yes;
    case QMessageBox::No:
      return MessageAnswer::No;
    default:
      return kind == MessageKind::Question ? MessageAnswer::No : MessageAnswer::Ok;
  }
}
