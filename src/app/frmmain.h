#pragma once

#include <QMainWindow>

class QAction;
class QComboBox;
class QLineEdit;

// The input window: both names, both birth dates, and the button that runs
// the compatibility command.
class FrmMain : public QMainWindow {
  Q_OBJECT
 public:
  explicit FrmMain(QWidget* parent = nullptr);

  // The longest name a box takes, typed or pasted: ten times the longest
  // ordinary name, and short enough that laying out one line of it, even of
  // combining marks, never holds up the window. Pasted beyond it, the rest
  // is dropped, as the classic edit boxes did at their own limit.
  static constexpr int NameLengthLimit = 1000;

  QLineEdit* txtName() const { return txtName_; }
  QLineEdit* txtPartnerName() const { return txtPartnerName_; }
  QComboBox* cmbDate() const { return cmbDate_; }
  QComboBox* cmbMonth() const { return cmbMonth_; }
  QComboBox* cmbYear() const { return cmbYear_; }
  QComboBox* cmbPartnerDate() const { return cmbPartnerDate_; }
  QComboBox* cmbPartnerMonth() const { return cmbPartnerMonth_; }
  QComboBox* cmbPartnerYear() const { return cmbPartnerYear_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildMenu();
  void BuildControls();
  void FillLists();
  void SetTabOrder();

  QLineEdit* txtName_ = nullptr;
  QLineEdit* txtPartnerName_ = nullptr;
  QComboBox* cmbDate_ = nullptr;
  QComboBox* cmbMonth_ = nullptr;
  QComboBox* cmbYear_ = nullptr;
  QComboBox* cmbPartnerDate_ = nullptr;
  QComboBox* cmbPartnerMonth_ = nullptr;
  QComboBox* cmbPartnerYear_ = nullptr;
  QWidget* command1_ = nullptr;
  bool placed_ = false;
};
