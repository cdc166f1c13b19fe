// SPDX-License-Identifier: MIT
#include "about_dialog.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "flat_button.h"
#include "icon_picture.h"
#include "link_label.h"
#include "look.h"
#include "pages.h"
#include "twips.h"
#include "web_page.h"

namespace {

constexpr QColor kRuleColour{255, 224, 192};
constexpr double kTextPoints = 8.25;
constexpr double kHeadingPoints = 9.75;

const QString kDescription = QStringLiteral(
    "QX Geomancy is based on the method of European geomancy called geomantia or earth "
    "divination. This method includes drawing or casting figures or patterns, each with a "
    "different significance. This form of divination can be used to know if the sign shown by "
    "the reading is good or bad and help us prepare ourselves for the worst.");

const QString kOffer = QStringLiteral(
    "Home Business Opportunity. Start your own Internet business and make money online. Get this "
    "software fully branded for your website.");

}  // namespace

AboutDialog::AboutDialog(LinkLauncher& launcher, QWidget* parent)
    : QDialog(parent), launcher_(launcher) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(look::kWindowTitle);
  setModal(true);
  setFixedSize(twips::size(6825, 3870));
  setFont(look::verdana(kTextPoints));
  look::setColours(*this, look::kDarkGrey, look::kWhite);
  createHeading();
  createTexts();
  createLinks();
  createRuleAndButton();
}

void AboutDialog::createHeading() {
  (void)createIconPicture(*this, twips::rect(120, 120, 480, 480));

  QLabel* title =
      look::createTextLabel(*this, "Label2", look::kWindowTitle, twips::rect(840, 240, 2085, 240));
  title->setWordWrap(false);
  title->setFont(look::verdana(kHeadingPoints, look::Weight::Bold));
  look::setTextColour(*title, look::kLightOrange);
}

void AboutDialog::createTexts() {
  QLabel* description =
      look::createTextLabel(*this, "Label1", kDescription, twips::rect(240, 720, 6375, 1155));
  description->setFont(look::verdana(kTextPoints));
  look::setTextColour(*description, look::kWhite);

  QLabel* offer = look::createTextLabel(*this, "Label3", kOffer, twips::rect(360, 2280, 6255, 615));
  offer->setFont(look::verdana(kTextPoints, look::Weight::Bold));
  look::setTextColour(*offer, look::kWhite);
}

void AboutDialog::createLinks() {
  LinkLabel* forum = createLinkLine(
      *this, "lblHomePage",
      QStringLiteral("Click here to visit ") + web::pageAddress(web::Page::ForumHome),
      twips::rect(2040, 1980, 4650, 195), kTextPoints, look::kLightOrange);
  forum->setAccessibleName(QStringLiteral("Visit ") + web::forumAddressShown());
  forum->setAccessibleDescription(QStringLiteral("Opens the discussion forum in your web browser"));
  connect(forum, &LinkLabel::clicked, this,
          [this] { openWebPage(launcher_, web::Page::ForumHome); });

  LinkLabel* offer =
      createLinkLine(*this, "lblCoBrand", QStringLiteral("Click here for more details."),
                     twips::rect(4080, 2880, 2670, 195), kTextPoints, look::kLightOrange);
  offer->setAccessibleName(QStringLiteral("More details on the home business opportunity"));
  offer->setAccessibleDescription(QStringLiteral(
      "Opens the page about getting this software fully branded in your web browser"));
  connect(offer, &LinkLabel::clicked, this,
          [this] { openWebPage(launcher_, web::Page::FullyBrandedPage); });
}

void AboutDialog::createRuleAndButton() {
  // The rule runs from -60 to 6840 twips, past both edges of the window, 2 pixels thick.
  auto* rule = new QFrame(this);
  rule->setObjectName(QStringLiteral("Line1"));
  rule->setFrameShape(QFrame::NoFrame);
  rule->setGeometry(QRect(twips::toPixels(-60), twips::toPixels(3240),
                          twips::toPixels(6840) - twips::toPixels(-60), 2));
  look::setColours(*rule, kRuleColour, kRuleColour);

  okButton_ = new FlatButton(QStringLiteral("&OK"), this);
  okButton_->setObjectName(QStringLiteral("cmdOK"));
  okButton_->setGeometry(twips::rect(5400, 3360, 1260, 345));
  okButton_->setFont(look::verdana(kTextPoints, look::Weight::Bold));
  look::setColours(*okButton_, look::kLightGrey, Qt::black);
  okButton_->setDefault(true);
  okButton_->setAccessibleDescription(QStringLiteral("Closes this window"));
  okButton_->setFocus();
  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutDialog::keyPressEvent(QKeyEvent* event) {
  // OK is also the cancel button: Escape presses it rather than rejecting the dialog.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    okButton_->click();
    return;
  }
  QDialog::keyPressEvent(event);
}

void AboutDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  look::centreOnScreen(*this);
}
