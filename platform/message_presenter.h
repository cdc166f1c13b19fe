// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <memory>

class QMessageBox;
class QWidget;

// The three kinds of message the program shows, each modal and titled "QX Geomancy":
//   Information  information icon, OK
//   InputError   critical icon, OK
//   Question     information icon, Yes and No, Yes the default
enum class MessageKind { Information, InputError, Question };

enum class MessageAnswer { Ok, Yes, No };

// The title of every message box.
inline const QString kApplicationTitle = QStringLiteral("QX Geomancy");

// Where the program's message boxes come from. The program shows real ones; tests answer them.
class MessagePresenter {
 public:
  virtual ~MessagePresenter() = default;

  // Shows the message and returns when it has been answered. `over` is the window it stands
  // over (and above, if that window stays on top), which has the keyboard again afterwards;
  // nullptr shows it alone.
  virtual MessageAnswer present(MessageKind kind, const QString& text, QWidget* over) = 0;

  void inform(const QString& text, QWidget* over = nullptr);
  void reportInputError(const QString& text, QWidget* over = nullptr);
  // True when the answer was Yes.
  [[nodiscard]] bool askYesNo(const QString& text, QWidget* over = nullptr);
};

class QtMessagePresenter final : public MessagePresenter {
 public:
  MessageAnswer present(MessageKind kind, const QString& text, QWidget* over) override;
};

// The box as QtMessagePresenter shows it. A carriage return in the text, the program's way of
// joining two sentences, becomes a line break.
[[nodiscard]] std::unique_ptr<QMessageBox> createMessageBox(MessageKind kind, const QString& text,
                                                            QWidget* over);
