#pragma once

#include "report/displaytext.h"

#include <QLabel>

// A label that sizes itself to its caption whenever the caption is set.
// Anchored at its left edge, or on a fixed centre so that a caption that
// grows or shrinks stays centred where the design caption was. It never
// leaves its container's width: a caption too wide for it wraps, as far
// down as the room it owns reaches; beyond that it stays on one line drawn
// shortened with "…", the whole caption in its tooltip and accessible
// description. Captions are plain text (names are pasted, not markup) and
// cut by CutForDisplay.
class AutoSizeLabel : public QLabel {
  Q_OBJECT
 public:
  enum class Anchor { Left, Centre };

  AutoSizeLabel(const QString& text, QWidget* parent, Anchor anchor = Anchor::Left);

  // Design position, in pixels. The centre of a centred label is taken from
  // the caption it has now. `bounds` spans the container's usable width;
  // `minimum` keeps a fixed design box as the smallest size; `roomHeight`
  // is how far down from its top the label may grow (0: no limit).
  void Place(QPoint topLeft, QRect bounds, QSize minimum = QSize(), int roomHeight = 0);

  // True while the caption is drawn shortened.
  bool Shortened() const { return shortened_; }

  // Sets the caption and refits at once. A caption set with QLabel::setText
  // is refitted when the label is next shown.
  void SetCaption(const QString& text);

  // Resizes and moves the label to fit its current caption.
  void Fit();

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void SetShortened(bool shortened);
  bool WrapsWithin(int width) const;

  Anchor anchor_;
  QPoint topLeft_;
  int centreX_ = 0;
  QRect bounds_;
  QSize minimum_;
  int roomHeight_ = 0;
  bool shortened_ = false;
  QString ownDescription_;  // given by the window, shown again once the caption fits
  // What the last fit was made from and what it gave: showing the label
  // with nothing changed skips laying a long caption out twice more.
  bool fitted_ = false;
  QString fittedText_;
  QFont fittedFont_;
  QMargins fittedMargins_;
  QRect fittedGeometry_;
};
