#include "support/layoutcheck.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTabBar>

namespace {

class Checker {
 public:
  Checker(QWidget* window, const LayoutDesign& design) : window_(window), design_(design) {}

  QStringList Run() {
    Walk(window_);
    return problems_;
  }

 private:
  QWidget* window_;
  const LayoutDesign& design_;
  QStringList problems_;

  static QString Name(const QWidget* w) {
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
  }
  void Report(const QWidget* w, const QString& what) { problems_ << Name(w) + QStringLiteral(": ") + what; }

  // Style internals and the parts of compound controls are not ours to place.
  static bool IsPart(const QWidget* w) { return w->objectName().startsWith(QLatin1String("qt_")); }
  static bool IsCompound(const QWidget* w) {
    return qobject_cast<const QComboBox*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QAbstractScrollArea*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QTabBar*>(w) || qobject_cast<const QMenuBar*>(w) ||
           qobject_cast<const QAbstractButton*>(w);
  }

  QList<QWidget*> Shown(QWidget* parent) const {
    QList<QWidget*> shown;
    for (QObject* object : parent->children()) {
      auto* w = qobject_cast<QWidget*>(object);
      if (w && !w->isWindow() && w->isVisibleTo(window_)) shown << w;
    }
    return shown;
  }

  void Walk(QWidget* parent) {
    const QList<QWidget*> children = Shown(parent);
    for (QWidget* child : children) {
      CheckCaption(child);
      if (IsPart(child)) {
        // A tab control's pages live in its internal stack: still ours.
        if (!qobject_cast<QTabBar*>(child)) Walk(child);
        continue;
      }
      if (!design_.outsideParent.contains(child->objectName()) &&
          !QRect(QPoint(0, 0), parent->size()).contains(child->geometry()))
        Report(child, QStringLiteral("lies outside %1 (%2 in %3x%4)")
                          .arg(Name(parent), Text(child->geometry()))
                          .arg(parent->width())
                          .arg(parent->height()));
      if (!IsCompound(child)) Walk(child);
    }
    for (qsizetype i = 0; i < children.size(); ++i)
      for (qsizetype j = i + 1; j < children.size(); ++j) CheckOverlap(children[i], children[j]);
  }

  static QString Text(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
  }

  void CheckOverlap(const QWidget* a, const QWidget* b) {
    if (IsPart(a) || IsPart(b)) return;
    const QRect ra = a->geometry();
    const QRect rb = b->geometry();
    if (!ra.intersects(rb) || ra.contains(rb) || rb.contains(ra)) return;
    const QString pair = a->objectName() + u'/' + b->objectName();
    const QString reversed = b->objectName() + u'/' + a->objectName();
    if (design_.overlapping.contains(pair) || design_.overlapping.contains(reversed)) return;
    Report(a, QStringLiteral("overlaps %1 (%2 and %3)").arg(Name(b), Text(ra), Text(rb)));
  }

  // The part of `w` its container actually shows, in w's own coordinates.
  static QRect Visible(const QWidget* w) {
    return w->rect().intersected(w->parentWidget()->rect().translated(-w->pos()));
  }

  void CheckCaption(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) return CheckLabel(label);
    if (auto* group = qobject_cast<QGroupBox*>(w)) return CheckGroup(group);
    if (auto* tabs = qobject_cast<QTabBar*>(w)) return CheckTabs(tabs);
    if (auto* bar = qobject_cast<QMenuBar*>(w)) return CheckMenuBar(bar);
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return CheckButton(button);
  }

  void CheckLabel(const QLabel* label) {
    if (label->text().isEmpty()) return;  // a picture
    const QFontMetricsF fm(label->font());
    const QRect room = label->contentsRect();
    const QRect shown = Visible(label).intersected(room);
    if (label->wordWrap()) {
      const int flags = int(label->alignment()) | Qt::TextWordWrap;
      const QRect needed = QFontMetrics(label->font()).boundingRect(room, flags, label->text());
      if (needed.width() > room.width() || needed.height() > shown.height())
        Report(label, QStringLiteral("wrapped caption needs %1x%2, has %3x%4")
                          .arg(needed.width())
                          .arg(needed.height())
                          .arg(room.width())
                          .arg(shown.height()));
      return;
    }
    // A one-line caption's line box may be a pixel taller than its label;
    // what counts is that every glyph is shown. The glyphs' box comes
    // rounded out to whole device-independent pixels, while the glyphs end
    // on a device pixel: on a scaled screen up to 1 - 1/ratio too big.
    const qreal width = fm.horizontalAdvance(label->text());
    qreal top = room.top();
    if (label->alignment() & Qt::AlignVCenter) top += (room.height() - fm.height()) / 2;
    if (label->alignment() & Qt::AlignBottom) top = room.bottom() + 1 - fm.height();
    const QRectF ink = fm.tightBoundingRect(label->text()).translated(0, top + fm.ascent());
    const qreal slack = 1 - 1 / label->devicePixelRatioF() + 1e-6;
    if (width > room.width() || ink.top() < shown.top() - slack || ink.bottom() > shown.bottom() + 1 + slack)
      Report(label, QStringLiteral("caption needs %1 wide, ink %2..%3; has %4 wide, %5..%6")
                        .arg(width)
                        .arg(ink.top())
                        .arg(ink.bottom())
                        .arg(room.width())
                        .arg(shown.top())
                        .arg(shown.bottom() + 1));
  }

  void CheckButton(const QAbstractButton* button) {
    const QFontMetrics fm(button->font());
    const QString caption = QString(button->text()).remove(u'&');
    QStyle* style = button->style();
    int frame = 0;
    if (qobject_cast<const QCheckBox*>(button))
      frame = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button) +
              style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button);
    else if (qobject_cast<const QRadioButton*>(button))
      frame = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button) +
              style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button);
    else
      frame = 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    const int width = fm.horizontalAdvance(caption) + frame;
    const QRect shown = Visible(button);
    if (width > button->width() || fm.height() > shown.height())
      Report(button, QStringLiteral("caption needs %1x%2, has %3x%4")
                         .arg(width)
                         .arg(fm.height())
                         .arg(button->width())
                         .arg(shown.height()));
  }

  void CheckGroup(const QGroupBox* group) {
    if (group->title().isEmpty()) return;
    QStyleOptionGroupBox option;
    option.initFrom(group);
    option.text = group->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    option.textAlignment = group->alignment();
    const QRect label =
        group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
    const QFontMetrics fm(group->font());
    const int width = fm.horizontalAdvance(QString(group->title()).remove(u'&'));
    if (width > label.width() || !group->rect().contains(label))
      Report(group, QStringLiteral("title needs %1 wide, has %2 at %3")
                        .arg(width)
                        .arg(label.width())
                        .arg(Text(label)));
  }

  void CheckTabs(const QTabBar* tabs) {
    const QFontMetrics fm(tabs->font());
    for (int i = 0; i < tabs->count(); ++i) {
      const QRect tab = tabs->tabRect(i);
      // A bar that shortens its captions with "…" may draw a long one short.
      const bool mayShorten = tabs->elideMode() != Qt::ElideNone;
      if ((!mayShorten && fm.horizontalAdvance(tabs->tabText(i)) > tab.width()) || !tabs->rect().contains(tab))
        Report(tabs, QStringLiteral("tab \"%1\" does not fit (%2 in %3 wide)")
                         .arg(tabs->tabText(i), Text(tab))
                         .arg(tabs->width()));
    }
  }

  void CheckMenuBar(const QMenuBar* bar) {
    const QFontMetrics fm(bar->font());
    for (QAction* action : bar->actions()) {
      if (!action->isVisible()) continue;
      const QRect entry = bar->actionGeometry(action);
      const QString caption = QString(action->text()).remove(u'&');
      if (fm.horizontalAdvance(caption) > entry.width() || !bar->rect().contains(entry))
        Report(bar, QStringLiteral("entry \"%1\" does not fit (%2 in %3 wide)")
                        .arg(caption, Text(entry))
                        .arg(bar->width()));
    }
  }
};

}  // namespace

QStringList LayoutProblems(QWidget* window, const LayoutDesign& design) { return Checker(window, design).Run(); }
