#pragma once

#include <QWidget>

class QPushButton;

namespace geomancy {
class RandomSource;
}

namespace modTellAFriend {
struct Referral;
}

namespace links {
class LinkLauncher;
class MessagePresenter;
}  // namespace links

// The exit window: the last thing the program shows. It stays above every other window; its
// Exit button and its close box both end the program (the shell listens to the two signals).
// Loading it reseeds the shared random source.
class frmExit : public QWidget {
  Q_OBJECT

 public:
  frmExit(geomancy::RandomSource& random, links::LinkLauncher& launcher,
          links::MessagePresenter& messages, modTellAFriend::Referral& referral,
          QWidget* parent = nullptr);

  QPushButton* cmdClose = nullptr;

 signals:
  // The window is closing, by whatever means.
  void unloaded();
  // The Exit button was chosen.
  void exitChosen();

 public slots:
  void cmdClose_Click();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Form_Load();

  geomancy::RandomSource& random_;
  links::LinkLauncher& launcher_;
  links::MessagePresenter& messages_;
  modTellAFriend::Referral& referral_;
};
