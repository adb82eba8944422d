#include "report/pictures.h"

#include "astro/calendar.h"

#include <array>

namespace {

// In sign order, so a sign's PictureIndex addresses its own deity.
constexpr std::array<const char*, DeityPictureCount> Paths{
  ":/deities/01-amon-ra.jpg", ":/deities/02-anubis.jpg", ":/deities/03-bastet.jpg",
  ":/deities/04-geb.jpg",     ":/deities/05-horus.jpg",  ":/deities/06-isis.jpg",
  ":/deities/07-mut.jpg",     ":/deities/08-the-nile.jpg", ":/deities/09-osiris.jpg",
  ":/deities/10-sekhmet.jpg", ":/deities/11-seth.jpg",   ":/deities/12-thoth.jpg"};

static_assert(Paths.size() == SignCount);
static_assert(PictureIndex(SignName::AmonRa) == 1 && PictureIndex(SignName::TheNile) == 8 &&
              PictureIndex(SignName::Thoth) == DeityPictureCount);

}  // namespace

QString DeityPicturePath(int index) {
  if (index < 1 || index > DeityPictureCount) return QString();
  return QString::fromLatin1(Paths[static_cast<std::size_t>(index - 1)]);
}

QPixmap DeityPicture(int index) {
  const QString path = DeityPicturePath(index);
  if (path.isEmpty()) return QPixmap();
  // QPixmap's own cache keeps a picture decoded once shown.
  return QPixmap(path);
}
