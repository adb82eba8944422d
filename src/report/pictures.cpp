#include "report/pictures.h"

#include "ui/look.h"

#include "astro/calendar.h"

#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>

#include <array>

namespace {

// In sign order, so a sign's PictureIndex addresses its own deity.
constexpr std::array<const char*, DeityPictureCount> Stems{
  "01-amon-ra", "02-anubis", "03-bastet", "04-geb",     "05-horus", "06-isis",
  "07-mut",     "08-the-nile", "09-osiris", "10-sekhmet", "11-seth",  "12-thoth"};

static_assert(Stems.size() == SignCount);
static_assert(PictureIndex(SignName::AmonRa) == 1 && PictureIndex(SignName::TheNile) == 8 &&
              PictureIndex(SignName::Thoth) == DeityPictureCount);

QString Stem(int index) {
  if (index < 1 || index > DeityPictureCount) return QString();
  return QString::fromLatin1(Stems[static_cast<std::size_t>(index - 1)]);
}

QPixmap Rendered(const QString& source, QSize logical, qreal ratio) {
  QSvgRenderer renderer(source);
  if (!renderer.isValid()) return QPixmap();
  QPixmap pixmap(logical * ratio);
  pixmap.fill(Colour::PictureBackground);  // what the JPEGs were flattened onto
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixmap.size())));
  painter.end();
  pixmap.setDevicePixelRatio(ratio);
  return pixmap;
}

}  // namespace

QString DeityPicturePath(int index) {
  const QString stem = Stem(index);
  return stem.isEmpty() ? stem : QStringLiteral(":/deities/%1.jpg").arg(stem);
}

QString DeityVectorPath(int index) {
  const QString stem = Stem(index);
  return stem.isEmpty() ? stem : QStringLiteral(":/deities/src/%1.svg").arg(stem);
}

QPixmap DeityPicture(int index) {
  const QString path = DeityPicturePath(index);
  if (path.isEmpty()) return QPixmap();
  // QPixmap's own cache keeps a picture decoded once shown.
  return QPixmap(path);
}

QPixmap DeityPicture(int index, QSize room, qreal devicePixelRatio) {
  QPixmap picture = DeityPicture(index);
  if (picture.isNull()) return picture;
  // The JPEG's size is the design size; a smaller box shrinks it, keeping its shape.
  QSize logical = picture.size();
  if (!room.isEmpty() && (logical.width() > room.width() || logical.height() > room.height()))
    logical = logical.scaled(room, Qt::KeepAspectRatio);
  if (devicePixelRatio > 1) {
    QPixmap sharp = Rendered(DeityVectorPath(index), logical, devicePixelRatio);
    if (!sharp.isNull()) return sharp;
  }
  if (logical != picture.size()) picture = picture.scaled(logical, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  return picture;
}

bool ShowDeityPicture(QLabel* label, int index) {
  const QPixmap picture = DeityPicture(index, label->contentsRect().size(), label->devicePixelRatioF());
  if (picture.isNull()) return false;
  label->setPixmap(picture);
  return true;
}
