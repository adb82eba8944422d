#include "ui/linklabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>

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
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
    return;
  }
  QLabel::mouseReleaseEvent(event);
}
