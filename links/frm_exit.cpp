#include "frm_exit.h"

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

#include "flat_button.h"
#include "frame_box.h"
#include "icon_picture.h"
#include "link_label.h"
#include "look.h"
#include "message_presenter.h"
#include "plain_text_box.h"
#include "random_source.h"
#include "resume_next.h"
#include "tell_a_friend.h"
#include "twips.h"
#include "web_pages.h"

namespace {

using geomancy::resumeNext;

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

struct BoxEntry {
  const char* name;
  QLineEdit* frmExit::*member;
  const QString* placeholder;
  int maxLength;
  int left;
  int top;
  const char* accessibleName;
};

// The four visible boxes of the form, in tab order.
using modTellAFriend::kEmailLength;
using modTellAFriend::kNameLength;
const std::array kVisibleBoxes{
    BoxEntry{"txtName", &frmExit::txtName, &modTellAFriend::kNamePlaceholder, kNameLength, 85, 360,
             "Your name"},
    BoxEntry{"txtEmail", &frmExit::txtEmail, &modTellAFriend::kEmailPlaceholder, kEmailLength, 3600,
             360, "Your email address"},
    BoxEntry{"txtFriendName", &frmExit::txtFriendName, &modTellAFriend::kFriendNamePlaceholder,
             kNameLength, 85, 720, "Your friend's name"},
    BoxEntry{"txtFriendEmail", &frmExit::txtFriendEmail, &modTellAFriend::kFriendEmailPlaceholder,
             kEmailLength, 3600, 720, "Your friend's email address"},
};
constexpr int kBoxWidth = 3375;
constexpr int kBoxHeight = 285;

// The message box's text when the window opens: not its placeholder, so it counts as a message.
const QString kMessageInitialText = QStringLiteral("Your Message\r\n");

FrameBox* createFrame(QWidget& parent, const char* name, const QString& caption, QRect geometry) {
  auto* frame = new FrameBox(caption, &parent);
  frame->setObjectName(QString::fromLatin1(name));
  frame->setGeometry(geometry);
  frame->setCaptionFont(look::verdana(9.75, look::Weight::Bold));
  // Only the frame's own background and text: the boxes and the button inside keep the
  // system's colours.
  QPalette palette = frame->palette();
  palette.setColor(QPalette::Window, kNavy);
  palette.setColor(QPalette::WindowText, look::kWhite);
  frame->setPalette(palette);
  frame->setAutoFillBackground(true);
  return frame;
}

QLabel* createLabel(QWidget& parent, const char* name, const QString& text, QRect geometry) {
  auto* label = new QLabel(text, &parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setGeometry(geometry);
  return label;
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

frmExit::frmExit(geomancy::RandomSource& random, links::LinkLauncher& launcher,
                 links::MessagePresenter& messages, modTellAFriend::Referral& referral,
                 QWidget* parent)
    : QWidget(parent, Qt::Window),
      random_(random),
      launcher_(launcher),
      messages_(messages),
      referral_(referral) {
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
  Form_Load();
}

void frmExit::createHeading() {
  Picture1 = links::createIconPicture(*this, twips::rect(360, 120, 540, 540));

  Label1 = createLabel(*this, "Label1", look::kWindowTitle, twips::rect(1080, 240, 3090, 435));
  Label1->setWordWrap(false);
  QFont sansSerif(QStringLiteral("MS Sans Serif"));
  sansSerif.setStyleHint(QFont::SansSerif);
  sansSerif.setPointSizeF(18);
  Label1->setFont(sansSerif);
  look::shrinkToFit(*Label1);

  // Its caption is chosen when the window loads.
  Label2 = createLabel(*this, "Label2", QString(), twips::rect(120, 840, 6975, 1095));
  Label2->setFont(look::verdana(9.75, look::Weight::Bold));
}

void frmExit::createVisitAndExit() {
  Check1 = new QCheckBox(
      QStringLiteral("Click Here To Visit ") + links::forumAddressShown() + QStringLiteral(" Now"),
      this);
  Check1->setObjectName(QStringLiteral("Check1"));
  Check1->setGeometry(twips::rect(30, 2040, 7185, 555));
  Check1->setFont(look::verdana(14.25));
  look::setTextColour(*Check1, kCheckBlue);
  look::shrinkToFit(*Check1);
  Check1->setCursor(Qt::PointingHandCursor);
  Check1->setAccessibleDescription(QStringLiteral("Opens the forum in your web browser"));
  connect(Check1, &QCheckBox::toggled, this, &frmExit::Check1_Click);

  cmdClose = new FlatButton(QStringLiteral("E&xit"), this);
  cmdClose->setObjectName(QStringLiteral("cmdClose"));
  cmdClose->setGeometry(twips::rect(6000, 2760, 1245, 375));
  cmdClose->setAccessibleDescription(QStringLiteral("Ends the program"));
  connect(cmdClose, &QPushButton::clicked, this, &frmExit::cmdClose_Click);
}

void frmExit::createReferAFriend() {
  Frame2 = createFrame(*this, "Frame2", QStringLiteral("Refer A Friend"),
                       twips::rect(120, 3240, 7065, 1455));
  for (std::size_t i = 0; i < kVisibleBoxes.size(); ++i) {
    const BoxEntry& entry = kVisibleBoxes[i];
    auto* box = new QLineEdit(*entry.placeholder, Frame2);
    box->setObjectName(QString::fromLatin1(entry.name));
    box->setGeometry(twips::rect(entry.left, entry.top, kBoxWidth, kBoxHeight));
    box->setMaxLength(entry.maxLength);
    box->setAccessibleName(QString::fromLatin1(entry.accessibleName));
    box->installEventFilter(this);
    this->*entry.member = box;
    boxes_[i] = TextBox{box, entry.placeholder};
  }

  cmdSubmit = new FlatButton(QStringLiteral("Refer A Friend &Now"), Frame2);
  cmdSubmit->setObjectName(QStringLiteral("cmdSubmit"));
  cmdSubmit->setGeometry(twips::rect(1920, 1080, 3375, 285));
  cmdSubmit->setFont(look::verdana(8.25, look::Weight::Bold));
  cmdSubmit->setAccessibleDescription(
      QStringLiteral("Opens a page in your web browser that sends your friend a recommendation"));
  connect(cmdSubmit, &QPushButton::clicked, this, &frmExit::cmdSubmit_Click);

  txtMessage = new PlainTextBox(Frame2);
  txtMessage->setObjectName(QStringLiteral("txtMessage"));
  txtMessage->setGeometry(twips::rect(4800, 3600, 1815, 495));
  txtMessage->setTabChangesFocus(true);
  txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  txtMessage->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  txtMessage->setAccessibleName(QStringLiteral("Your message"));
  txtMessage->installEventFilter(this);
  setText(*txtMessage, kMessageInitialText);
  connect(txtMessage, &QPlainTextEdit::textChanged, this,
          [this] { keepWithin(*txtMessage, modTellAFriend::kMessageLength); });
  boxes_.back() = TextBox{txtMessage, &modTellAFriend::kMessagePlaceholder};
}

void frmExit::createCatalogue() {
  Frame6 = createFrame(*this, "Frame6", QStringLiteral("Download Orvane Softwares"),
                       twips::rect(7320, 120, 3735, 4575));
  Label3 = createLabel(*Frame6, "Label3", kCatalogueText, twips::rect(120, 360, 3495, 3855));
  Label3->setFont(look::verdana(9));
  look::setTextColour(*Label3, look::kWhite);

  lblGoToHome = new LinkLabel(QStringLiteral("Click Here To Visit Orvane Softwares"), Frame6);
  lblGoToHome->setObjectName(QStringLiteral("lblGoToHome"));
  lblGoToHome->setWordWrap(false);
  lblGoToHome->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblGoToHome->setGeometry(twips::rect(75, 4250, 3585, 210));
  lblGoToHome->setFont(look::verdana(9, look::Weight::Bold, look::Underline::Yes));
  look::setTextColour(*lblGoToHome, kYellow);
  look::shrinkToFit(*lblGoToHome);
  lblGoToHome->setAccessibleDescription(
      QStringLiteral("Opens the catalogue of Orvane Softwares in your web browser"));
  connect(lblGoToHome, &LinkLabel::clicked, this, &frmExit::lblGoToHome_Click);
}

// Tab follows the window from top to bottom. The message box comes last, after the submit
// button, so that Tab reaches it out of sight rather than between the boxes being filled in.
void frmExit::setTabOrderAndFocus() {
  const std::array<QWidget*, 8> order{Check1,        cmdClose,       txtName,   txtEmail,
                                      txtFriendName, txtFriendEmail, cmdSubmit, txtMessage};
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
  // Only remembered while the window is hidden; it takes effect when the window is activated.
  Check1->setFocus();
}

void frmExit::Form_Load() {
  resumeNext([&] { random_.seed(geomancy::clockSeed()); });
  int appeal = -1;
  resumeNext([&] { appeal = static_cast<int>(random_.draw() * 4.0f); });
  resumeNext([&] {
    Label2->setText(QString::fromLatin1(kAppeals.at(static_cast<std::size_t>(appeal)))
                        .arg(links::forumAddressInText()));
  });
  resumeNext([&] { look::shrinkToFit(*Label2); });
  resumeNext([&] { makeTopmost(); });
}

// Loading runs before the window is first shown, which matters: changing the flags of a visible
// window hides it. The flag takes effect when the shell shows the window; loading neither shows
// it nor activates it.
void frmExit::makeTopmost() {
  setWindowFlag(Qt::WindowStaysOnTopHint);
}

QString frmExit::text(const QWidget& box) const {
  if (const auto* line = qobject_cast<const QLineEdit*>(&box)) return line->text();
  if (const auto* lines = qobject_cast<const QPlainTextEdit*>(&box)) {
    return lines->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  }
  return {};
}

void frmExit::setText(QWidget& box, const QString& text) {
  if (auto* line = qobject_cast<QLineEdit*>(&box)) {
    line->setText(text);
  } else if (auto* lines = qobject_cast<QPlainTextEdit*>(&box)) {
    QString plain = text;
    lines->setPlainText(plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  }
}

const frmExit::TextBox* frmExit::textBox(const QObject* widget) const {
  for (const TextBox& box : boxes_) {
    if (box.widget == widget) return &box;
  }
  return nullptr;
}

bool frmExit::eventFilter(QObject* watched, QEvent* event) {
  const TextBox* box = textBox(watched);
  if (box == nullptr) return QWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::FocusIn:
      if (movedByUser(static_cast<const QFocusEvent&>(*event))) box_GotFocus(*box);
      break;
    case QEvent::FocusOut:
      if (movedByUser(static_cast<const QFocusEvent&>(*event))) box_LostFocus(*box);
      break;
    case QEvent::KeyPress:
      if (box->widget == txtEmail || box->widget == txtFriendEmail) {
        return emailBox_KeyPress(static_cast<QLineEdit&>(*box->widget),
                                 static_cast<const QKeyEvent&>(*event));
      }
      break;
    default:
      break;
  }
  return false;
}

void frmExit::box_GotFocus(const TextBox& box) {
  resumeNext([&] {
    if (modTellAFriend::trimSpaces(text(*box.widget)) == *box.placeholder) {
      setText(*box.widget, QString());
    }
  });
}

void frmExit::box_LostFocus(const TextBox& box) {
  resumeNext([&] {
    if (modTellAFriend::trimSpaces(text(*box.widget)).isEmpty()) {
      setText(*box.widget, *box.placeholder);
    }
  });
}

bool frmExit::emailBox_KeyPress(QLineEdit& box, const QKeyEvent& key) {
  if (key.text() != QStringLiteral(" ")) return false;
  resumeNext([&] { messages_.reportInputError(kNoSpaceInAddress, this); });
  resumeNext([&] { box.setFocus(); });
  return true;
}

void frmExit::Check1_Click() {
  resumeNext([&] {
    if (!Check1->isChecked()) return;
    Check1->setChecked(false);
    modHelp::OpenForumHome(launcher_);
  });
}

void frmExit::lblGoToHome_Click() {
  resumeNext([&] { modHelp::OpenSoftwareCatalogue(launcher_); });
}

void frmExit::cmdSubmit_Click() {
  resumeNext([&] {
    modTellAFriend::ReferralFields& fields = referral_.fields;
    fields.name = modTellAFriend::trimSpaces(text(*txtName));
    fields.email = modTellAFriend::trimSpaces(text(*txtEmail));
    fields.message = modTellAFriend::trimSpaces(text(*txtMessage));
    fields.friendName = modTellAFriend::trimSpaces(text(*txtFriendName));
    fields.friendEmail = modTellAFriend::trimSpaces(text(*txtFriendEmail));
    if (const QString problem = addressProblem(fields.email, fields.friendEmail);
        !problem.isEmpty()) {
      messages_.reportInputError(problem, this);
      return;
    }
    modTellAFriend::TellAFriend(referral_, launcher_, messages_, this);
  });
}

void frmExit::cmdClose_Click() {
  emit exitChosen();
}

void frmExit::closeEvent(QCloseEvent* event) {
  emit unloaded();
  event->accept();
}
