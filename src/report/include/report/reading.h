#pragma once

#include "astro/calendar.h"
#include "astro/catalogue.h"

#include <QString>

// One person as the main window holds them: the name as typed, day and month
// as list positions (0 is the 1st, 0 is January), and the display texts of
// the three picked entries.
struct PersonInput {
  QString name;
  int dayPosition = 0;
  int monthPosition = 0;
  QString dayText;
  QString monthText;
  QString yearText;
};

// What the report shows for one person.
struct SideReading {
  SignName sign = SignName::TheNile;
  QString caption;     // the sign's caption for this date ("Basted" in July)
  int picture = 0;     // 1..12, the deity picture
  SignRecord record;   // the sign's twelve attributes
  QString name;        // as typed
  QString dateLabel;   // 7/January/1980
  QString tabCaption;  // the name followed by "'s Characteristics" (CutForDisplay beyond 1024 characters)
};

// A whole report: both sides, the verdict for the pair, and the summary tab.
struct Reading {
  SideReading user;
  SideReading partner;
  QString verdict;
  QString summaryCaption;
};

// Turns the input into a report, with each person's sign as the calendar
// found it for their date.
Reading MakeReading(const PersonInput& user, const SignMatch& userSign, const PersonInput& partner,
                    const SignMatch& partnerSign);
