#pragma once

#include <QWidget>
#include <array>

class FrameBox;
class LinkLabel;
class QCheckBox;
class QFocusEvent;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
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
// Loading it reseeds the shared random source and picks one of four appeals; it leaves the
// window hidden and takes no focus, so that the shell can load it early and show it later.
// Its form sends a refer-a-friend request through modTellAFriend.
class frmExit : public QWidget {
  Q_OBJECT

 public:
  frmExit(geomancy::RandomSource& random, links::LinkLauncher& launcher,
          links::MessagePresenter& messages, modTellAFriend::Referral& referral,
          QWidget* parent = nullptr);

  // The text of one of the five boxes as the form reads it. The message box, being multi-line,
  // joins its lines with a carriage return and a line feed.
  [[nodiscard]] QString text(const QWidget& box) const;
  void setText(QWidget& box, const QString& text);

  QLabel* Picture1 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QCheckBox* Check1 = nullptr;
  QPushButton* cmdClose = nullptr;
  FrameBox* Frame2 = nullptr;
  QLineEdit* txtName = nullptr;
  QLineEdit* txtEmail = nullptr;
  QLineEdit* txtFriendName = nullptr;
  QLineEdit* txtFriendEmail = nullptr;
  QPushButton* cmdSubmit = nullptr;
  // Lies below the frame's visible area: never seen, yet it takes the focus in its turn.
  QPlainTextEdit* txtMessage = nullptr;
  FrameBox* Frame6 = nullptr;
  QLabel* Label3 = nullptr;
  LinkLabel* lblGoToHome = nullptr;

 signals:
  // The window is closing, by whatever means.
  void unloaded();
  // The Exit button was chosen.
  void exitChosen();

 public slots:
  void cmdClose_Click();
  void Check1_Click();
  void lblGoToHome_Click();
  void cmdSubmit_Click();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct TextBox {
    QWidget* widget;
    const QString* placeholder;
  };

  void createHeading();
  void createVisitAndExit();
  void createReferAFriend();
  void createCatalogue();
  void setTabOrderAndFocus();
  void Form_Load();
  void makeTopmost();

  void box_GotFocus(const TextBox& box);
  void box_LostFocus(const TextBox& box);
  // True when the key is refused.
  bool emailBox_KeyPress(QLineEdit& box, const QKeyEvent& key);
  [[nodiscard]] const TextBox* textBox(const QObject* widget) const;

  geomancy::RandomSource& random_;
  links::LinkLauncher& launcher_;
  links::MessagePresenter& messages_;
  modTellAFriend::Referral& referral_;
  std::array<TextBox, 5> boxes_{};
};
