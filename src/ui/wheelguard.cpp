#include "ui/wheelguard.h"

#include <QComboBox>
#include <QEvent>

namespace {

class WheelGuard : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Wheel || static_cast<QWidget*>(watched)->hasFocus()) return false;
    // Kept from the list but left unaccepted: the application then offers
    // the turn to the list's parents, up to a scroll area if there is one.
    event->ignore();
    return true;
  }
};

}  // namespace

void TurnOnlyWhenFocused(QComboBox* list) {
  // A list that took the focus from the wheel would turn at once.
  list->setFocusPolicy(Qt::StrongFocus);
  list->installEventFilter(new WheelGuard(list));
}
