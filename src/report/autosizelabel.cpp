#include "report/autosizelabel.h"

QString CutForDisplay(const QString& text, qsizetype limit) {
  if (text.size() <= limit) return text;
  qsizetype keep = limit;
  if (text.at(keep - 1).isHighSurrogate()) --keep;  // never half a character
  return text.left(keep) + QChar(0x2026);
}

AutoSizeLabel::AutoSizeLabel(const QString& text, QWidget* parent, Anchor anchor)
    : QLabel(CutForDisplay(text), parent), anchor_(anchor) {
  setTextFormat(Qt::PlainText);
  if (anchor_ == Anchor::Centre) setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

void AutoSizeLabel::Place(QPoint topLeft, QRect bounds, QSize minimum) {
  topLeft_ = topLeft;
  bounds_ = bounds;
  minimum_ = minimum;
  fitted_ = false;
  setWordWrap(false);
  const int width = qMax(QLabel::sizeHint().width(), minimum_.width());
  centreX_ = topLeft_.x() + width / 2;
  Fit();
}

void AutoSizeLabel::setText(const QString& text) {
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
  const int room = bounds_.width();
  if (room > 0 && size.width() > room) {
    // Too wide for the container (a very long name): wrap within it.
    setWordWrap(true);
    size = QSize(room, qMax(heightForWidth(room), minimum_.height()));
  }
  int left = anchor_ == Anchor::Centre ? centreX_ - size.width() / 2 : topLeft_.x();
  if (room > 0) left = qBound(bounds_.left(), left, bounds_.right() + 1 - size.width());
  setGeometry(QRect(QPoint(left, topLeft_.y()), size));
  fitted_ = true;
  fittedText_ = text();
  fittedFont_ = font();
  fittedMargins_ = contentsMargins();
  fittedGeometry_ = geometry();
}

void AutoSizeLabel::showEvent(QShowEvent* event) {
  Fit();
  QLabel::showEvent(event);
}
