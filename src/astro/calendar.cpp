#include "astro/calendar.h"

#include "astro/translatable.h"

#include <limits>

namespace {

struct CalendarRow {
  int month;     // 1..12
  int firstDay;  // 1-based, inclusive
  int lastDay;   // 1-based, inclusive
  SignName sign;
  std::string_view caption;
};

using enum SignName;

constexpr std::array<CalendarRow, 35> Calendar{{
  {1, 1, 7, TheNile, "The Nile"},
  {1, 8, 21, AmonRa, "Amon Ra"},
  {1, 22, 31, Mut, "Mut"},
  {2, 1, 11, AmonRa, "Amon Ra"},
  {2, 12, 29, Geb, "Geb"},
  {3, 1, 10, Osiris, "Osiris"},
  {3, 11, 31, Isis, "Isis"},
  {4, 1, 19, Thoth, "Thoth"},
  {4, 20, 30, Horus, "Horus"},
  {5, 1, 7, Horus, "Horus"},
  {5, 8, 27, Anubis, "Anubis"},
  {5, 28, 31, Seth, "Seth"},
  {6, 1, 18, Seth, "Seth"},
  {6, 19, 28, TheNile, "The Nile"},
  {6, 29, 30, Anubis, "Anubis"},
  {7, 1, 13, Anubis, "Anubis"},
  {7, 14, 28, Bastet, ENGINE_TEXT("Calendar", "Basted")},
  {7, 29, 31, Sekhmet, "Sekhmet"},
  {8, 1, 11, Sekhmet, "Sekhmet"},
  {8, 12, 19, Horus, "Horus"},
  {8, 20, 31, Geb, "Geb"},
  {9, 1, 7, TheNile, "The Nile"},
  {9, 8, 22, Mut, "Mut"},
  {9, 23, 27, Bastet, "Bastet"},
  {9, 28, 30, Seth, "Seth"},
  {10, 1, 2, Seth, "Seth"},
  {10, 3, 17, Bastet, "Bastet"},
  {10, 18, 29, Isis, "Isis"},
  {10, 30, 31, Sekhmet, "Sekhmet"},
  {11, 1, 7, Sekhmet, "Sekhmet"},
  {11, 8, 17, Thoth, "Thoth"},
  {11, 18, 26, TheNile, "The Nile"},
  {11, 27, 30, Osiris, "Osiris"},
  {12, 1, 18, Osiris, "Osiris"},
  {12, 19, 31, Isis, "Isis"},
}};

// The days the input check accepts: no leap-year rule, 29 February always counts.
constexpr std::array<int, 12> AcceptedDays{31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Each month's rows must follow one another, start on day 1, leave no gap,
// never overlap and end exactly on the month's last accepted day.
constexpr bool CalendarCoversEveryAcceptedDay() {
  std::size_t row = 0;
  for (int month = 1; month <= 12; ++month) {
    int nextDay = 1;
    while (row < Calendar.size() && Calendar[row].month == month) {
      const CalendarRow& r = Calendar[row];
      if (r.firstDay != nextDay || r.lastDay < r.firstDay) return false;
      nextDay = r.lastDay + 1;
      ++row;
    }
    if (nextDay != AcceptedDays[month - 1] + 1) return false;
  }
  return row == Calendar.size();
}
static_assert(CalendarCoversEveryAcceptedDay(),
              "calendar rows must tile every accepted day of every month exactly once");

constexpr bool EverySignHasTwoToFourRows() {
  for (SignName sign : AllSigns) {
    int rows = 0;
    for (const CalendarRow& r : Calendar) rows += r.sign == sign ? 1 : 0;
    if (rows < 2 || rows > 4) return false;
  }
  return true;
}
static_assert(EverySignHasTwoToFourRows(), "each sign owns two to four calendar rows");

constexpr std::array<std::string_view, SignCount> Captions{
    ENGINE_TEXT("Calendar", "Amon Ra"), ENGINE_TEXT("Calendar", "Anubis"), ENGINE_TEXT("Calendar", "Bastet"), ENGINE_TEXT("Calendar", "Geb"),
    ENGINE_TEXT("Calendar", "Horus"), ENGINE_TEXT("Calendar", "Isis"), ENGINE_TEXT("Calendar", "Mut"), ENGINE_TEXT("Calendar", "The Nile"),
    ENGINE_TEXT("Calendar", "Osiris"), ENGINE_TEXT("Calendar", "Sekhmet"), ENGINE_TEXT("Calendar", "Seth"), ENGINE_TEXT("Calendar", "Thoth")};

constexpr std::array<std::string_view, SignCount> DisplayNames{
    ENGINE_TEXT("Calendar", "Amon-Ra"), ENGINE_TEXT("Calendar", "Anubis"), ENGINE_TEXT("Calendar", "Bastet"), ENGINE_TEXT("Calendar", "Geb"),
    ENGINE_TEXT("Calendar", "Horus"), ENGINE_TEXT("Calendar", "Isis"), ENGINE_TEXT("Calendar", "Mut"), ENGINE_TEXT("Calendar", "The Nile"),
    ENGINE_TEXT("Calendar", "Osiris"), ENGINE_TEXT("Calendar", "Sekhmet"), ENGINE_TEXT("Calendar", "Seth"), ENGINE_TEXT("Calendar", "Thoth")};

// A row writes its sign's own caption; the single exception is the July
// Bastet row, whose caption reads "Basted".
constexpr bool RowsWriteTheirSignsCaption() {
  int exceptions = 0;
  for (const CalendarRow& r : Calendar) {
    if (r.caption == Captions[static_cast<std::size_t>(r.sign)]) continue;
    if (r.month != 7 || r.sign != Bastet || r.caption != "Basted") return false;
    ++exceptions;
  }
  return exceptions == 1;
}
static_assert(RowsWriteTheirSignsCaption(), "a calendar row writes a caption that is not its sign's");

}  // namespace

std::string_view SignCaption(SignName sign) { return Captions[static_cast<std::size_t>(sign)]; }

std::string_view SignDisplayName(SignName sign) { return DisplayNames[static_cast<std::size_t>(sign)]; }

std::optional<SignMatch> FindSign(std::int16_t monthPosition, std::int16_t dayPosition) {
  const int month = monthPosition + 1;
  const int day = dayPosition + 1;
  for (const CalendarRow& r : Calendar) {
    if (r.month == month && day >= r.firstDay && day <= r.lastDay) return SignMatch{r.sign, r.caption};
  }
  return std::nullopt;
}

std::optional<SignMatch> FindSignAt(int monthPosition, int dayPosition) {
  constexpr int Low = std::numeric_limits<std::int16_t>::min();
  constexpr int High = std::numeric_limits<std::int16_t>::max();
  if (monthPosition < Low || monthPosition > High || dayPosition < Low || dayPosition > High) return std::nullopt;
  return FindSign(static_cast<std::int16_t>(monthPosition), static_cast<std::int16_t>(dayPosition));
}
