#include "report/reading.h"

#include "astro/verdict.h"
#include "report/displaytext.h"

#include <QCoreApplication>

#include <string>

namespace {

SideReading Side(const PersonInput& person, const SignMatch& match) {
  SideReading side;
  side.sign = match.sign;
  side.caption = FromEngine("Calendar", match.caption);
  side.picture = PictureIndex(match.sign);
  side.record = FillSignRecord(match.sign);
  side.name = person.name;
  side.dateLabel = person.dayText + QLatin1Char('/') + person.monthText + QLatin1Char('/') + person.yearText;
  // Exact for any name a person has; a pasted page is cut as every label
  // cuts it, or the tab bar would lay the whole page out to measure it.
  //: A tab's caption: %1 is a person's name as typed.
  side.tabCaption = QCoreApplication::translate("Reading", "%1's Characteristics").arg(CutForDisplay(person.name));
  return side;
}

}  // namespace

Reading MakeReading(const PersonInput& user, const SignMatch& userSign, const PersonInput& partner,
                    const SignMatch& partnerSign) {
  SideReading userSide = Side(user, userSign);
  SideReading partnerSide = Side(partner, partnerSign);
  QString verdict = FromEngine("Verdict", DecideCompatibility(userSide.sign, partnerSide.sign));
  return Reading{std::move(userSide), std::move(partnerSide), std::move(verdict),
                 QCoreApplication::translate("Reading", "Compatibility With Your Partner")};
}
