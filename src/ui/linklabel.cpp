#include "ui/linklabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// A screen reader sees a link with the label's text as its name and a
// "press" action that does what a click does.
class AccessibleLinkLabel : public QAccessibleWidget {
 public:
  explicit AccessibleLinkLabel(LinkLabel* label) : QAccessibleWidget(label, QAccessible::Link) {
    addControllingSignal(QStringLiteral("clicked()"));
  }

  QString text(QAccessible::Text t) const override {
    QString result = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && result.isEmpty()) result = static_cast<QLabel*>(widget())->text();
    return result;
  }

  QStringList actionNames() const override { return {pressAction()}; }

  void doAction(const QString& actionName) override {
    if (actionName == pressAction() && widget()->isEnabled()) emit static_cast<LinkLabel*>(widget())->clicked();
  }
};

QAccessibleInterface* LinkLabelAccessible(const QString& className, QObject* object) {
  if (className == QLatin1String("LinkLabel") && object->isWidgetType())
    return new AccessibleLinkLabel(static_cast<LinkLabel*>(object));
  return nullptr;
}

}  // namespace

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  static const bool factoryInstalled = [] {
    QAccessible::installFactory(LinkLabelAccessible);
    return true;
  }();
  Q_UNUSED(factoryInstalled);
  setCursor(Qt::PointingHandCursor);
  // Tab reaches it, a click does not move the focus. The windows place their
  // links after their own keyboard order, so the order among the other
  // controls stays as it was.
  setFocusPolicy(Qt::TabFocus);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
    return;
  }
  QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      emit clicked();
      return;
    default:
      QLabel::keyPressEvent(event);
  }
}

void LinkLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  // Without a frame a keyboard user could not see where the focus went. It
  // is drawn in the text's colour, which always stands out from the
  // background, whatever the style's focus colour would do on it.
  QPainter painter(this);
  painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
