#include "report/autosizelabel.h"

#include "ui/captionfit.h"
#include "ui/mirror.h"
#include "ui/translation.h"

#include <QPainter>
#include <QStyle>

AutoSizeLabel::AutoSizeLabel(const QString& text, QWidget* parent, Anchor anchor)
    : QLabel(CutForDisplay(text), parent), anchor_(anchor) {
  setTextFormat(Qt::PlainText);
  if (anchor_ == Anchor::Centre) setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

void AutoSizeLabel::Place(QPoint topLeft, QRect bounds, QSize minimum, int roomHeight) {
  topLeft_ = topLeft;
  bounds_ = bounds;
  minimum_ = minimum;
  roomHeight_ = roomHeight;
  fitted_ = false;
  setWordWrap(false);
  const int width = qMax(QLabel::sizeHint().width(), minimum_.width());
  centreX_ = topLeft_.x() + width / 2;
  Fit();
}

void AutoSizeLabel::SetCaption(const QString& text) {
  QLabel::setText(CutForDisplay(text));
  Fit();
}

void AutoSizeLabel::Fit() {
  if (fitted_ && text() == fittedText_ && font() == fittedFont_ && contentsMargins() == fittedMargins_ &&
      geometry() == fittedGeometry_)
    return;
  setWordWrap(false);
  // The hint's whole-pixel line height can end a fraction above a
  // descender's last row on a scaled screen: one pixel to spare.
  QSize size = (QLabel::sizeHint() + QSize(0, 1)).expandedTo(minimum_);
  // In a translation, glyphs that stand taller than the line (Arabic's) get
  // room on both sides, the line centred between; the program's own English
  // captions keep the boxes they were drawn with.
  if (const int overflow = ProgramLanguage().isEmpty() ? 0 : InkOverflow(font(), text()); overflow > 0) {
    size.rheight() += 2 * overflow;
    setAlignment((alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter);
  }
  const int room = bounds_.width();
  bool shortened = false;
  if (room > 0 && size.width() > room) {
    // Too wide for the container (a very long name): wrap within it, if the
    // lines fit in the room below that is the label's own.
    setWordWrap(true);
    const int wrapped = qMax(heightForWidth(room), minimum_.height());
    if (roomHeight_ <= 0 || (wrapped <= roomHeight_ && WrapsWithin(room))) {
      size = QSize(room, wrapped);
    } else {
      setWordWrap(false);
      size.setWidth(room);
      shortened = true;
    }
  }
  SetShortened(shortened);
  int left = anchor_ == Anchor::Centre ? centreX_ - size.width() / 2 : topLeft_.x();
  if (room > 0) left = qBound(bounds_.left(), left, bounds_.right() + 1 - size.width());
  SetDesignGeometry(this, QRect(QPoint(left, topLeft_.y()), size));
  fitted_ = true;
  fittedText_ = text();
  fittedFont_ = font();
  fittedMargins_ = contentsMargins();
  fittedGeometry_ = geometry();
}

bool AutoSizeLabel::WrapsWithin(int width) const {
  // A word longer than the line is not broken; it would run past the edge.
  const int inner = width - contentsMargins().left() - contentsMargins().right();
  return fontMetrics().boundingRect(QRect(0, 0, inner, QWIDGETSIZE_MAX), Qt::TextWordWrap, text()).width() <= inner;
}

void AutoSizeLabel::SetShortened(bool shortened) {
  if (shortened) {
    if (!shortened_) ownDescription_ = accessibleDescription();
    setToolTip(text());
    setAccessibleDescription(text());
  } else if (shortened_) {
    setToolTip(QString());
    setAccessibleDescription(ownDescription_);
  }
  shortened_ = shortened;
}

void AutoSizeLabel::paintEvent(QPaintEvent* event) {
  if (!shortened_) {
    QLabel::paintEvent(event);
    return;
  }
  QPainter painter(this);
  const QRect area = contentsRect();
  const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
  style()->drawItemText(&painter, area, static_cast<int>(alignment()), palette(), isEnabled(), shown,
                        foregroundRole());
}

void AutoSizeLabel::showEvent(QShowEvent* event) {
  Fit();
  QLabel::showEvent(event);
}
