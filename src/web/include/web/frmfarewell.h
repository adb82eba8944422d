#pragma once

#include "ui/toplevel.h"

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
struct ReferralValues;

// Shown when a working window is closed: a promotion, two links and the
// refer-a-friend form. Closing it ends the program.
class FrmFarewell : public TopLevel<QWidget> {
  Q_OBJECT
 public:
  explicit FrmFarewell(QWidget* parent = nullptr);

  // The most a box takes, typed or pasted: far beyond any name, address or
  // note to a friend, and short enough that laying it out never holds up
  // the window (a pasted page of text would, for seconds).
  static constexpr int BoxLengthLimit = 1000;
  static constexpr int MessageLengthLimit = 4000;

  // The four promotional texts, one of which is shown at load.
  static constexpr int PromotionCount = 4;
  static QString PromotionText(int index);
  // Maps a draw r with 0 <= r < 1 to a promotion index.
  static int PromotionIndex(double r);

  // The five boxes, blanks removed at both ends.
  ReferralValues ReferralFromBoxes() const;
  // The message box's text with Windows line breaks, as the page expects.
  QString MessageText() const;

 public slots:
  void SubmitReferral();

 signals:
  // Exit, or the window closed: the user is done with the program.
  void endRequested();

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void Unloading() override;

 private:
  void Check1Toggled(bool ticked);
  void PassActivationOn();
  QString PlaceholderOf(QObject* box) const;
  QString BoxText(QObject* box) const;
  void SetBoxText(QObject* box, const QString& text);

  QPushButton* cmdClose_ = nullptr;
  QCheckBox* Check1_ = nullptr;
  QLineEdit* txtName_ = nullptr;
  QLineEdit* txtEmail_ = nullptr;
  QLineEdit* txtFriendEmail_ = nullptr;
  QLineEdit* txtFriendName_ = nullptr;
  QPlainTextEdit* txtMessage_ = nullptr;
};
