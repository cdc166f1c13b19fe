#pragma once

#include <QString>
#include <cstdint>

#include "link_label.h"

class QWidget;

namespace geomancy {
class RandomSource;
}

namespace links {

// The three link labels that both main windows carry. The window owns them (as children) and
// places them.
struct PromotionLabels {
  LinkLabel* Label61 = nullptr;
  LinkLabel* lblCobrand = nullptr;
  LinkLabel* lblFullBrand = nullptr;
};

// The captions as designed. The co-branding caption keeps its "&&", the label's escape for one
// "&"; the labels themselves show a single "&".
[[nodiscard]] QString label61Caption();
[[nodiscard]] QString cobrandCaption();
[[nodiscard]] QString fullBrandCaption();

// Creates Label61 in label61Parent (centred, transparent, bold underlined Verdana at
// label61Points) and lblCobrand, then lblFullBrand, in frame5 (opaque dark grey, bold underlined
// Verdana 8.25), so that lblFullBrand lies in front. The caller sets their geometry.
[[nodiscard]] PromotionLabels createPromotionLabels(QWidget* label61Parent, QWidget* frame5,
                                                    double label61Points);

// r x 6 + 1 rounded to the nearest whole number, halves to the even one: 1 to 7 for 0 <= r < 1.
// The product is taken in double, where it is exact for every single-precision draw: a half
// arises only where r is exactly (2k - 1) / 12, which a float holds for 1/4 and 3/4 alone.
[[nodiscard]] std::int16_t coBrandNumber(float r) noexcept;

// Draws once and keeps the number in intCoBrandRandomNumber; 1, 3 and 5 bring lblCobrand to the
// front, 2, 4 and 6 lblFullBrand, and 7 leaves the order as it is.
void CoBrand_Randomize(geomancy::RandomSource& random, std::int16_t& intCoBrandRandomNumber,
                       const PromotionLabels& labels);

}  // namespace links
