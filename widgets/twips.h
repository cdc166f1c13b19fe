// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QSize>

// Layout values are kept in twips, as the windows were designed: 15 twips to a device-independent
// pixel (1/1440 inch at 96 dots per inch). This is the one place where they become pixels.
namespace twips {

inline constexpr int kPerPixel = 15;

[[nodiscard]] constexpr int toPixels(int twips) noexcept {
  // Round half away from zero, so that -60 and 60 twips are mirror images.
  return twips >= 0 ? (twips + kPerPixel / 2) / kPerPixel : -((-twips + kPerPixel / 2) / kPerPixel);
}

[[nodiscard]] constexpr QRect rect(int left, int top, int width, int height) noexcept {
  return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

[[nodiscard]] constexpr QSize size(int width, int height) noexcept {
  return QSize(toPixels(width), toPixels(height));
}

}  // namespace twips
