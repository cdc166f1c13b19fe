#include "frm_main.h"

#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <limits>

#include "assets.h"
#include "flat_button.h"
#include "frame_box.h"
#include "look.h"
#include "program_state.h"
#include "resume_next.h"
#include "twips.h"

namespace {

using geomancy::kFigureCount;
using geomancy::kRowsPerFigure;
using geomancy::resumeNext;

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

frmMain::frmMain(geomancy::ProgramState& state, links::LinkLauncher& launcher,
                 ResultFields resultFields, QWidget* parent)
    : ProgramWindow(QStringLiteral("frmMain"), twips::size(7455, 7590), links::MenuBarKind::Casting,
                    launcher, parent),
      state_(state),
      resultFields_(std::move(resultFields)) {
  createChart(clientArea());
  createButtonAndPromotion(clientArea());
  Form_Load();
}

void frmMain::createChart(QWidget& client) {
  Frame1 = new FrameBox(QStringLiteral("Cast the Geomantic Spread"), &client);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  Frame1->setGeometry(twips::rect(0, 480, 7455, 5775));
  Frame1->setCaptionFont(look::verdana(8.25, look::Weight::Bold));
  look::setColours(*Frame1, look::kDarkGrey, look::kLightOrange);

  for (int pane = 0; pane < kPaneCount; ++pane) {
    auto* picture = new QWidget(Frame1);
    picture->setObjectName(QStringLiteral("Picture1_%1").arg(pane));
    picture->setGeometry(twips::rect(kPaneLefts[pane], kPaneTop, kPaneWidth, kPaneHeight));
    look::setColours(*picture, look::kWhite, Qt::black);
    picture->setFont(font());
    Picture1[pane] = picture;
  }

  const QPixmap designPicture = assets::pointPicture(geomancy::kOnePoint);
  for (int position = 0; position < kFigureCount; ++position) {
    const FigurePlace place = kFigurePlaces[position];
    for (int row = 1; row <= kRowsPerFigure; ++row) {
      const int index = geomancy::rowIndex(position, row);
      auto* box = new QLabel(Picture1[place.pane]);
      box->setObjectName(QStringLiteral("picCircle_%1").arg(index));
      box->setGeometry(
          twips::rect(kBoxLeft, place.top + kBoxHeight * (row - 1), kBoxWidth, kBoxHeight));
      box->setPixmap(designPicture);
      box->setAccessibleName(QStringLiteral("%1, row %2").arg(caption(position)).arg(row));
      picCircle[index] = box;
    }
  }
}

void frmMain::createButtonAndPromotion(QWidget& client) {
  cmdProceed = new FlatButton(&client);
  cmdProceed->setObjectName(QStringLiteral("cmdProceed"));
  cmdProceed->setGeometry(twips::rect(0, 6240, 7455, 495));
  cmdProceed->setFont(look::verdana(9.75, look::Weight::Bold));
  look::setColours(*cmdProceed, look::kLightGrey, Qt::black);
  connect(cmdProceed, &QPushButton::clicked, this, &frmMain::cmdProceed_Click);

  Frame5 = new FrameBox(QString(), &client);
  Frame5->setObjectName(QStringLiteral("Frame5"));
  Frame5->setGeometry(twips::rect(0, 6720, 7455, 855));
  look::setColours(*Frame5, look::kDarkGrey, look::kLightOrange);
  cmdProceed->raise();

  promotion_ = links::createPromotionLabels(&client, Frame5, 8.25);
  promotion_.Label61->setGeometry(twips::rect(120, 40, 7200, 465));
  promotion_.lblCobrand->setGeometry(twips::rect(120, 160, 7185, 615));
  promotion_.lblFullBrand->setGeometry(twips::rect(120, 160, 7185, 615));
  connectPromotionLabels(promotion_);
}

void frmMain::Form_Load() {
  for (QLabel* box : picCircle) {
    resumeNext([&] { box->setVisible(false); });
  }
  resumeNext([&] { cmdProceed->setText(kFirstCaption); });
}

void frmMain::cmdProceed_Click() {
  resumeNext([&] { modGeomancy::blankDisplayFields(resultFields_()); });
  resumeNext([&] {
    // The counter stops at its largest value instead of wrapping round to a new reading.
    if (state_.stepCounter < std::numeric_limits<std::int16_t>::max()) {
      ++state_.stepCounter;
    }
  });
  const int press = state_.stepCounter;
  if (press >= 1 && press <= kFigureCount) {
    resumeNext([&] { cmdProceed->setText(QString::fromLatin1(kStepCaptions[press - 1])); });
    resumeNext([&] { castFigure(press - 1); });
  } else if (press == kLastPress) {
    showResult();
  }
}

void frmMain::castFigure(int position) {
  const geomancy::Figure figure = state_.chart.produceFigure(position);
  for (int row = 1; row <= kRowsPerFigure; ++row) {
    drawRow(geomancy::rowIndex(position, row), figure[row - 1]);
  }
  describePanes();
}

void frmMain::drawRow(int index, geomancy::RowValue value) {
  QLabel* box = picCircle.at(static_cast<std::size_t>(index));
  resumeNext([&] { box->setVisible(true); });
  resumeNext([&] { box->setPixmap(assets::pointPicture(value)); });
  resumeNext([&] { box->setAccessibleDescription(rowReading(value)); });
}

void frmMain::describePanes() {
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
    Picture1.at(static_cast<std::size_t>(pane))
        ->setAccessibleDescription(
            figures.at(static_cast<std::size_t>(pane)).join(QStringLiteral("; ")));
  }
}

void frmMain::showResult() {
  resumeNext([&] {
    const geomancy::Figure judge = state_.chart.judgeRows();
    state_.identifier.ShowFigureResult(judge[0], judge[1], judge[2], judge[3], resultFields_());
  });
  emit readingComplete();
}

void frmMain::startNewReading() {
  for (QLabel* box : picCircle) {
    resumeNext([&] { box->setVisible(false); });
  }
  resumeNext([&] { cmdProceed->setText(kNewReadingCaption); });
  resumeNext([&] { state_.chart.reset(); });
  resumeNext([&] { state_.stepCounter = 0; });
  resumeNext([&] { describePanes(); });
}
