#include "support/contrastcheck.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTextEdit>

#include <cmath>

namespace {

double Linear(int channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(QRgb c) { return 0.2126 * Linear(qRed(c)) + 0.7152 * Linear(qGreen(c)) + 0.0722 * Linear(qBlue(c)); }

double Ratio(QRgb a, QRgb b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

// Whether `c` lies on the way from `bg` to `ink`: a blend of the two, as the
// edge pixels of anti-aliased glyphs are.
bool Blend(QRgb c, QRgb bg, QRgb ink) {
  const double d[3] = {double(qRed(ink) - qRed(bg)), double(qGreen(ink) - qGreen(bg)), double(qBlue(ink) - qBlue(bg))};
  const double v[3] = {double(qRed(c) - qRed(bg)), double(qGreen(c) - qGreen(bg)), double(qBlue(c) - qBlue(bg))};
  const double length = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
  if (length == 0) return false;
  const double t = (v[0] * d[0] + v[1] * d[1] + v[2] * d[2]) / length;
  if (t <= 0 || t >= 1) return false;
  double off = 0;
  for (int i = 0; i < 3; ++i) off += (v[i] - t * d[i]) * (v[i] - t * d[i]);
  return std::sqrt(off) <= 12;
}

// Colours nearer the background than this are shading (gradients, bevels),
// not text; text that faint would be plain to see on any screenshot.
constexpr double Shading = 1.5;

struct Reading {
  QRgb background = 0;
  QRgb ink = 0;
  double ratio = 0;  // 0: no text found
};

Reading Read(const QImage& image, const QRect& area) {
  QHash<QRgb, int> counts;
  const QRect inside = area.intersected(image.rect());
  for (int y = inside.top(); y <= inside.bottom(); ++y)
    for (int x = inside.left(); x <= inside.right(); ++x) ++counts[image.pixel(x, y) | 0xFF000000u];
  Reading reading;
  int most = 0;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it)
    if (it.value() > most) {
      most = it.value();
      reading.background = it.key();
    }
  QList<QRgb> candidates;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it)
    if (it.value() >= 2 && Ratio(it.key(), reading.background) >= Shading) candidates << it.key();
  for (QRgb c : candidates) {
    bool blend = false;
    for (QRgb other : candidates) blend = blend || (other != c && Blend(c, reading.background, other));
    if (blend) continue;
    const double ratio = Ratio(c, reading.background);
    if (reading.ratio == 0 || ratio < reading.ratio) {
      reading.ratio = ratio;
      reading.ink = c;
    }
  }
  return reading;
}

class Checker {
 public:
  Checker(QWidget* window, double minimum)
      : window_(window), minimum_(minimum), image_(window->grab().toImage()), scale_(image_.devicePixelRatio()) {}

  QStringList Run() {
    Walk(window_);
    return problems_;
  }

 private:
  QWidget* window_;
  double minimum_;
  QImage image_;
  double scale_;
  QStringList problems_;

  static QString Name(const QWidget* w) {
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
  }

  // `area` in w's coordinates, limited to what its containers show (a
  // scrolled container shows only part of what it holds).
  void Check(const QWidget* w, QRect area, const QString& what) {
    const QRect whole(w->mapTo(window_, area.topLeft()), area.size());
    QRect logical = whole;
    for (const QWidget* c = w; c != window_; c = c->parentWidget()) {
      const QWidget* container = c->parentWidget();
      logical &= QRect(container->mapTo(window_, QPoint(0, 0)), container->size());
    }
    if (logical.isEmpty()) return;
    // Scrolled nearly out of view, a caption leaves a sliver of its box:
    // the edge lines and shading of the control around it, and at most the
    // tips of a few letters. Nothing there is read, so nothing is judged.
    if (logical != whole && logical.height() < w->fontMetrics().height()) return;
    const QRect physical(QPoint(qRound(logical.left() * scale_), qRound(logical.top() * scale_)),
                         QSize(qRound(logical.width() * scale_), qRound(logical.height() * scale_)));
    const Reading reading = Read(image_, physical);
    if (reading.ratio == 0 || reading.ratio >= minimum_) return;
    problems_ << QStringLiteral("%1%2: %3:1, text #%4 on #%5")
                     .arg(Name(w), what.isEmpty() ? QString() : QStringLiteral(" ") + what)
                     .arg(reading.ratio, 0, 'f', 2)
                     .arg(reading.ink & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                     .arg(reading.background & 0xFFFFFF, 6, 16, QLatin1Char('0'));
  }

  void Walk(QWidget* parent) {
    for (QObject* object : parent->children()) {
      auto* w = qobject_cast<QWidget*>(object);
      if (!w || w->isWindow() || !w->isVisibleTo(window_)) continue;
      CheckText(w);
      Walk(w);
    }
  }

  void CheckText(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) {
      if (!label->text().isEmpty()) Check(label, label->contentsRect(), {});
    } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
      QStyleOptionButton option;
      option.initFrom(check);
      option.text = check->text();
      Check(check, check->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, check), {});
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
      Check(button, button->rect().adjusted(4, 4, -4, -4), {});
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
      QStyleOptionGroupBox option;
      option.initFrom(group);
      option.text = group->title();
      option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
      option.textAlignment = group->alignment();
      Check(group, group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group),
            QStringLiteral("caption"));
    } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
      for (int i = 0; i < tabs->count(); ++i)
        Check(tabs, tabs->tabRect(i).adjusted(4, 4, -4, -3), QStringLiteral("tab %1").arg(i));
    } else if (auto* bar = qobject_cast<QMenuBar*>(w)) {
      for (QAction* action : bar->actions())
        if (action->isVisible()) Check(bar, bar->actionGeometry(action).adjusted(2, 2, -2, -2), action->objectName());
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
      Check(edit, edit->rect().adjusted(3, 3, -3, -3), {});
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
      QStyleOptionComboBox option;
      option.initFrom(combo);
      option.subControls = QStyle::SC_All;
      const QRect field =
          combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
      Check(combo, field.adjusted(1, 1, -1, -1), {});
    } else if (auto* text = qobject_cast<QTextEdit*>(w)) {
      QWidget* page = text->viewport();
      Check(page, page->rect(), {});
    } else if (auto* list = qobject_cast<QAbstractItemView*>(w)) {
      // Row by row: the current row has a background of its own.
      QWidget* page = list->viewport();
      for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row) {
        const QRect rect = list->visualRect(list->model()->index(row, 0, list->rootIndex()));
        if (rect.intersects(page->rect())) Check(page, rect & page->rect(), QStringLiteral("row %1").arg(row));
      }
    }
  }
};

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) { return Ratio(a.rgb(), b.rgb()); }

QStringList ContrastProblems(QWidget* window, double minimum) { return Checker(window, minimum).Run(); }
