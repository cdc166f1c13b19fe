// SPDX-License-Identifier: MIT
#include "icon_picture.h"

#include <QIcon>
#include <QLabel>

#include "assets.h"

QLabel* createIconPicture(QWidget& parent, const QRect& geometry) {
  auto* picture = new QLabel(&parent);
  picture->setObjectName(QStringLiteral("Picture1"));
  picture->setGeometry(geometry);
  picture->setAccessibleName(QStringLiteral("Program icon"));
  picture->setPixmap(assets::programIcon().pixmap(geometry.size()));
  return picture;
}
