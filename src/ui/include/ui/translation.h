#pragma once

#include <QCoreApplication>
#include <QString>

class QLocale;

// The program speaks the language of `locale` where it has a translation
// for it (built into the program), with Qt's own dialogs in the same
// language, lays its windows out right to left for a language written
// that way; the fonts made after it have stand-ins with its letters. Any
// other language, English included, keeps the
// program's own texts exactly. Calling it again replaces the earlier language.
void InstallTranslators(const QLocale& locale);

// The language the program speaks: empty for its own English, else the
// translation's language code ("de", "ar").
QString ProgramLanguage();

// A letter of the program's language beyond A to Z (Ä, Ö, Ü and ß in
// German, the Arabic letters in Arabic); none in English.
bool IsLanguageLetter(char16_t code);

// A text kept in a constant, read in the program's language. Constants are
// made before any translation is loaded, so they hold the source text and
// translate whenever they are read. One with no context is shown as it
// stands (a name, the version); one with no source is no text.
struct TranslatableText {
  const char* context = nullptr;
  const char* source = nullptr;
  QString Text() const {
    if (source == nullptr) return {};
    return context != nullptr ? QCoreApplication::translate(context, source) : QString::fromUtf8(source);
  }
  operator QString() const { return Text(); }  // implicit: it reads as the text it is
};
