#include "report/captiontabs.h"

#include "report/autosizelabel.h"

#include <QKeySequence>
#include <QStyle>
#include <QStyleOptionTab>

namespace {
// The style draws a tab's text with access-key marks; doubled, an
// ampersand shows as itself.
QString Escaped(QString text) { return text.replace(QLatin1Char('&'), QStringLiteral("&&")); }
}  // namespace

CaptionTabBar::CaptionTabBar(QWidget* parent) : QTabBar(parent) {
  setElideMode(Qt::ElideRight);
  setUsesScrollButtons(true);
}

QSize CaptionTabBar::tabSizeHint(int index) const {
  // Measured as drawn: the plain caption (cut, so a pasted page is not laid
  // out whole), not the caption with its ampersands read as marks.
  QSize size = QTabBar::tabSizeHint(index);
  const QString caption = CutForDisplay(tabText(index));
  const QFontMetrics metrics = fontMetrics();
  size.rwidth() += metrics.horizontalAdvance(caption) - metrics.size(Qt::TextShowMnemonic, caption).width();
  return size;
}

void CaptionTabBar::initStyleOption(QStyleOptionTab* option, int tabIndex) const {
  QTabBar::initStyleOption(option, tabIndex);
  option->text = CutForDisplay(tabText(tabIndex));
  const QRect textRect = style()->subElementRect(QStyle::SE_TabBarTabText, option, this);
  option->text = Escaped(fontMetrics().elidedText(option->text, elideMode(), textRect.width()));
}

CaptionTabWidget::CaptionTabWidget(QWidget* parent) : QTabWidget(parent) {
  auto* bar = new CaptionTabBar(this);
  bar->setObjectName(QStringLiteral("qt_tabwidget_tabbar"));  // the name Qt gives its own
  setTabBar(bar);
}

void CaptionTabWidget::SetCaption(int index, const QString& caption) {
  setTabText(index, caption);
  setTabToolTip(index, caption);
  if (QKeySequence::mnemonic(caption).isEmpty()) return;
  // The tab bar has just grabbed the caption's "access key" as the newest
  // shortcut. A name's ampersand is a letter: let that shortcut go, or Alt
  // with the next letter would turn ambiguous with the window's own keys.
  // Only a shortcut the tab bar owns is released.
  QTabBar* bar = tabBar();
  const int probe = bar->grabShortcut(QKeySequence(Qt::Key_F35));
  bar->releaseShortcut(probe);
  bar->releaseShortcut(probe - 1);
}
