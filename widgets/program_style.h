// SPDX-License-Identifier: MIT
#pragma once

#include <QProxyStyle>

// The program's style: the one Qt chose for the platform (or the user's -style), except that the
// overflow button of a menu bar or tool bar gets its picture when first drawn. Every menu bar makes
// that button, hidden, and our windows never show it; making its picture reads an image file, which
// loads every image plug-in Qt has (the JPEG one brings libjpeg), about 1 ms before the casting
// window can appear.
class ProgramStyle final : public QProxyStyle {
 public:
  // Takes the chosen style over: QApplication::setStyle(new ProgramStyle(QApplication::style())).
  explicit ProgramStyle(QStyle* chosen) : QProxyStyle(chosen) {}

  [[nodiscard]] QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                                   const QWidget* widget = nullptr) const override;
};
