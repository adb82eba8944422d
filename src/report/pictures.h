#pragma once

#include <QPixmap>
#include <QString>

// The deity pictures, numbered 1 to 12 in sign order (a sign's PictureIndex).
inline constexpr int DeityPictureCount = 12;

// Resource path of picture `index`; empty outside 1..12.
QString DeityPicturePath(int index);

// Picture `index`, decoded on first use; null outside 1..12.
QPixmap DeityPicture(int index);
