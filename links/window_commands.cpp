#include "window_commands.h"

#include <QAction>
#include <QMenuBar>
#include <QPointer>
#include <QWidget>

#include "frm_about.h"
#include "promotion.h"
#include "resume_next.h"
#include "web_pages.h"

namespace links {
namespace {

using geomancy::resumeNext;

struct MenuCommand {
  const char* objectName;
  void (WindowCommands::*handler)();
};

constexpr MenuCommand kMenuCommands[] = {
    {"mnuOnline", &WindowCommands::mnuOnline_Click},
    {"mnuVisit", &WindowCommands::mnuVisit_Click},
    {"mnuUpdate", &WindowCommands::mnuUpdate_Click},
    {"mnuAbout", &WindowCommands::mnuAbout_Click},
    {"mnuDonate", &WindowCommands::mnuDonate_Click},
    {"mnumakemoney", &WindowCommands::mnumakemoney_Click},
};

}  // namespace

WindowCommands::WindowCommands(LinkLauncher& launcher, QWidget& window)
    : QObject(&window), launcher_(launcher), window_(window) {
  setObjectName(QStringLiteral("windowCommands"));
}

void WindowCommands::connectMenuBar(const QMenuBar& bar) {
  for (const MenuCommand& command : kMenuCommands) {
    if (auto* action = bar.findChild<QAction*>(QString::fromLatin1(command.objectName))) {
      connect(action, &QAction::triggered, this, command.handler);
    }
  }
}

void WindowCommands::connectPromotionLabels(const PromotionLabels& labels) {
  if (labels.Label61 != nullptr) {
    connect(labels.Label61, &LinkLabel::clicked, this, &WindowCommands::Label61_Click);
  }
  if (labels.lblCobrand != nullptr) {
    connect(labels.lblCobrand, &LinkLabel::clicked, this, &WindowCommands::lblCobrand_Click);
  }
  if (labels.lblFullBrand != nullptr) {
    connect(labels.lblFullBrand, &LinkLabel::clicked, this, &WindowCommands::lblFullBrand_Click);
  }
}

void WindowCommands::Label61_Click() {
  resumeNext([&] { modHelp::OpenForumHome(launcher_); });
}

void WindowCommands::lblCobrand_Click() {
  resumeNext([&] { modHelp::OpenCoBrandPage(launcher_); });
}

void WindowCommands::lblFullBrand_Click() {
  resumeNext([&] { modHelp::OpenFullyBrandedPage(launcher_); });
}

void WindowCommands::mnuOnline_Click() {
  resumeNext([&] { modHelp::OpenOnlineHelp(launcher_); });
}

void WindowCommands::mnuVisit_Click() {
  resumeNext([&] { modHelp::OpenForumHome(launcher_); });
}

void WindowCommands::mnuUpdate_Click() {
  resumeNext([&] { modHelp::OpenUpdatePage(launcher_); });
}

void WindowCommands::mnuAbout_Click() {
  // These commands belong to the window: should it go while About is open, they go with it, and
  // nothing of theirs is touched afterwards.
  const QPointer<QWidget> window(&window_);
  resumeNext([&] {
    frmAbout about(launcher_);
    about.exec();
  });
  if (window.isNull()) return;
  // The About window has no owner, so nothing hands the focus back to the opener by itself.
  resumeNext([&] { window->activateWindow(); });
}

void WindowCommands::mnuDonate_Click() {
  resumeNext([&] { modHelp::OpenDonatePage(launcher_); });
}

void WindowCommands::mnumakemoney_Click() {
  resumeNext([&] { modHelp::OpenFullyBrandedPage(launcher_); });
}

}  // namespace links
