#pragma once

#include "ui/window.h"

#include <QCloseEvent>
#include <QShowEvent>
#include <QString>
#include <QWidget>

// What every window of the program does the same way, over the Qt window it
// is (QMainWindow, QDialog or a plain QWidget): it is set up as a top-level
// window (SetUpTopLevel), placed on its screen when it is first shown (its
// translation's captions fitted, mirrored right to left, centred), and it
// says when it is being unloaded, whatever closed it.
template <class Base>
class TopLevel : public Base {
 protected:
  explicit TopLevel(const QString& objectName, QWidget* parent = nullptr, Qt::WindowFlags flags = {})
      : Base(parent, flags) {
    SetUpTopLevel(this, objectName);
  }

  // Emits the window's own unloading signal; a window no one waits on (the
  // about box, whose caller waits on its modal run) leaves it empty.
  virtual void Unloading() {}

  // Runs once, after the first placement and before the window appears.
  virtual void FirstShowing() {}

  void showEvent(QShowEvent* event) override {
    // Placed before the window system maps it, so it appears where it belongs.
    if (!placed_) {
      placed_ = true;
      PlaceOnScreen(this);
      FirstShowing();
    }
    Base::showEvent(event);
  }

  void closeEvent(QCloseEvent* event) override {
    Base::closeEvent(event);  // a dialog closes by rejecting
    if (event->isAccepted()) Unloading();
  }

 private:
  bool placed_ = false;
};
