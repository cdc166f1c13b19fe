// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <array>

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

namespace referral {
struct Request;
}

class LinkLauncher;
class MessagePresenter;

// The exit window: the last thing the program shows. It stays above every other window; its
// Exit button and its close box both end the program (the shell listens to the two signals).
// Loading it reseeds the shared random source and picks one of four appeals; it leaves the
// window hidden and takes no focus, so that the shell can load it early and show it later.
// Its form sends a refer-a-friend request (referral_request.h).
class ExitWindow : public QWidget {
  Q_OBJECT

 public:
  ExitWindow(geomancy::RandomSource& random, LinkLauncher& launcher, MessagePresenter& messages,
             referral::Request& request, QWidget* parent = nullptr);

  // The text of one of the five boxes as the form reads it. The message box, being multi-line,
  // joins its lines with a carriage return and a line feed.
  [[nodiscard]] QString text(const QWidget& box) const;
  void setText(QWidget& box, const QString& text);

 signals:
  // The window is closing, by whatever means.
  void unloaded();
  // The Exit button was chosen.
  void exitChosen();

 public slots:
  // The check box was ticked: it is unticked again and the forum opens.
  void visitForum();
  void openCatalogue();
  void submitReferral();

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
  void load();
  void makeTopmost();

  void clearPlaceholder(const TextBox& box);
  void restorePlaceholder(const TextBox& box);
  // True when the key is refused.
  bool refuseBlank(QLineEdit& box, const QKeyEvent& key);
  [[nodiscard]] const TextBox* textBox(const QObject* widget) const;

  geomancy::RandomSource& random_;
  LinkLauncher& launcher_;
  MessagePresenter& messages_;
  referral::Request& request_;

  QLabel* appealLabel_ = nullptr;
  QCheckBox* visitForumBox_ = nullptr;
  QPushButton* exitButton_ = nullptr;
  QLineEdit* nameBox_ = nullptr;
  QLineEdit* emailBox_ = nullptr;
  QLineEdit* friendNameBox_ = nullptr;
  QLineEdit* friendEmailBox_ = nullptr;
  QPushButton* submitButton_ = nullptr;
  // Lies below the frame's visible area: never seen, yet it takes the focus in its turn.
  QPlainTextEdit* messageBox_ = nullptr;
  std::array<TextBox, 5> boxes_{};
};
