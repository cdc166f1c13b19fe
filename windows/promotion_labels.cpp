// SPDX-License-Identifier: MIT
#include "promotion_labels.h"

#include <QWidget>
#include <cmath>
#include <utility>

#include "look.h"
#include "pages.h"
#include "random_source.h"
#include "skip_on_failure.h"
#include "web_page.h"

namespace {

constexpr double kPromotionPoints = 8.25;

void styleAsLink(LinkLabel& label, double points) {
  label.setFont(look::verdana(points, look::Weight::Bold, look::Underline::Yes));
  label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

LinkLabel* createForumLabel(QWidget* parent, double points) {
  auto* label = new LinkLabel(forumCaption(), parent);
  label->setObjectName(QStringLiteral("Label61"));
  styleAsLink(*label, points);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  look::setTextColour(*label, look::kLightOrange);
  label->setAutoFillBackground(false);
  label->setAccessibleName(QStringLiteral("Visit ") + web::forumAddressShown());
  label->setAccessibleDescription(
      QStringLiteral("Opens the Orvane discussion board in your web browser"));
  return label;
}

LinkLabel* createOpaqueLabel(QWidget* frame, const QString& caption, const QString& objectName,
                             const QString& accessibleName, const QString& accessibleDescription) {
  auto* label = new LinkLabel(caption, frame);
  label->setObjectName(objectName);
  styleAsLink(*label, kPromotionPoints);
  look::setColours(*label, look::kDarkGrey, look::kLightOrange);
  label->setAccessibleName(accessibleName);
  label->setAccessibleDescription(accessibleDescription);
  return label;
}

}  // namespace

QString forumCaption() {
  return QStringLiteral(
             "The Most Popular Online Orvane Discussion Board. Best Resource For Everything "
             "Orvane. Visit ") +
         web::forumAddressShown() + QStringLiteral(" Now");
}

QString coBrandCaption() {
  return QStringLiteral(
      "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put "
      "your site's name &&  link here. See \"Help\" for details.    Click Here for more info on "
      "co-branding.");
}

QString fullBrandCaption() {
  return QStringLiteral(
      "Home Business Opportunity. Start your own Internet business and make money online. Get "
      "this software fully branded for your website. Click here for more details.");
}

PromotionLabels createPromotionLabels(QWidget* forumParent, QWidget* frame, double forumPoints,
                                      LinkLauncher& launcher) {
  PromotionLabels labels;
  labels.forum = createForumLabel(forumParent, forumPoints);
  labels.coBrand = createOpaqueLabel(
      frame, coBrandCaption(), QStringLiteral("lblCobrand"),
      QStringLiteral("Co-brand this software"),
      QStringLiteral("Opens the page about co-branding this software in your web browser"));
  labels.fullBrand = createOpaqueLabel(
      frame, fullBrandCaption(), QStringLiteral("lblFullBrand"),
      QStringLiteral("Home business opportunity"),
      QStringLiteral(
          "Opens the page about getting this software fully branded in your web browser"));
  const std::pair<LinkLabel*, web::Page> pages[] = {
      {labels.forum, web::Page::ForumHome},
      {labels.coBrand, web::Page::CoBrandPage},
      {labels.fullBrand, web::Page::FullyBrandedPage}};
  for (const auto& [label, page] : pages) {
    QObject::connect(label, &LinkLabel::clicked, label,
                     [&launcher, page = page] { openWebPage(launcher, page); });
  }
  return labels;
}

std::int16_t promotionNumber(float r) noexcept {
  const double x = static_cast<double>(r) * 6.0 + 1.0;
  double whole = std::floor(x);
  const double fraction = x - whole;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
  // A draw outside [0, 1) breaks the source's promise; give 0, which brings nothing to the front.
  if (!(whole >= 1.0 && whole <= 7.0)) return 0;
  return static_cast<std::int16_t>(whole);
}

void choosePromotion(geomancy::RandomSource& random, std::int16_t& number,
                     const PromotionLabels& labels) {
  geomancy::skipOnFailure([&] { number = promotionNumber(random.draw()); });
  switch (number) {
    case 1:
    case 3:
    case 5:
      if (labels.coBrand != nullptr) labels.coBrand->raise();
      break;
    case 2:
    case 4:
    case 6:
      if (labels.fullBrand != nullptr) labels.fullBrand->raise();
      break;
    default:
      break;
  }
}
