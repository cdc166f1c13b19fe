#include "promotion.h"

#include <QWidget>
#include <cmath>

#include "look.h"
#include "random_source.h"
#include "resume_next.h"
#include "web_pages.h"

namespace links {
namespace {

constexpr double kPromotionPoints = 8.25;

void styleAsLink(LinkLabel& label, double points) {
  label.setFont(look::verdana(points, look::Weight::Bold, look::Underline::Yes));
  label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

LinkLabel* createLabel61(QWidget* parent, double points) {
  auto* label = new LinkLabel(label61Caption(), parent);
  label->setObjectName(QStringLiteral("Label61"));
  styleAsLink(*label, points);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  look::setTextColour(*label, look::kLightOrange);
  label->setAutoFillBackground(false);
  label->setAccessibleName(QStringLiteral("Visit ") + forumAddressShown());
  label->setAccessibleDescription(
      QStringLiteral("Opens the Orvane discussion board in your web browser"));
  return label;
}

LinkLabel* createOpaqueLabel(QWidget* frame5, const QString& caption, const QString& objectName,
                             const QString& accessibleName, const QString& accessibleDescription) {
  auto* label = new LinkLabel(caption, frame5);
  label->setObjectName(objectName);
  styleAsLink(*label, kPromotionPoints);
  look::setColours(*label, look::kDarkGrey, look::kLightOrange);
  label->setAccessibleName(accessibleName);
  label->setAccessibleDescription(accessibleDescription);
  return label;
}

}  // namespace

QString label61Caption() {
  return QStringLiteral(
             "The Most Popular Online Orvane Discussion Board. Best Resource For Everything "
             "Orvane. Visit ") +
         forumAddressShown() + QStringLiteral(" Now");
}

QString cobrandCaption() {
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

PromotionLabels createPromotionLabels(QWidget* label61Parent, QWidget* frame5,
                                      double label61Points) {
  PromotionLabels labels;
  labels.Label61 = createLabel61(label61Parent, label61Points);
  labels.lblCobrand = createOpaqueLabel(
      frame5, cobrandCaption(), QStringLiteral("lblCobrand"),
      QStringLiteral("Co-brand this software"),
      QStringLiteral("Opens the page about co-branding this software in your web browser"));
  labels.lblFullBrand = createOpaqueLabel(
      frame5, fullBrandCaption(), QStringLiteral("lblFullBrand"),
      QStringLiteral("Home business opportunity"),
      QStringLiteral(
          "Opens the page about getting this software fully branded in your web browser"));
  return labels;
}

std::int16_t coBrandNumber(float r) noexcept {
  const double x = static_cast<double>(r) * 6.0 + 1.0;
  double whole = std::floor(x);
  const double fraction = x - whole;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
  // A draw outside [0, 1) breaks the source's promise; give 0, which brings nothing to the front.
  if (!(whole >= 1.0 && whole <= 7.0)) return 0;
  return static_cast<std::int16_t>(whole);
}

void CoBrand_Randomize(geomancy::RandomSource& random, std::int16_t& intCoBrandRandomNumber,
                       const PromotionLabels& labels) {
  using geomancy::resumeNext;
  resumeNext([&] { intCoBrandRandomNumber = coBrandNumber(random.draw()); });
  switch (intCoBrandRandomNumber) {
    case 1:
    case 3:
    case 5:
      if (labels.lblCobrand != nullptr) labels.lblCobrand->raise();
      break;
    case 2:
    case 4:
    case 6:
      if (labels.lblFullBrand != nullptr) labels.lblFullBrand->raise();
      break;
    default:
      break;
  }
}

}  // namespace links
