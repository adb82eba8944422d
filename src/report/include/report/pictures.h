#pragma once

#include <QPixmap>
#include <QString>

class QLabel;

// The deity pictures, numbered 1 to 12 in sign order (a sign's PictureIndex).
inline constexpr int DeityPictureCount = 12;

// Resource path of picture `index`; empty outside 1..12.
QString DeityPicturePath(int index);

// Resource path of the vector source picture `index` is drawn from; empty outside 1..12.
QString DeityVectorPath(int index);

// Picture `index`, decoded on first use; null outside 1..12.
QPixmap DeityPicture(int index);

// Picture `index` at `devicePixelRatio`: the JPEG at 1, drawn afresh from its
// vector source above 1 so that dense screens show it sharp, not upscaled.
// Never larger than `room` (device-independent pixels); null outside 1..12.
QPixmap DeityPicture(int index, QSize room, qreal devicePixelRatio);

// Shows picture `index` in `label`, fitted to its contents and rendered for
// the label's screen. False, and no change, outside 1..12.
bool ShowDeityPicture(QLabel* label, int index);
