#include "report/reading.h"

#include "astro/verdict.h"
#include "report/displaytext.h"

namespace {

std::optional<SideReading> Side(const PersonInput& person) {
  const auto match = FindSignAt(person.monthPosition, person.dayPosition);
  if (!match) return std::nullopt;
  SideReading side;
  side.sign = match->sign;
  side.caption = FromEngine(match->caption);
  side.picture = PictureIndex(match->sign);
  side.record = FillSignRecord(match->sign);
  side.name = person.name;
  side.dateLabel = person.dayText + QLatin1Char('/') + person.monthText + QLatin1Char('/') + person.yearText;
  // Exact for any name a person has; a pasted page is cut as every label
  // cuts it, or the tab bar would lay the whole page out to measure it.
  side.tabCaption = CutForDisplay(person.name) + QStringLiteral("'s Characteristics");
  return side;
}

}  // namespace

std::optional<Reading> MakeReading(const PersonInput& user, const PersonInput& partner) {
  auto userSide = Side(user);
  auto partnerSide = Side(partner);
  if (!userSide || !partnerSide) return std::nullopt;
  QString verdict = FromEngine(DecideCompatibility(userSide->sign, partnerSide->sign));
  return Reading{std::move(*userSide), std::move(*partnerSide), std::move(verdict),
                 QStringLiteral("Compatibility With Your Partner")};
}
