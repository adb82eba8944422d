#include "app/namemenu.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>

namespace {

// Whether the name box refuses these keys: Ctrl with a letter, Enter or
// Backspace types a control code other than Enter's and Backspace's own.
// Ctrl with Alt is AltGr on some keyboards and types what it shows.
bool Refused(const QKeySequence& keys) {
  if (keys.isEmpty()) return false;
  const QKeyCombination chord = keys[0];
  const Qt::KeyboardModifiers modifiers = chord.keyboardModifiers();
  if (!(modifiers & Qt::ControlModifier) || (modifiers & Qt::AltModifier)) return false;
  const Qt::Key key = chord.key();
  return (key >= Qt::Key_A && key <= Qt::Key_Z) || key == Qt::Key_Return || key == Qt::Key_Enter ||
         key == Qt::Key_Backspace;
}

// The menu shows a shortcut as text after a tab, and some Qt versions set
// it on the entry as well; both go where the box would refuse the keys.
void DropRefusedShortcut(QAction* action) {
  const QString text = action->text();
  const qsizetype tab = text.indexOf(QLatin1Char('\t'));
  if (tab >= 0 && Refused(QKeySequence::fromString(text.mid(tab + 1), QKeySequence::NativeText)))
    action->setText(text.left(tab));
  if (Refused(action->shortcut())) action->setShortcut(QKeySequence());
}

class NameMenu : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::ContextMenu) return false;
    auto* box = static_cast<QLineEdit*>(watched);
    QMenu* menu = box->createStandardContextMenu();
    if (menu == nullptr) return false;
    for (QAction* action : menu->actions()) DropRefusedShortcut(action);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
    return true;
  }
};

}  // namespace

void InstallNameMenu(QLineEdit* box) { box->installEventFilter(new NameMenu(box)); }
