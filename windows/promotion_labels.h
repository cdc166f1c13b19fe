// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <cstdint>

#include "link_label.h"

class LinkLauncher;
class QWidget;

namespace geomancy {
class RandomSource;
}

// The three link labels that both main windows carry: the forum's ("Label61"), co-branding's
// ("lblCobrand") and full branding's ("lblFullBrand"). The window owns them (as children) and
// places them.
struct PromotionLabels {
  LinkLabel* forum = nullptr;
  LinkLabel* coBrand = nullptr;
  LinkLabel* fullBrand = nullptr;
};

// The captions as designed. The co-branding caption keeps its "&&", the label's escape for one
// "&"; the labels themselves show a single "&".
[[nodiscard]] QString forumCaption();
[[nodiscard]] QString coBrandCaption();
[[nodiscard]] QString fullBrandCaption();

// Creates the forum label in forumParent (centred, transparent, bold underlined Verdana at
// forumPoints), then the co-branding and the full branding label in `frame` (opaque dark grey,
// bold underlined Verdana 8.25), so that the full branding label lies in front. Each opens its
// page when clicked. The caller sets their geometry.
[[nodiscard]] PromotionLabels createPromotionLabels(QWidget* forumParent, QWidget* frame,
                                                    double forumPoints, LinkLauncher& launcher);

// r x 6 + 1 rounded to the nearest whole number, halves to the even one: 1 to 7 for 0 <= r < 1.
// The product is taken in double, where it is exact for every single-precision draw: a half
// arises only where r is exactly (2k - 1) / 12, which a float holds for 1/4 and 3/4 alone.
[[nodiscard]] std::int16_t promotionNumber(float r) noexcept;

// Draws once and keeps the number; 1, 3 and 5 bring the co-branding label to the front, 2, 4
// and 6 the full branding label, and 7 leaves the order as it is.
void choosePromotion(geomancy::RandomSource& random, std::int16_t& number,
                     const PromotionLabels& labels);
