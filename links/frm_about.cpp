#include "frm_about.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "flat_button.h"
#include "icon_picture.h"
#include "link_label.h"
#include "look.h"
#include "resume_next.h"
#include "twips.h"
#include "web_pages.h"

namespace {

using geomancy::resumeNext;

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

QLabel* createTextLabel(QWidget* parent, const QString& objectName, const QString& text,
                        const QRect& geometry) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(objectName);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setGeometry(geometry);
  return label;
}

LinkLabel* createLink(QWidget* parent, const QString& objectName, const QString& caption,
                      const QRect& geometry) {
  auto* label = new LinkLabel(caption, parent);
  label->setObjectName(objectName);
  // One line high by design: a caption too wide for it steps its font down rather than being
  // cut or wrapped out of sight.
  label->setWordWrap(false);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setFont(look::verdana(kTextPoints, look::Weight::Bold, look::Underline::Yes));
  look::setTextColour(*label, look::kLightOrange);
  label->setGeometry(geometry);
  look::shrinkToFit(*label);
  return label;
}

}  // namespace

frmAbout::frmAbout(links::LinkLauncher& launcher, QWidget* parent)
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

void frmAbout::createHeading() {
  Picture1 = links::createIconPicture(*this, twips::rect(120, 120, 480, 480));

  Label2 = createTextLabel(this, QStringLiteral("Label2"), look::kWindowTitle,
                           twips::rect(840, 240, 2085, 240));
  Label2->setWordWrap(false);
  Label2->setFont(look::verdana(kHeadingPoints, look::Weight::Bold));
  look::setTextColour(*Label2, look::kLightOrange);
}

void frmAbout::createTexts() {
  Label1 = createTextLabel(this, QStringLiteral("Label1"), kDescription,
                           twips::rect(240, 720, 6375, 1155));
  Label1->setFont(look::verdana(kTextPoints));
  look::setTextColour(*Label1, look::kWhite);

  Label3 =
      createTextLabel(this, QStringLiteral("Label3"), kOffer, twips::rect(360, 2280, 6255, 615));
  Label3->setFont(look::verdana(kTextPoints, look::Weight::Bold));
  look::setTextColour(*Label3, look::kWhite);
}

void frmAbout::createLinks() {
  lblHomePage = createLink(
      this, QStringLiteral("lblHomePage"),
      QStringLiteral("Click here to visit ") + links::pageAddress(links::Page::ForumHome),
      twips::rect(2040, 1980, 4650, 195));
  lblHomePage->setAccessibleName(QStringLiteral("Visit ") + links::forumAddressShown());
  lblHomePage->setAccessibleDescription(
      QStringLiteral("Opens the discussion forum in your web browser"));
  connect(lblHomePage, &LinkLabel::clicked, this, &frmAbout::lblHomePage_Click);

  lblCoBrand =
      createLink(this, QStringLiteral("lblCoBrand"), QStringLiteral("Click here for more details."),
                 twips::rect(4080, 2880, 2670, 195));
  lblCoBrand->setAccessibleName(QStringLiteral("More details on the home business opportunity"));
  lblCoBrand->setAccessibleDescription(QStringLiteral(
      "Opens the page about getting this software fully branded in your web browser"));
  connect(lblCoBrand, &LinkLabel::clicked, this, &frmAbout::lblCoBrand_Click);
}

void frmAbout::createRuleAndButton() {
  // The rule runs from -60 to 6840 twips, past both edges of the window, 2 pixels thick.
  Line1 = new QFrame(this);
  Line1->setObjectName(QStringLiteral("Line1"));
  Line1->setFrameShape(QFrame::NoFrame);
  Line1->setGeometry(QRect(twips::toPixels(-60), twips::toPixels(3240),
                           twips::toPixels(6840) - twips::toPixels(-60), 2));
  look::setColours(*Line1, kRuleColour, kRuleColour);

  cmdOK = new FlatButton(QStringLiteral("&OK"), this);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdOK->setGeometry(twips::rect(5400, 3360, 1260, 345));
  cmdOK->setFont(look::verdana(kTextPoints, look::Weight::Bold));
  look::setColours(*cmdOK, look::kLightGrey, Qt::black);
  cmdOK->setDefault(true);
  cmdOK->setAccessibleDescription(QStringLiteral("Closes this window"));
  cmdOK->setFocus();
  connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
}

void frmAbout::cmdOK_Click() {
  resumeNext([&] { accept(); });
}

void frmAbout::lblHomePage_Click() {
  resumeNext([&] { modHelp::OpenForumHome(launcher_); });
}

void frmAbout::lblCoBrand_Click() {
  resumeNext([&] { modHelp::OpenFullyBrandedPage(launcher_); });
}

void frmAbout::keyPressEvent(QKeyEvent* event) {
  // OK is also the cancel button: Escape presses it rather than rejecting the dialog.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    cmdOK->click();
    return;
  }
  QDialog::keyPressEvent(event);
}

void frmAbout::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  centreOnScreen();
}

void frmAbout::centreOnScreen() {
  const QScreen* shownOn = screen();
  if (shownOn == nullptr) return;
  QRect frame = frameGeometry();
  frame.moveCenter(shownOn->availableGeometry().center());
  move(frame.topLeft());
}
