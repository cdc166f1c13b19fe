// SPDX-License-Identifier: MIT
#include "plain_text_box.h"

#include <QMimeData>

void PlainTextBox::insertFromMimeData(const QMimeData* source) {
  if (source != nullptr && !source->formats().isEmpty()) QPlainTextEdit::insertFromMimeData(source);
}
