#pragma once

#include "ui/toplevel.h"

#include <QDialog>

class QPushButton;

// The about box: name, version, a short description and two links.
// Shown modally; OK, Enter and Escape close it.
class FrmAbout : public TopLevel<QDialog> {
  Q_OBJECT
 public:
  explicit FrmAbout(QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QPushButton* cmdOK_ = nullptr;
};
