#include "ui/captionfit.h"

#include "ui/translation.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QtMath>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionGroupBox>

#include <functional>

namespace {

constexpr double SmallestShare = 0.8;  // of the design size: still easily read
constexpr double Step = 0.25;          // points

// Shrinks the widget's font until `fits` holds or the limit is reached.
bool ShrinkUntil(QWidget* widget, const std::function<bool()>& fits) {
  if (fits()) return true;
  QFont font = widget->font();
  const double design = font.pointSizeF();
  if (design <= 0) return false;
  for (double size = design - Step; size >= design * SmallestShare; size -= Step) {
    font.setPointSizeF(size);
    widget->setFont(font);
    if (fits()) return true;
  }
  font.setPointSizeF(design);
  widget->setFont(font);
  return false;
}

bool LabelFits(const QLabel* label) {
  const QRect room = label->contentsRect();
  if (label->wordWrap()) {
    const QRect needed =
        QFontMetrics(label->font()).boundingRect(room, int(label->alignment()) | Qt::TextWordWrap, label->text());
    return needed.width() <= room.width() && needed.height() <= room.height();
  }
  // Every glyph, not only the line, inside the box; the glyphs end on a
  // device pixel, which on a scaled screen lies inside the last logical one.
  const QFontMetricsF metrics(label->font());
  qreal top = room.top();
  if (label->alignment() & Qt::AlignVCenter) top += (room.height() - metrics.height()) / 2;
  if (label->alignment() & Qt::AlignBottom) top = room.bottom() + 1 - metrics.height();
  const QRectF ink = metrics.tightBoundingRect(label->text()).translated(0, top + metrics.ascent());
  const qreal slack = 1 - 1 / label->devicePixelRatioF();
  return metrics.horizontalAdvance(label->text()) <= room.width() && ink.top() >= room.top() - slack &&
         ink.bottom() <= room.bottom() + 1 + slack;
}

void FitLabel(QLabel* label) {
  // Pictures, rich text and labels that size themselves to their caption.
  if (label->text().isEmpty() || label->textFormat() == Qt::RichText || label->inherits("AutoSizeLabel")) return;
  if (ShrinkUntil(label, [label] { return LabelFits(label); })) return;
  if (!label->wordWrap()) {
    label->setWordWrap(true);
    if (ShrinkUntil(label, [label] { return LabelFits(label); })) return;
    label->setWordWrap(false);
  }
  label->setToolTip(label->text());
}

int ButtonFrame(const QAbstractButton* button) {
  const QStyle* style = button->style();
  if (qobject_cast<const QCheckBox*>(button))
    return style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button) +
           style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button);
  return 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
}

void FitButton(QAbstractButton* button) {
  if (button->text().isEmpty()) return;
  const QString caption = QString(button->text()).remove(u'&');
  const int frame = ButtonFrame(button);
  const bool fits = ShrinkUntil(button, [&] {
    const QFontMetrics metrics(button->font());
    return metrics.horizontalAdvance(caption) + frame <= button->width() && metrics.height() <= button->height();
  });
  if (!fits) button->setToolTip(caption);
}

void FitGroupTitle(QGroupBox* group) {
  if (group->title().isEmpty()) return;
  const QString title = QString(group->title()).remove(u'&');
  const bool fits = ShrinkUntil(group, [&] {
    QStyleOptionGroupBox option;
    option.initFrom(group);
    option.text = group->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    option.textAlignment = group->alignment();
    const QRect room = group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
    return QFontMetrics(group->font()).horizontalAdvance(title) <= room.width() && group->rect().contains(room);
  });
  if (!fits) group->setToolTip(title);
}

}  // namespace

int InkOverflow(const QFont& font, const QString& text) {
  const QFontMetricsF metrics(font);
  const QRectF ink = metrics.tightBoundingRect(text);
  return qCeil(qMax(qMax(0.0, -ink.top() - metrics.ascent()), qMax(0.0, ink.bottom() - metrics.descent())));
}

void FitCaptions(QWidget* window) {
  if (ProgramLanguage().isEmpty()) return;
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    if (widget->objectName().isEmpty() || widget->objectName().startsWith(QLatin1String("qt_"))) continue;
    if (auto* label = qobject_cast<QLabel*>(widget))
      FitLabel(label);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
      FitButton(button);
    else if (auto* group = qobject_cast<QGroupBox*>(widget))
      FitGroupTitle(group);
  }
}
