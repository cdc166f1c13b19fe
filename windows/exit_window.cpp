// SPDX-License-Identifier: MIT
#include "exit_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <array>

#include "closing.h"
#include "flat_button.h"
#include "frame_box.h"
#include "icon_picture.h"
#include "link_label.h"
#include "look.h"
#include "message_presenter.h"
#include "pages.h"
#include "plain_text_box.h"
#include "random_source.h"
#include "referral_request.h"
#include "skip_on_failure.h"
#include "twips.h"
#include "web_page.h"

namespace {

using geomancy::skipOnFailure;

constexpr QColor kNavy{0, 0, 128};
constexpr QColor kCheckBlue{0, 0, 192};
constexpr QColor kYellow{255, 255, 0};

// The four appeals; %1 stands for the forum's address as running text names it.
constexpr std::array kAppeals{
    "Orvane Softwares, such as this can be created and maintained only with your support. The "
    "best way to support Orvane Board is to visit %1 regularly and take part in the discussions "
    "and other activities on the board.",
    "Visit %1 regularly. Support %1 by taking part in the discussions and other activities. These "
    "softwares cannot be supported and maintained, without you regularly visiting %1",
    "%1 is a FREE online discussion forum for all things orvane. To help %1 develop and maintain "
    "this software visit OrvaneBoard regularly.",
    "%1 needs your help. All you need to do is visit %1 regularly and take part in the various "
    "discussions and activites to help us maintain and develop more Orvane Softwares.",
};

// Two paragraphs, kept apart by 61 blanks as the label has always shown them.
const QString kCatalogueText =
    QStringLiteral(
        "If you have enjoyed this software you will surely be interested in our other Orvane "
        "Softwares. From a single software, we have now grown to become the world\u2019s largest "
        "resource of orvane softwares. Be it astrology, psychic, tarot, numerology or occult, we "
        "have programs in all fields thus giving our users a wide choice depending on their "
        "interests.") +
    QString(61, u' ') +
    QStringLiteral(
        "All the programs in the Orvane Softwares suite are simple and easy to use. They are not "
        "only fun to use but also very informative. Try them out today and share your experience "
        "with your friends and family. ");

const QString kDistinctAddresses = QStringLiteral("Please Enter Distinct Email Addresses");
const QString kProperAddress = QStringLiteral("Please Enter Proper Email Address");
const QString kNoSpaceInAddress = QStringLiteral("Email Address Cannot Contain Space");

constexpr int kBoxWidth = 3375;
constexpr int kBoxHeight = 285;

// The message box's text when the window opens: not its placeholder, so it counts as a message.
const QString kMessageInitialText = QStringLiteral("Your Message\r\n");

// A frame of the form's navy with white text; the boxes and the button inside keep the system's
// colours.
FrameBox* createNavyFrame(QWidget& parent, const char* name, const QString& caption,
                          const QRect& geometry) {
  FrameBox* frame = createFrameBox(parent, name, caption, geometry);
  frame->setCaptionFont(look::verdana(9.75, look::Weight::Bold));
  QPalette palette = frame->palette();
  palette.setColor(QPalette::Window, kNavy);
  palette.setColor(QPalette::WindowText, look::kWhite);
  frame->setPalette(palette);
  frame->setAutoFillBackground(true);
  return frame;
}

// A plain text box has no maximum length of its own: what goes beyond it is taken back from
// just before the cursor, where it was typed or pasted, and never half a character.
void keepWithin(QPlainTextEdit& box, int length) {
  const QTextDocument& document = *box.document();
  const int excess = document.characterCount() - 1 - length;
  if (excess <= 0) return;
  QTextCursor cursor = box.textCursor();
  const int end = cursor.position() >= excess ? cursor.position() : document.characterCount() - 1;
  int start = end - excess;
  if (document.characterAt(start).isLowSurrogate()) --start;
  cursor.setPosition(start);
  cursor.setPosition(end, QTextCursor::KeepAnchor);
  cursor.removeSelectedText();
}

// The user moved the keyboard focus from one control to another. A message box or a menu
// taking the keyboard for a while, or another window being activated, is no such move.
bool movedByUser(const QFocusEvent& event) {
  const Qt::FocusReason reason = event.reason();
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

// What the submit button finds wrong with the two addresses, or nothing.
QString addressProblem(const QString& email, const QString& friendEmail) {
  if (email == friendEmail) return kDistinctAddresses;
  const auto lacks = [&](QChar c) { return !email.contains(c) || !friendEmail.contains(c); };
  if (lacks(u'@')) return kProperAddress;
  if (lacks(u'.')) return kProperAddress;
  return {};
}

}  // namespace

ExitWindow::ExitWindow(geomancy::RandomSource& random, LinkLauncher& launcher,
                       MessagePresenter& messages, referral::Request& request, QWidget* parent)
    : QWidget(parent, Qt::Window),
      random_(random),
      launcher_(launcher),
      messages_(messages),
      request_(request) {
  setObjectName(QStringLiteral("frmExit"));
  setWindowTitle(look::kWindowTitle);
  setFixedSize(twips::size(11115, 4725));
  setFont(look::verdana(8.25));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, look::kWhite);
  setPalette(palette);
  setAutoFillBackground(true);

  createHeading();
  createVisitAndExit();
  createReferAFriend();
  createCatalogue();
  setTabOrderAndFocus();
  load();
}

void ExitWindow::createHeading() {
  (void)createIconPicture(*this, twips::rect(360, 120, 540, 540));

  QLabel* title =
      look::createTextLabel(*this, "Label1", look::kWindowTitle, twips::rect(1080, 240, 3090, 435));
  title->setWordWrap(false);
  QFont sansSerif(QStringLiteral("MS Sans Serif"));
  sansSerif.setStyleHint(QFont::SansSerif);
  sansSerif.setPointSizeF(18);
  title->setFont(sansSerif);
  look::shrinkToFit(*title);

  // Its caption is chosen when the window loads.
  appealLabel_ =
      look::createTextLabel(*this, "Label2", QString(), twips::rect(120, 840, 6975, 1095));
  appealLabel_->setFont(look::verdana(9.75, look::Weight::Bold));
}

void ExitWindow::createVisitAndExit() {
  visitForumBox_ = new QCheckBox(
      QStringLiteral("Click Here To Visit ") + web::forumAddressShown() + QStringLiteral(" Now"),
      this);
  visitForumBox_->setObjectName(QStringLiteral("Check1"));
  visitForumBox_->setGeometry(twips::rect(30, 2040, 7185, 555));
  visitForumBox_->setFont(look::verdana(14.25));
  look::setTextColour(*visitForumBox_, kCheckBlue);
  look::shrinkToFit(*visitForumBox_);
  visitForumBox_->setCursor(Qt::PointingHandCursor);
  visitForumBox_->setAccessibleDescription(QStringLiteral("Opens the forum in your web browser"));
  connect(visitForumBox_, &QCheckBox::toggled, this, &ExitWindow::visitForum);

  exitButton_ = new FlatButton(QStringLiteral("E&xit"), this);
  exitButton_->setObjectName(QStringLiteral("cmdClose"));
  exitButton_->setGeometry(twips::rect(6000, 2760, 1245, 375));
  exitButton_->setAccessibleDescription(QStringLiteral("Ends the program"));
  connect(exitButton_, &QPushButton::clicked, this, &ExitWindow::exitChosen);
}

void ExitWindow::createReferAFriend() {
  struct BoxEntry {
    const char* name;
    QLineEdit* ExitWindow::*member;
    const QString* placeholder;
    int maxLength;
    int left;
    int top;
    const char* accessibleName;
  };
  using referral::kEmailLength;
  using referral::kNameLength;
  // The four visible boxes of the form, in tab order.
  static const std::array kVisibleBoxes{
      BoxEntry{"txtName", &ExitWindow::nameBox_, &referral::kNamePlaceholder, kNameLength, 85, 360,
               "Your name"},
      BoxEntry{"txtEmail", &ExitWindow::emailBox_, &referral::kEmailPlaceholder, kEmailLength, 3600,
               360, "Your email address"},
      BoxEntry{"txtFriendName", &ExitWindow::friendNameBox_, &referral::kFriendNamePlaceholder,
               kNameLength, 85, 720, "Your friend's name"},
      BoxEntry{"txtFriendEmail", &ExitWindow::friendEmailBox_, &referral::kFriendEmailPlaceholder,
               kEmailLength, 3600, 720, "Your friend's email address"},
  };

  FrameBox* frame = createNavyFrame(*this, "Frame2", QStringLiteral("Refer A Friend"),
                                    twips::rect(120, 3240, 7065, 1455));
  for (std::size_t i = 0; i < kVisibleBoxes.size(); ++i) {
    const BoxEntry& entry = kVisibleBoxes[i];
    auto* box = new QLineEdit(*entry.placeholder, frame);
    box->setObjectName(QString::fromLatin1(entry.name));
    box->setGeometry(twips::rect(entry.left, entry.top, kBoxWidth, kBoxHeight));
    box->setMaxLength(entry.maxLength);
    box->setAccessibleName(QString::fromLatin1(entry.accessibleName));
    box->installEventFilter(this);
    this->*entry.member = box;
    boxes_[i] = TextBox{box, entry.placeholder};
  }

  submitButton_ = new FlatButton(QStringLiteral("Refer A Friend &Now"), frame);
  submitButton_->setObjectName(QStringLiteral("cmdSubmit"));
  submitButton_->setGeometry(twips::rect(1920, 1080, 3375, 285));
  submitButton_->setFont(look::verdana(8.25, look::Weight::Bold));
  submitButton_->setAccessibleDescription(
      QStringLiteral("Opens a page in your web browser that sends your friend a recommendation"));
  connect(submitButton_, &QPushButton::clicked, this, &ExitWindow::submitReferral);

  messageBox_ = new PlainTextBox(frame);
  messageBox_->setObjectName(QStringLiteral("txtMessage"));
  messageBox_->setGeometry(twips::rect(4800, 3600, 1815, 495));
  messageBox_->setTabChangesFocus(true);
  messageBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  messageBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  messageBox_->setAccessibleName(QStringLiteral("Your message"));
  messageBox_->installEventFilter(this);
  setText(*messageBox_, kMessageInitialText);
  connect(messageBox_, &QPlainTextEdit::textChanged, this,
          [this] { keepWithin(*messageBox_, referral::kMessageLength); });
  boxes_.back() = TextBox{messageBox_, &referral::kMessagePlaceholder};
}

void ExitWindow::createCatalogue() {
  FrameBox* frame = createNavyFrame(*this, "Frame6", QStringLiteral("Download Orvane Softwares"),
                                    twips::rect(7320, 120, 3735, 4575));
  QLabel* text =
      look::createTextLabel(*frame, "Label3", kCatalogueText, twips::rect(120, 360, 3495, 3855));
  text->setFont(look::verdana(9));
  look::setTextColour(*text, look::kWhite);

  LinkLabel* link =
      createLinkLine(*frame, "lblGoToHome", QStringLiteral("Click Here To Visit Orvane Softwares"),
                     twips::rect(75, 4250, 3585, 210), 9, kYellow);
  link->setAccessibleDescription(
      QStringLiteral("Opens the catalogue of Orvane Softwares in your web browser"));
  connect(link, &LinkLabel::clicked, this, &ExitWindow::openCatalogue);
}

// Tab follows the window from top to bottom. The message box comes last, after the submit
// button, so that Tab reaches it out of sight rather than between the boxes being filled in.
void ExitWindow::setTabOrderAndFocus() {
  const std::array<QWidget*, 8> order{visitForumBox_, exitButton_,     nameBox_,      emailBox_,
                                      friendNameBox_, friendEmailBox_, submitButton_, messageBox_};
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
  // Only remembered while the window is hidden; it takes effect when the window is activated.
  visitForumBox_->setFocus();
}

void ExitWindow::load() {
  skipOnFailure([&] { random_.seed(geomancy::clockSeed()); });
  int appeal = -1;
  skipOnFailure([&] { appeal = static_cast<int>(random_.draw() * 4.0f); });
  // A failed draw leaves the appeal out.
  skipOnFailure([&] {
    appealLabel_->setText(QString::fromLatin1(kAppeals.at(static_cast<std::size_t>(appeal)))
                              .arg(web::forumAddressInText()));
  });
  look::shrinkToFit(*appealLabel_);
  makeTopmost();
}

// Loading runs before the window is first shown, which matters: changing the flags of a visible
// window hides it. The flag takes effect when the shell shows the window; loading neither shows
// it nor activates it.
void ExitWindow::makeTopmost() {
  setWindowFlag(Qt::WindowStaysOnTopHint);
}

QString ExitWindow::text(const QWidget& box) const {
  if (const auto* line = qobject_cast<const QLineEdit*>(&box)) return line->text();
  if (const auto* lines = qobject_cast<const QPlainTextEdit*>(&box)) {
    return lines->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  }
  return {};
}

void ExitWindow::setText(QWidget& box, const QString& text) {
  if (auto* line = qobject_cast<QLineEdit*>(&box)) {
    line->setText(text);
  } else if (auto* lines = qobject_cast<QPlainTextEdit*>(&box)) {
    QString plain = text;
    lines->setPlainText(plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  }
}

const ExitWindow::TextBox* ExitWindow::textBox(const QObject* widget) const {
  for (const TextBox& box : boxes_) {
    if (box.widget == widget) return &box;
  }
  return nullptr;
}

bool ExitWindow::eventFilter(QObject* watched, QEvent* event) {
  const TextBox* box = textBox(watched);
  if (box == nullptr) return QWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::FocusIn:
      if (movedByUser(static_cast<const QFocusEvent&>(*event))) clearPlaceholder(*box);
      break;
    case QEvent::FocusOut:
      if (movedByUser(static_cast<const QFocusEvent&>(*event))) restorePlaceholder(*box);
      break;
    case QEvent::KeyPress:
      if (box->widget == emailBox_ || box->widget == friendEmailBox_) {
        return refuseBlank(static_cast<QLineEdit&>(*box->widget),
                           static_cast<const QKeyEvent&>(*event));
      }
      break;
    default:
      break;
  }
  return false;
}

void ExitWindow::clearPlaceholder(const TextBox& box) {
  if (referral::trimSpaces(text(*box.widget)) == *box.placeholder) setText(*box.widget, QString());
}

void ExitWindow::restorePlaceholder(const TextBox& box) {
  if (referral::trimSpaces(text(*box.widget)).isEmpty()) setText(*box.widget, *box.placeholder);
}

bool ExitWindow::refuseBlank(QLineEdit& box, const QKeyEvent& key) {
  if (key.text() != QStringLiteral(" ")) return false;
  skipOnFailure([&] { messages_.reportInputError(kNoSpaceInAddress, this); });
  box.setFocus();
  return true;
}

void ExitWindow::visitForum() {
  if (!visitForumBox_->isChecked()) return;
  visitForumBox_->setChecked(false);
  openWebPage(launcher_, web::Page::ForumHome);
}

void ExitWindow::openCatalogue() {
  openWebPage(launcher_, web::Page::SoftwareCatalogue);
}

void ExitWindow::submitReferral() {
  web::ReferralFields& fields = request_.fields;
  fields.name = referral::trimSpaces(text(*nameBox_));
  fields.email = referral::trimSpaces(text(*emailBox_));
  fields.message = referral::trimSpaces(text(*messageBox_));
  fields.friendName = referral::trimSpaces(text(*friendNameBox_));
  fields.friendEmail = referral::trimSpaces(text(*friendEmailBox_));
  skipOnFailure([&] {
    if (const QString problem = addressProblem(fields.email, fields.friendEmail);
        !problem.isEmpty()) {
      messages_.reportInputError(problem, this);
      return;
    }
    referral::send(request_, launcher_, messages_, this);
  });
}

void ExitWindow::closeEvent(QCloseEvent* event) {
  reportClosing(*this, *event);
}
