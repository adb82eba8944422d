#pragma once

#include "report/reading.h"
#include "ui/toplevel.h"

#include <QMainWindow>

class QAction;
class QComboBox;
class QLineEdit;

// The input window: both names, both birth dates, and the button that runs
// the compatibility command.
class FrmMain : public TopLevel<QMainWindow> {
  Q_OBJECT
 public:
  explicit FrmMain(QWidget* parent = nullptr);

  // The longest name a box takes, typed or pasted: ten times the longest
  // ordinary name, and short enough that laying out one line of it, even of
  // combining marks, never holds up the window. Pasted beyond it, the rest
  // is dropped, as the classic edit boxes did at their own limit.
  static constexpr int NameLengthLimit = 1000;

  // Each person as typed and picked.
  PersonInput UserInput() const;
  PersonInput PartnerInput() const;

  // Where the input check sends the user after an empty name.
  void FocusUserName();
  void FocusPartnerName();

 signals:
  // Command1 or the File menu's compatibility entry, with the input as it
  // stands at the press.
  void computeRequested(const PersonInput& user, const PersonInput& partner);
  void aboutRequested();
  // The window is being unloaded, whatever closed it.
  void unloading();

 protected:
  void Unloading() override;

 private:
  void BuildMenu();
  void FillLists();
  void RequestCompute();

  QLineEdit* txtName_ = nullptr;
  QLineEdit* txtPartnerName_ = nullptr;
  QComboBox* cmbDate_ = nullptr;
  QComboBox* cmbMonth_ = nullptr;
  QComboBox* cmbYear_ = nullptr;
  QComboBox* cmbPartnerDate_ = nullptr;
  QComboBox* cmbPartnerMonth_ = nullptr;
  QComboBox* cmbPartnerYear_ = nullptr;
};
