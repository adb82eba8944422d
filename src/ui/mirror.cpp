#include "ui/mirror.h"

#include <QEvent>
#include <QLayout>
#include <QStyle>
#include <QVariant>
#include <QWidget>

namespace {

const char* const DesignProperty = "designGeometry";
const QString AnchorName = QStringLiteral("mirrorAnchor");

// Mirrors a rectangle in `width`; what `rect` spans from the left edge it
// spans from the right.
QRect Mirrored(const QRect& rect, int width) { return QStyle::visualRect(Qt::RightToLeft, QRect(0, 0, width, 1), rect); }

// Laid out by hand: ours (named, not a style part), and not in a layout.
bool PlacedByHand(QWidget* widget) {
  if (widget->isWindow() || widget->objectName().isEmpty() || widget->objectName().startsWith(QLatin1String("qt_")))
    return false;
  const QWidget* parent = widget->parentWidget();
  return parent != nullptr && (parent->layout() == nullptr || parent->layout()->indexOf(widget) < 0);
}

// A parent whose width is only settled later (a tab page not yet shown)
// places its mirrored children again whenever its width changes.
class MirrorAnchor : public QObject {
 public:
  explicit MirrorAnchor(QWidget* parent) : QObject(parent) { setObjectName(AnchorName); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Resize) return false;
    auto* parent = static_cast<QWidget*>(watched);
    for (QObject* child : parent->children()) {
      auto* widget = qobject_cast<QWidget*>(child);
      if (widget == nullptr) continue;
      const QVariant design = widget->property(DesignProperty);
      if (design.isValid()) widget->setGeometry(Mirrored(design.toRect(), parent->width()));
    }
    return false;
  }
};

}  // namespace

void SetDesignGeometry(QWidget* widget, const QRect& design) {
  QWidget* parent = widget->parentWidget();
  if (parent == nullptr || !widget->isRightToLeft()) {
    widget->setGeometry(design);
    return;
  }
  widget->setProperty(DesignProperty, design);
  if (parent->findChild<QObject*>(AnchorName, Qt::FindDirectChildrenOnly) == nullptr)
    parent->installEventFilter(new MirrorAnchor(parent));
  widget->setGeometry(Mirrored(design, parent->width()));
}

void MirrorFixedLayout(QWidget* window) {
  if (!window->isRightToLeft()) return;
  const QList<QWidget*> widgets = window->findChildren<QWidget*>();
  for (QWidget* widget : widgets) {
    if (PlacedByHand(widget) && !widget->property(DesignProperty).isValid())
      SetDesignGeometry(widget, widget->geometry());
  }
}
