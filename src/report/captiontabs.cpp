#include "report/captiontabs.h"

#include "report/displaytext.h"

#include <QList>
#include <QStyle>
#include <QStyleOptionTab>

#include <algorithm>

namespace {
// The tab bar reads a tab's text with access-key marks: doubled, an
// ampersand is drawn (and read to screen readers) as itself, and the bar
// grabs no shortcut for it.
QString Escaped(QString text) { return text.replace(QLatin1Char('&'), QStringLiteral("&&")); }
QString Unescaped(QString text) { return text.replace(QStringLiteral("&&"), QStringLiteral("&")); }
}  // namespace

CaptionTabBar::CaptionTabBar(QWidget* parent) : QTabBar(parent) {
  setElideMode(Qt::ElideRight);
  setUsesScrollButtons(true);
}

QString CaptionTabBar::Caption(int index) const { return Unescaped(tabText(index)); }

QSize CaptionTabBar::NaturalSize(int index) const {
  // Measured as drawn: the caption as cut for display, in its own width
  // rather than the bar's measure of the marked-up text.
  QSize size = QTabBar::tabSizeHint(index);
  const QFontMetrics metrics = fontMetrics();
  size.rwidth() += metrics.horizontalAdvance(CutForDisplay(Caption(index))) -
                   metrics.size(Qt::TextShowMnemonic, tabText(index)).width();
  return size;
}

QSize CaptionTabBar::tabSizeHint(int index) const {
  QSize size = NaturalSize(index);
  // When the captions are wider together than the bar, the short ones keep
  // their width and the long ones share what is left, so every tab stays
  // on the bar and the summary's caption stays whole.
  const int room = parentWidget() != nullptr ? parentWidget()->width() : width();
  QList<int> widths;
  int total = 0;
  for (int i = 0; i < count(); ++i) {
    widths.append(i == index ? size.width() : NaturalSize(i).width());
    total += widths.last();
  }
  if (room <= 0 || total <= room) return size;
  std::sort(widths.begin(), widths.end());
  int left = room;
  qsizetype sharing = widths.size();
  for (const int width : widths) {
    if (width > left / sharing) break;
    left -= width;
    --sharing;
  }
  if (sharing > 0) size.setWidth(qMin(size.width(), left / static_cast<int>(sharing)));
  return size;
}

void CaptionTabBar::initStyleOption(QStyleOptionTab* option, int tabIndex) const {
  QTabBar::initStyleOption(option, tabIndex);
  option->text = CutForDisplay(Caption(tabIndex));
  const QRect textRect = style()->subElementRect(QStyle::SE_TabBarTabText, option, this);
  // The tab was sized from the caption's rounded width; eliding against the
  // unrounded one would cut a caption that fits by a fraction of a pixel.
  if (fontMetrics().horizontalAdvance(option->text) > textRect.width())
    option->text = fontMetrics().elidedText(option->text, elideMode(), textRect.width());
  option->text = Escaped(option->text);
}

CaptionTabWidget::CaptionTabWidget(QWidget* parent) : QTabWidget(parent) {
  auto* bar = new CaptionTabBar(this);
  bar->setObjectName(QStringLiteral("qt_tabwidget_tabbar"));  // the name Qt gives its own
  setTabBar(bar);
}

void CaptionTabWidget::SetCaption(int index, const QString& caption) {
  // A name's ampersand is a letter: as an access key, Alt with the next
  // letter would turn ambiguous with the window's own keys.
  setTabText(index, Escaped(caption));
  setTabToolTip(index, caption);
}

QString CaptionTabWidget::Caption(int index) const { return static_cast<const CaptionTabBar*>(tabBar())->Caption(index); }
