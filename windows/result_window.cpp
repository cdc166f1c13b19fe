// SPDX-License-Identifier: MIT
#include "result_window.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "flat_button.h"
#include "frame_box.h"
#include "look.h"
#include "skip_on_failure.h"
#include "twips.h"

namespace {

using geomancy::DisplayField;

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

FrameBox* createDarkFrame(QWidget& parent, const char* name, const QRect& geometry) {
  FrameBox* frame = createFrameBox(parent, name, QString(), geometry);
  look::setColours(*frame, look::kDarkGrey, look::kLightOrange);
  return frame;
}

}  // namespace

ResultWindow::ResultWindow(LinkLauncher& launcher, QWidget* parent)
    : ProgramWindow(QStringLiteral("frmDisplay"), twips::size(8415, 7905),
                    WindowMenus::Kind::Result, launcher, parent) {
  createFrames(clientArea());
  createCaptions();
  createValueFields();
  createBackAndPromotion(launcher);
  setTabOrderAndFocus();
}

void ResultWindow::createFrames(QWidget& client) {
  forumFrame_ = createDarkFrame(client, "Frame2", twips::rect(0, 0, 8400, 615));
  resultsFrame_ = createFrameBox(client, "Frame3", QStringLiteral("QX Geomancy Results"),
                                 twips::rect(0, 720, 8415, 6375));
  const QPalette system = QApplication::palette();
  look::setColours(*resultsFrame_, system.color(QPalette::Base), look::kBlue);
  resultsFrame_->setCaptionFont(look::verdana(9.75, look::Weight::Bold));
  promotionFrame_ = createDarkFrame(client, "Frame5", twips::rect(0, 7080, 8400, 800));
}

void ResultWindow::createCaptions() {
  const QColor text = QApplication::palette().color(QPalette::Text);
  for (const CaptionLabel& entry : kCaptionLabels) {
    auto* label = new QLabel(QString::fromLatin1(entry.caption), resultsFrame_);
    label->setObjectName(QString::fromLatin1(entry.name));
    label->setGeometry(twips::rect(kCaptionLeft, entry.top, entry.width, kCaptionHeight));
    label->setFont(look::verdana(8.25, look::Weight::Bold, look::Underline::Yes));
    look::setTextColour(*label, text);
  }
}

void ResultWindow::createValueFields() {
  for (std::size_t i = 0; i < std::size(kValueLabels); ++i) {
    const ValueLabel& entry = kValueLabels[i];
    auto* label = new QLabel(resultsFrame_);
    label->setObjectName(QString::fromLatin1(entry.name));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(twips::rect(kValueLeft, entry.top, entry.width, kValueHeight));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    look::setTextColour(*label, look::kBlue);
    valueLabels_[i] = label;
  }
  QLabel* name = valueLabel(DisplayField::GeomancyName);
  name->setFont(look::verdana(9.75, look::Weight::Bold));
  look::setTextColour(*name, look::kRed);

  significanceBox_ = new QPlainTextEdit(resultsFrame_);
  significanceBox_->setObjectName(QStringLiteral("txtSignificance"));
  significanceBox_->setGeometry(twips::rect(2760, 5520, 5535, 735));
  significanceBox_->setReadOnly(true);
  significanceBox_->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                            Qt::TextSelectableByKeyboard);
  significanceBox_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  significanceBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  significanceBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  significanceBox_->setFocusPolicy(Qt::StrongFocus);
  significanceBox_->setTabChangesFocus(true);
  significanceBox_->setAccessibleName(QStringLiteral("Significance"));
  look::setTextColour(*significanceBox_, QApplication::palette().color(QPalette::Text));
}

void ResultWindow::createBackAndPromotion(LinkLauncher& launcher) {
  promotion_ = createPromotionLabels(forumFrame_, promotionFrame_, 9.0, launcher);
  promotion_.forum->setGeometry(twips::rect(127, 120, 8160, 465));
  promotion_.coBrand->setGeometry(twips::rect(120, 120, 6105, 615));
  promotion_.fullBrand->setGeometry(twips::rect(120, 140, 6105, 615));

  backButton_ = new FlatButton(QStringLiteral("&Back"), promotionFrame_);
  backButton_->setObjectName(QStringLiteral("cmdBack"));
  backButton_->setGeometry(twips::rect(7080, 240, 1215, 375));
  backButton_->setFont(look::verdana(8.25, look::Weight::Bold));
  look::setColours(*backButton_, look::kLightGrey, Qt::black);
  connect(backButton_, &QPushButton::clicked, this, &ResultWindow::backChosen);
  connect(&menus(), &WindowMenus::backChosen, this, &ResultWindow::backChosen);
}

void ResultWindow::setTabOrderAndFocus() {
  for (QWidget* child : findChildren<QWidget*>()) {
    if (child != backButton_ && child != significanceBox_ && child->focusPolicy() != Qt::NoFocus) {
      child->setFocusPolicy(Qt::NoFocus);
    }
  }
  setTabOrder(backButton_, significanceBox_);
  backButton_->setFocus();
}

void ResultWindow::setDisplayField(DisplayField field, std::string_view text) {
  const QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  if (field == DisplayField::Significance) {
    significanceBox_->setPlainText(shown);
  } else {
    valueLabel(field)->setText(shown);
  }
}

QString ResultWindow::displayField(DisplayField field) const {
  return field == DisplayField::Significance ? significanceBox_->toPlainText()
                                             : valueLabel(field)->text();
}

QLabel* ResultWindow::valueLabel(DisplayField field) const {
  // The nine value labels stand in display order, as the fields are numbered.
  return valueLabels_.at(static_cast<std::size_t>(field));
}
