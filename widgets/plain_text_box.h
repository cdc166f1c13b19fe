// SPDX-License-Identifier: MIT
#pragma once

#include <QPlainTextEdit>

// A plain text box that pastes nothing from an empty clipboard. Qt 6.4's own reads the first
// format of whatever it is given to paste, and an X11 clipboard or selection that nobody owns
// comes as data without a single format: Ctrl+V or a middle click there would end the program.
class PlainTextBox final : public QPlainTextEdit {
  Q_OBJECT

 public:
  using QPlainTextEdit::QPlainTextEdit;

 protected:
  void insertFromMimeData(const QMimeData* source) override;
};
