// SPDX-License-Identifier: MIT
#include "assets.h"

#include <QByteArray>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QResource>
#include <QSize>
#include <QString>
#include <algorithm>
#include <array>

// Q_INIT_RESOURCE declares the resource's registration function where it stands, so it must
// stand outside every namespace, the unnamed one included.
static void registerResources() {
  Q_INIT_RESOURCE(assets);
}

namespace {

constexpr std::array<int, 7> kIconSizes{16, 24, 32, 48, 64, 128, 256};
constexpr int kPictureWidth = 66;
constexpr int kPictureHeight = 20;
constexpr int kBytesPerPixel = 3;

// A point picture carried as the pixels of its JPEG file, decoded when the pictures were drawn
// (tools/make_assets): showing it needs no decoder and no image plug-in.
QPixmap pixelsOf(const QString& resource) {
  const QResource pixels(resource);
  if (pixels.size() != qint64{kPictureWidth} * kPictureHeight * kBytesPerPixel) return {};
  const QByteArray bytes = pixels.uncompressedData();
  const QImage image(reinterpret_cast<const uchar*>(bytes.constData()), kPictureWidth,
                     kPictureHeight, kPictureWidth * kBytesPerPixel, QImage::Format_RGB888);
  return QPixmap::fromImage(image);
}

QString iconFile(int size) {
  return QStringLiteral(":/assets/icons/qxgeomancy-%1.png").arg(size);
}

// Hands out the icon's files at their own sizes and keeps no decoded picture.
class IconFileEngine final : public QIconEngine {
 public:
  QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
    return QPixmap::fromImage(QImage(iconFile(bestSize(size))));
  }
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
  }
  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
    const int side = bestSize(size);
    return QSize(side, side);
  }
  // Largest first: whoever collects every size (the title bar's icon does) then starts with the
  // largest buffer it will need and does not have to grow it, and copy it, on the way.
  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    QList<QSize> sizes;
    for (auto size = kIconSizes.rbegin(); size != kIconSizes.rend(); ++size) {
      sizes.append(QSize(*size, *size));
    }
    return sizes;
  }
  [[nodiscard]] QIconEngine* clone() const override { return new IconFileEngine; }

 private:
  // The smallest file at least as large as asked, or the largest.
  static int bestSize(const QSize& size) {
    const int wanted = std::max(size.width(), size.height());
    for (int side : kIconSizes) {
      if (side >= wanted) return side;
    }
    return kIconSizes.back();
  }
};

}  // namespace

namespace assets {

void initAssets() {
  static const bool registered = (registerResources(), true);
  (void)registered;
}

QPixmap pointPicture(int image) {
  if (image != 1 && image != 2) return {};
  initAssets();
  // Made once; the sixty boxes of the casting window share the two pictures.
  static const std::array<QPixmap, 2> pictures{pixelsOf(QStringLiteral(":/assets/1.rgb")),
                                               pixelsOf(QStringLiteral(":/assets/2.rgb"))};
  return pictures.at(static_cast<std::size_t>(image - 1));
}

QIcon programIcon() {
  initAssets();
  QIcon icon;
  for (int size : kIconSizes) icon.addFile(iconFile(size), QSize(size, size));
  return icon;
}

QIcon windowIcon() {
  initAssets();
  return QIcon(new IconFileEngine);
}

}  // namespace assets
