#include "ui/translation.h"

#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

struct Installed {
  QTranslator program;
  QTranslator qt;
  QString language;
};

Installed& installed() {
  static Installed state;
  return state;
}

// Qt's own translations say which way their language runs; ours says so too,
// for a platform whose Qt comes without translations.
//: Which way the language is written: "LTR" (left to right) or "RTL" (right to left).
const char* const LayoutDirectionKey = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

}  // namespace

void InstallTranslators(const QLocale& locale) {
  Installed& state = installed();
  QCoreApplication::removeTranslator(&state.program);
  QCoreApplication::removeTranslator(&state.qt);
  state.language.clear();
  // The program's texts are English: an English locale loads nothing.
  if (locale.language() != QLocale::English && locale.language() != QLocale::C &&
      state.program.load(locale, QStringLiteral("scarabine"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
    QCoreApplication::installTranslator(&state.program);
    state.language = state.program.language().section(QLatin1Char('_'), 0, 0);
    // Qt's dialogs (file, print, the message boxes' buttons) in the same
    // language, where the system has that translation; only then, so that a
    // language the program does not speak leaves no dialog half translated.
    if (state.qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
      QCoreApplication::installTranslator(&state.qt);
  }
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
    const bool rightToLeft = QCoreApplication::translate("QGuiApplication", LayoutDirectionKey) == u"RTL";
    QGuiApplication::setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
  }
}

QString ProgramLanguage() { return installed().language; }

bool IsLanguageLetter(char16_t code) {
  const QString& language = installed().language;
  if (language == u"de") return QStringView(u"ÄÖÜäöüß").contains(QChar(code));
  if (language == u"ar") {
    const QChar c(code);
    return c.isLetter() && c.script() == QChar::Script_Arabic;
  }
  return false;
}
