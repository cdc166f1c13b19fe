// SPDX-License-Identifier: MIT
#include "casting_window.h"

#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <limits>

#include "assets.h"
#include "flat_button.h"
#include "frame_box.h"
#include "look.h"
#include "program_state.h"
#include "skip_on_failure.h"
#include "twips.h"

namespace {

using geomancy::kFigureCount;
using geomancy::kRowsPerFigure;
using geomancy::skipOnFailure;

const QString kFirstCaption = QStringLiteral("Click to Cast Mother Figure 1");
const QString kNewReadingCaption = QStringLiteral("Click to Create Mother 1");

// What the button reads after press n (1 to 15): the next step.
constexpr const char* kStepCaptions[kFigureCount] = {
    "Click to Cast Mother Figure 2",    "Click to Cast Mother Figure 3",
    "Click to Cast Mother Figure 4",    "Click to Cast Daughter Figure 1",
    "Click to Cast Daughter Figure 2",  "Click to Cast Daughter Figure 3",
    "Click to Cast Daughter Figure 4",  "Click to Cast Niece Figure 1",
    "Click to Cast Niece Figure 2",     "Click to Cast Niece Figure 3",
    "Click to Cast Niece Figure 4",     "Click to Create Witness Figure 1",
    "Click to Create Witness Figure 2", "Click to Cast Judge Figure",
    "Click to See QX Geomancy Result"};

constexpr int kLastPress = 16;

// The five column panes: Mothers, Daughters, Nieces, Witnesses, Judge.
constexpr int kPaneCount = 5;
constexpr int kPaneLefts[kPaneCount] = {480, 1800, 3120, 4440, 5760};
constexpr int kPaneTop = 240;
constexpr int kPaneWidth = 1250;
constexpr int kPaneHeight = 5415;

constexpr int kBoxLeft = 120;
constexpr int kBoxWidth = 990;
constexpr int kBoxHeight = 300;

struct FigurePlace {
  int pane;
  int top;  // of row 1, in the pane
};

constexpr int slotTop(int slot) {
  return 120 + 1320 * slot;
}

// Where each figure stands: the Witnesses in slots 1 and 2, the Judge between them.
constexpr FigurePlace kFigurePlaces[kFigureCount] = {
    {0, slotTop(0)}, {0, slotTop(1)}, {0, slotTop(2)}, {0, slotTop(3)}, {1, slotTop(0)},
    {1, slotTop(1)}, {1, slotTop(2)}, {1, slotTop(3)}, {2, slotTop(0)}, {2, slotTop(1)},
    {2, slotTop(2)}, {2, slotTop(3)}, {3, slotTop(1)}, {3, slotTop(2)}, {4, 2160}};

QString rowReading(geomancy::RowValue value) {
  return value == geomancy::kOnePoint ? QStringLiteral("one point") : QStringLiteral("two points");
}

QString caption(int position) {
  const std::string_view text = geomancy::figureCaption(position);
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

CastingWindow::CastingWindow(geomancy::ProgramState& state, LinkLauncher& launcher,
                             ResultFields resultFields, QWidget* parent)
    : ProgramWindow(QStringLiteral("frmMain"), twips::size(7455, 7590), WindowMenus::Kind::Casting,
                    launcher, parent),
      state_(state),
      resultFields_(std::move(resultFields)) {
  createChart(clientArea());
  createButtonAndPromotion(clientArea(), launcher);
  hidePointPictures();
  proceedButton_->setText(kFirstCaption);
}

void CastingWindow::createChart(QWidget& client) {
  auto* frame = new FrameBox(QStringLiteral("Cast the Geomantic Spread"), &client);
  frame->setObjectName(QStringLiteral("Frame1"));
  frame->setGeometry(twips::rect(0, 480, 7455, 5775));
  frame->setCaptionFont(look::verdana(8.25, look::Weight::Bold));
  look::setColours(*frame, look::kDarkGrey, look::kLightOrange);

  for (int pane = 0; pane < kPaneCount; ++pane) {
    auto* picture = new QWidget(frame);
    picture->setObjectName(QStringLiteral("Picture1_%1").arg(pane));
    picture->setGeometry(twips::rect(kPaneLefts[pane], kPaneTop, kPaneWidth, kPaneHeight));
    look::setColours(*picture, look::kWhite, Qt::black);
    picture->setFont(font());
    panes_[pane] = picture;
  }

  const QPixmap designPicture = assets::pointPicture(geomancy::kOnePoint);
  for (int position = 0; position < kFigureCount; ++position) {
    const FigurePlace place = kFigurePlaces[position];
    for (int row = 1; row <= kRowsPerFigure; ++row) {
      const int index = geomancy::rowIndex(position, row);
      auto* box = new QLabel(panes_[place.pane]);
      box->setObjectName(QStringLiteral("picCircle_%1").arg(index));
      box->setGeometry(
          twips::rect(kBoxLeft, place.top + kBoxHeight * (row - 1), kBoxWidth, kBoxHeight));
      box->setPixmap(designPicture);
      box->setAccessibleName(QStringLiteral("%1, row %2").arg(caption(position)).arg(row));
      pointPictures_[index] = box;
    }
  }
}

void CastingWindow::createButtonAndPromotion(QWidget& client, LinkLauncher& launcher) {
  proceedButton_ = new FlatButton(&client);
  proceedButton_->setObjectName(QStringLiteral("cmdProceed"));
  proceedButton_->setGeometry(twips::rect(0, 6240, 7455, 495));
  proceedButton_->setFont(look::verdana(9.75, look::Weight::Bold));
  look::setColours(*proceedButton_, look::kLightGrey, Qt::black);
  connect(proceedButton_, &QPushButton::clicked, this, &CastingWindow::proceed);

  auto* frame = new FrameBox(QString(), &client);
  frame->setObjectName(QStringLiteral("Frame5"));
  frame->setGeometry(twips::rect(0, 6720, 7455, 855));
  look::setColours(*frame, look::kDarkGrey, look::kLightOrange);
  proceedButton_->raise();

  promotion_ = createPromotionLabels(&client, frame, 8.25, launcher);
  promotion_.forum->setGeometry(twips::rect(120, 40, 7200, 465));
  promotion_.coBrand->setGeometry(twips::rect(120, 160, 7185, 615));
  promotion_.fullBrand->setGeometry(twips::rect(120, 160, 7185, 615));
}

void CastingWindow::hidePointPictures() {
  for (QLabel* box : pointPictures_) box->setVisible(false);
}

void CastingWindow::proceed() {
  // Touching the result window makes it, which may fail; the press goes on without it.
  skipOnFailure([&] { geomancy::blankDisplayFields(resultFields_()); });
  // The counter stops at its largest value instead of wrapping round to a new reading.
  if (state_.stepCounter < std::numeric_limits<std::int16_t>::max()) ++state_.stepCounter;
  const int press = state_.stepCounter;
  if (press >= 1 && press <= kFigureCount) {
    proceedButton_->setText(QString::fromLatin1(kStepCaptions[press - 1]));
    skipOnFailure([&] { castFigure(press - 1); });
  } else if (press == kLastPress) {
    showResult();
  }
}

void CastingWindow::castFigure(int position) {
  const geomancy::Figure figure = state_.chart.produceFigure(position);
  for (int row = 1; row <= kRowsPerFigure; ++row) {
    drawRow(geomancy::rowIndex(position, row), figure[row - 1]);
  }
  describePanes();
}

void CastingWindow::drawRow(int index, geomancy::RowValue value) {
  QLabel* box = pointPictures_.at(static_cast<std::size_t>(index));
  box->setVisible(true);
  box->setPixmap(assets::pointPicture(value));
  box->setAccessibleDescription(rowReading(value));
}

void CastingWindow::describePanes() {
  // Each pane reads out the figures it shows, in chart order.
  std::array<QStringList, kPaneCount> figures;
  const int produced = state_.chart.figuresProduced();
  for (int position = 0; position < produced; ++position) {
    QStringList rows;
    for (int row = 1; row <= kRowsPerFigure; ++row) {
      rows << rowReading(state_.chart.rowValue(geomancy::rowIndex(position, row)));
    }
    figures.at(static_cast<std::size_t>(kFigurePlaces[position].pane))
        << QStringLiteral("%1: %2").arg(caption(position), rows.join(QStringLiteral(", ")));
  }
  for (int pane = 0; pane < kPaneCount; ++pane) {
    panes_.at(static_cast<std::size_t>(pane))
        ->setAccessibleDescription(
            figures.at(static_cast<std::size_t>(pane)).join(QStringLiteral("; ")));
  }
}

void CastingWindow::showResult() {
  skipOnFailure([&] {
    const geomancy::Figure judge = state_.chart.judgeRows();
    state_.identifier.identify(judge[0], judge[1], judge[2], judge[3], resultFields_());
  });
  emit readingComplete();
}

void CastingWindow::startNewReading() {
  hidePointPictures();
  proceedButton_->setText(kNewReadingCaption);
  state_.chart.reset();
  state_.stepCounter = 0;
  skipOnFailure([&] { describePanes(); });
}
