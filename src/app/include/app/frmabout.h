#pragma once

#include <QDialog>

class LinkLabel;
class QLabel;
class QPushButton;

// The about box: name, version, a short description and two links.
// Shown modally; OK, Enter and Escape close it.
class FrmAbout : public QDialog {
  Q_OBJECT
 public:
  explicit FrmAbout(QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLabel* picIcon = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label1 = nullptr;
  LinkLabel* lblHomePage = nullptr;
  QLabel* Label3 = nullptr;
  LinkLabel* lblCobrand = nullptr;
  QWidget* Line2 = nullptr;
  QPushButton* cmdOK = nullptr;
};
