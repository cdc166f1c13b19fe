#include "frm_exit.h"

#include <QCloseEvent>
#include <QPushButton>

#include "look.h"
#include "random_source.h"
#include "resume_next.h"
#include "twips.h"

namespace {
using geomancy::resumeNext;
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
  // Set before the first show: changing the flags of a visible window hides it.
  setWindowFlag(Qt::WindowStaysOnTopHint);

  cmdClose = new QPushButton(QStringLiteral("E&xit"), this);
  cmdClose->setObjectName(QStringLiteral("cmdClose"));
  cmdClose->setGeometry(twips::rect(6000, 2760, 1245, 375));
  connect(cmdClose, &QPushButton::clicked, this, &frmExit::cmdClose_Click);
  Form_Load();
}

void frmExit::Form_Load() {
  resumeNext([&] { random_.seed(geomancy::clockSeed()); });
}

void frmExit::cmdClose_Click() {
  emit exitChosen();
}

void frmExit::closeEvent(QCloseEvent* event) {
  emit unloaded();
  event->accept();
}
