#include "frm_display.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

#include "flat_button.h"
#include "frame_box.h"
#include "look.h"
#include "resume_next.h"
#include "twips.h"

namespace {

using modGeomancy::DisplayField;

struct CaptionLabel {
  const char* name;
  const char* caption;
  int top;
  int width;
};

// The fixed captions at the left of the results frame.
constexpr CaptionLabel kCaptionLabels[] = {
    {"dsd", "Geomancy Figure Name", 360, 2325},   {"Label3", "Keyword", 933, 840},
    {"Label4", "Associated Day", 1506, 1500},     {"Label5", "Associated Element", 2079, 1920},
    {"Label6", "Associated Quality", 2652, 1815}, {"Label7", "Associated Planet", 3225, 1740},
    {"Label8", "Associated Sign", 3798, 1545},    {"Label9", "Associated Body Part", 4371, 2070},
    {"Label10", "Direction", 4944, 885},          {"Label11", "Significance", 5640, 1185},
};
constexpr int kCaptionLeft = 240;
constexpr int kCaptionHeight = 195;

struct ValueLabel {
  DisplayField field;
  const char* name;
  int top;
  int width;
};

// The nine value labels, in display order.
constexpr ValueLabel kValueLabels[] = {
    {DisplayField::GeomancyName, "lblGeomancyName", 360, 5685},
    {DisplayField::Keyword, "lblKeyword", 930, 3885},
    {DisplayField::AssociatedDay, "lblAssociatedDay", 1500, 3885},
    {DisplayField::AssociatedElement, "lblAssociatedElement", 2085, 3885},
    {DisplayField::AssociatedQuality, "lblAssociatedQuality", 2655, 3885},
    {DisplayField::AssociatedPlanet, "lblAssociatedPlanet", 3225, 3885},
    {DisplayField::AssociatedSign, "lblAssociatedSign", 3795, 3885},
    {DisplayField::AssociatedBodyPart, "lblAssociatedBodyPart", 4365, 3885},
    {DisplayField::Direction, "lblDirection", 4950, 3885},
};
constexpr int kValueLeft = 2760;
constexpr int kValueHeight = 375;

FrameBox* createFrame(QWidget& parent, const char* name, const QString& caption, QRect geometry) {
  auto* frame = new FrameBox(caption, &parent);
  frame->setObjectName(QString::fromLatin1(name));
  frame->setGeometry(geometry);
  return frame;
}

FrameBox* createDarkFrame(QWidget& parent, const char* name, QRect geometry) {
  FrameBox* frame = createFrame(parent, name, QString(), geometry);
  look::setColours(*frame, look::kDarkGrey, look::kLightOrange);
  return frame;
}

}  // namespace

frmDisplay::frmDisplay(links::LinkLauncher& launcher, QWidget* parent)
    : ProgramWindow(QStringLiteral("frmDisplay"), twips::size(8415, 7905),
                    links::MenuBarKind::Result, launcher, parent) {
  createFrames(clientArea());
  createCaptions();
  createValueFields();
  createBackAndPromotion();
  connectBack();
  setTabOrderAndFocus();
}

void frmDisplay::createFrames(QWidget& client) {
  Frame2 = createDarkFrame(client, "Frame2", twips::rect(0, 0, 8400, 615));
  Frame3 = createFrame(client, "Frame3", QStringLiteral("QX Geomancy Results"),
                       twips::rect(0, 720, 8415, 6375));
  const QPalette system = QApplication::palette();
  look::setColours(*Frame3, system.color(QPalette::Base), look::kBlue);
  Frame3->setCaptionFont(look::verdana(9.75, look::Weight::Bold));
  Frame5 = createDarkFrame(client, "Frame5", twips::rect(0, 7080, 8400, 800));
}

void frmDisplay::createCaptions() {
  const QColor text = QApplication::palette().color(QPalette::Text);
  for (const CaptionLabel& entry : kCaptionLabels) {
    auto* label = new QLabel(QString::fromLatin1(entry.caption), Frame3);
    label->setObjectName(QString::fromLatin1(entry.name));
    label->setGeometry(twips::rect(kCaptionLeft, entry.top, entry.width, kCaptionHeight));
    label->setFont(look::verdana(8.25, look::Weight::Bold, look::Underline::Yes));
    look::setTextColour(*label, text);
  }
}

void frmDisplay::createValueFields() {
  QLabel** const members[] = {
      &lblGeomancyName,      &lblKeyword,          &lblAssociatedDay,  &lblAssociatedElement,
      &lblAssociatedQuality, &lblAssociatedPlanet, &lblAssociatedSign, &lblAssociatedBodyPart,
      &lblDirection};
  for (std::size_t i = 0; i < std::size(kValueLabels); ++i) {
    const ValueLabel& entry = kValueLabels[i];
    auto* label = new QLabel(Frame3);
    label->setObjectName(QString::fromLatin1(entry.name));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(twips::rect(kValueLeft, entry.top, entry.width, kValueHeight));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    look::setTextColour(*label, look::kBlue);
    *members[i] = label;
    valueLabels_[i] = label;
  }
  lblGeomancyName->setFont(look::verdana(9.75, look::Weight::Bold));
  look::setTextColour(*lblGeomancyName, look::kRed);

  txtSignificance = new QPlainTextEdit(Frame3);
  txtSignificance->setObjectName(QStringLiteral("txtSignificance"));
  txtSignificance->setGeometry(twips::rect(2760, 5520, 5535, 735));
  txtSignificance->setReadOnly(true);
  txtSignificance->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                           Qt::TextSelectableByKeyboard);
  txtSignificance->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  txtSignificance->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txtSignificance->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  txtSignificance->setFocusPolicy(Qt::StrongFocus);
  txtSignificance->setTabChangesFocus(true);
  txtSignificance->setAccessibleName(QStringLiteral("Significance"));
  look::setTextColour(*txtSignificance, QApplication::palette().color(QPalette::Text));
}

void frmDisplay::createBackAndPromotion() {
  promotion_ = links::createPromotionLabels(Frame2, Frame5, 9.0);
  promotion_.Label61->setGeometry(twips::rect(127, 120, 8160, 465));
  promotion_.lblCobrand->setGeometry(twips::rect(120, 120, 6105, 615));
  promotion_.lblFullBrand->setGeometry(twips::rect(120, 140, 6105, 615));

  cmdBack = new FlatButton(QStringLiteral("&Back"), Frame5);
  cmdBack->setObjectName(QStringLiteral("cmdBack"));
  cmdBack->setGeometry(twips::rect(7080, 240, 1215, 375));
  cmdBack->setFont(look::verdana(8.25, look::Weight::Bold));
  look::setColours(*cmdBack, look::kLightGrey, Qt::black);
  connectPromotionLabels(promotion_);
}

void frmDisplay::connectBack() {
  connect(cmdBack, &QPushButton::clicked, this, &frmDisplay::cmdBack_Click);
  if (auto* back = menus().findChild<QAction*>(QStringLiteral("mnuBack"))) {
    connect(back, &QAction::triggered, this, &frmDisplay::mnuBack_Click);
  }
}

void frmDisplay::setTabOrderAndFocus() {
  for (QWidget* child : findChildren<QWidget*>()) {
    if (child != cmdBack && child != txtSignificance && child->focusPolicy() != Qt::NoFocus) {
      child->setFocusPolicy(Qt::NoFocus);
    }
  }
  setTabOrder(cmdBack, txtSignificance);
  cmdBack->setFocus();
}

void frmDisplay::setDisplayField(DisplayField field, std::string_view text) {
  const QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  if (field == DisplayField::Significance) {
    txtSignificance->setPlainText(shown);
  } else {
    valueLabel(field)->setText(shown);
  }
}

QString frmDisplay::displayField(DisplayField field) const {
  return field == DisplayField::Significance ? txtSignificance->toPlainText()
                                             : valueLabel(field)->text();
}

QLabel* frmDisplay::valueLabel(DisplayField field) const {
  // The nine value labels stand in display order, as the fields are numbered.
  return valueLabels_.at(static_cast<std::size_t>(field));
}

void frmDisplay::cmdBack_Click() {
  emit backChosen();
}

void frmDisplay::mnuBack_Click() {
  cmdBack_Click();
}
