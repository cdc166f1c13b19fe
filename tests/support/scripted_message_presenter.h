// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <deque>
#include <functional>

#include "message_presenter.h"

// Answers the program's message boxes: with the scripted answers in order, then with each box's
// default button. Keeps what was shown.
class ScriptedMessagePresenter final : public MessagePresenter {
 public:
  struct Shown {
    MessageKind kind;
    QString text;
    QPointer<QWidget> over;
  };

  MessageAnswer present(MessageKind kind, const QString& text, QWidget* over) override {
    shown.append(Shown{kind, text, over});
    if (whileShown) whileShown();
    if (!answers.empty()) {
      const MessageAnswer answer = answers.front();
      answers.pop_front();
      return answer;
    }
    return kind == MessageKind::Question ? MessageAnswer::Yes : MessageAnswer::Ok;
  }

  [[nodiscard]] QStringList texts() const {
    QStringList result;
    for (const Shown& message : shown) result << message.text;
    return result;
  }

  QList<Shown> shown;
  std::deque<MessageAnswer> answers;
  // Runs while a message is up, to look at the program at that moment.
  std::function<void()> whileShown;
};
