#include "assets.h"

#include <QSize>
#include <QString>
#include <array>

// Q_INIT_RESOURCE declares the resource's registration function where it stands, so it must
// stand outside every namespace, the unnamed one included.
static void registerResources() {
  Q_INIT_RESOURCE(assets);
}

namespace {

constexpr std::array<int, 7> kIconSizes{16, 24, 32, 48, 64, 128, 256};

}  // namespace

namespace assets {

void initAssets() {
  static const bool registered = (registerResources(), true);
  (void)registered;
}

QPixmap pointPicture(int image) {
  if (image != 1 && image != 2) return {};
  initAssets();
  // QPixmap keeps loaded files in QPixmapCache, so the sixty boxes of the casting window share
  // two decoded pictures.
  return QPixmap(QStringLiteral(":/assets/%1.jpg").arg(image));
}

QIcon programIcon() {
  initAssets();
  QIcon icon;
  for (int size : kIconSizes)
    icon.addFile(QStringLiteral(":/assets/icons/qxgeomancy-%1.png").arg(size), QSize(size, size));
  return icon;
}

}  // namespace assets
