#include "app/frmmain.h"
#include "ui/messages.h"
#include "support/guitest.h"
#include "ui/translation.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QTest>

#include <memory>

namespace {
const QString Refusal = QStringLiteral("Please Enter Only Alphabet");
}

class TestKeyFilter : public QObject {
  Q_OBJECT
  FrmMain* form = nullptr;

 private slots:
  void init() { form = ShowFreshMainWindow(); }
  void cleanup() { UnloadAllWindows(); }

  void typedLettersUpperCased() {
    for (QLineEdit* edit : {Child<QLineEdit>(form, "txtName"), Child<QLineEdit>(form, "txtPartnerName")}) {
      edit->setFocus();
      QTest::keyClicks(edit, "ann zee AZ");
      QCOMPARE(edit->text(), QStringLiteral("ANN ZEE AZ"));
    }
    QVERIFY(Messages::Recorded().isEmpty());
  }

  void refused_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addRow("digit") << int(Qt::Key_4) << 0 << "4";
    QTest::addRow("@ just below A") << int(Qt::Key_At) << 0 << "@";
    QTest::addRow("[ just above Z") << int(Qt::Key_BracketLeft) << 0 << "[";
    QTest::addRow("backquote just below a") << int(Qt::Key_QuoteLeft) << 0 << "`";
    QTest::addRow("{ just above z") << int(Qt::Key_BraceLeft) << 0 << "{";
    QTest::addRow("accented letter") << int(Qt::Key_Eacute) << 0 << QString(QChar(0xE9));
    QTest::addRow("Escape") << int(Qt::Key_Escape) << 0 << "\x1b";
    QTest::addRow("Ctrl+C as X11 sends it") << int(Qt::Key_C) << int(Qt::ControlModifier) << "\x03";
    QTest::addRow("Ctrl+C as a letter") << int(Qt::Key_C) << int(Qt::ControlModifier) << "c";
    QTest::addRow("Ctrl+V as X11 sends it") << int(Qt::Key_V) << int(Qt::ControlModifier) << "\x16";
    QTest::addRow("Ctrl+Backspace, DEL") << int(Qt::Key_Backspace) << int(Qt::ControlModifier) << "\x7f";
    QTest::addRow("Ctrl+Enter, line feed") << int(Qt::Key_Return) << int(Qt::ControlModifier) << "\r";
    QTest::addRow("Ctrl+keypad Enter, line feed")
        << int(Qt::Key_Enter) << int(Qt::ControlModifier | Qt::KeypadModifier) << "\r";
    QTest::addRow("emoji typed") << int(Qt::Key_unknown) << 0 << QString::fromUtf8("\xF0\x9F\x98\x80");
  }
  void refused() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QLineEdit* edit = Child<QLineEdit>(form, "txtName");
    QTest::keyClicks(edit, "ann");
    // A selection and a full clipboard show whether the key still copied,
    // pasted or replaced anything.
    edit->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("zz"));
    PressKey(edit, key, Qt::KeyboardModifiers(modifiers), text);
    QCOMPARE(edit->text(), QStringLiteral("ANN"));
    QCOMPARE(ShownMessages(), OkMessage(Refusal));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("zz"));
  }

  // A translated program takes its language's letters as well, in capitals
  // where the script has them, and refuses the rest in its own words.
  void translatedLetters_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("refusal");
    QTest::addRow("German umlauts in capitals") << "de" << QStringLiteral("aäöüz") << QStringLiteral("AÄÖÜZ") << QString();
    QTest::addRow("German sharp s as it is") << "de" << QStringLiteral("ß") << QStringLiteral("ß") << QString();
    QTest::addRow("German refuses another script") << "de" << QStringLiteral("ب") << QString()
                                                   << QStringLiteral("Bitte nur Buchstaben eingeben");
    QTest::addRow("Arabic letters") << "ar" << QStringLiteral("ليلى a") << QStringLiteral("ليلى A") << QString();
    QTest::addRow("Arabic-Indic digit refused") << "ar" << QStringLiteral("٤") << QString()
                                                << QStringLiteral("يرجى إدخال حروف فقط");
    QTest::addRow("Arabic refuses an umlaut") << "ar" << QStringLiteral("ä") << QString()
                                              << QStringLiteral("يرجى إدخال حروف فقط");
  }
  void translatedLetters() {
    QFETCH(QString, language);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(QString, refusal);
    InstallTranslators(QLocale(language));
    QLineEdit* edit = Child<QLineEdit>(form, "txtName");
    for (const QChar c : typed) PressKey(edit, Qt::Key_unknown, Qt::NoModifier, QString(c));
    const QString shown = ShownMessages();
    InstallTranslators(QLocale::c());
    QCOMPARE(edit->text(), kept);
    QCOMPARE(shown, refusal.isEmpty() ? QString() : OkMessage(refusal));
  }

  // Alt chords are menu and access keys: they type nothing and refuse nothing.
  void altChordsTypeNothing_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addRow("Alt+Q, no menu's key") << int(Qt::Key_Q) << int(Qt::AltModifier) << "q";
    QTest::addRow("Alt+5") << int(Qt::Key_5) << int(Qt::AltModifier) << "5";
    QTest::addRow("Alt+Shift+A") << int(Qt::Key_A) << int(Qt::AltModifier | Qt::ShiftModifier) << "A";
    QTest::addRow("Alt+Space") << int(Qt::Key_Space) << int(Qt::AltModifier) << " ";
  }
  void altChordsTypeNothing() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    for (QLineEdit* edit : {Child<QLineEdit>(form, "txtName"), Child<QLineEdit>(form, "txtPartnerName")}) {
      edit->setFocus();
      QTest::keyClicks(edit, "ann");
      PressKey(edit, key, Qt::KeyboardModifiers(modifiers), text);
      QCOMPARE(edit->text(), QStringLiteral("ANN"));
    }
    QCOMPARE(ShownMessages(), QString());
  }

  void nonTypingKeysPass_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("cursor");
    // Starting from "ANN LEE" with the caret after "ANN".
    QTest::addRow("Backspace deletes") << int(Qt::Key_Backspace) << "\b" << "AN LEE" << 2;
    QTest::addRow("Enter passes") << int(Qt::Key_Return) << "\r" << "ANN LEE" << 3;
    QTest::addRow("Left arrow") << int(Qt::Key_Left) << "" << "ANN LEE" << 2;
    QTest::addRow("Right arrow") << int(Qt::Key_Right) << "" << "ANN LEE" << 4;
    QTest::addRow("Delete with DEL text as X11 sends it") << int(Qt::Key_Delete) << "\x7f" << "ANNLEE" << 3;
  }
  void nonTypingKeysPass() {
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QFETCH(int, cursor);
    QLineEdit* edit = Child<QLineEdit>(form, "txtName");
    QTest::keyClicks(edit, "ann lee");
    edit->setCursorPosition(3);
    PressKey(edit, key, Qt::NoModifier, text);
    QCOMPARE(edit->text(), expected);
    QCOMPARE(edit->cursorPosition(), cursor);
    QVERIFY(Messages::Recorded().isEmpty());
  }

  // The menu a right click opens keeps its entries but shows no shortcut the
  // box refuses: every shortcut it shows, pressed, brings no refusal.
  void menuShowsOnlyShortcutsTheBoxTakes() {
    QLineEdit* edit = Child<QLineEdit>(form, "txtName");
    QTest::keyClicks(edit, "ann");
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(4, 4), edit->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(edit, &click);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QStringList entries;
    QList<QKeySequence> shown;
    for (const QAction* entry : menu->actions()) {
      if (entry->isSeparator()) continue;
      entries << entry->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
      for (const QKeySequence& keys : {QKeySequence::fromString(entry->text().section(QLatin1Char('\t'), 1),
                                                                QKeySequence::NativeText),
                                       entry->shortcut()})
        if (!keys.isEmpty()) shown << keys;
    }
    menu->close();
    for (const char* expected : {"Undo", "Cut", "Copy", "Paste", "Select All"})
      QVERIFY2(entries.contains(QLatin1String(expected)), qPrintable(entries.join(", ")));
    for (const QKeySequence& keys : shown) {
      const QKeyCombination chord = keys[0];
      // Ctrl+letter comes with its control code, as X11 sends it.
      const bool control = chord.keyboardModifiers() & Qt::ControlModifier;
      const int key = chord.key();
      const QString text = control && key >= Qt::Key_A && key <= Qt::Key_Z
                               ? QString(QChar(char16_t(key - Qt::Key_A + 1)))
                               : QString();
      edit->setFocus();
      PressKey(edit, key, chord.keyboardModifiers(), text);
      QVERIFY2(Messages::Recorded().isEmpty(), qPrintable(keys.toString()));
    }
  }

  // Pasting through the context menu is not typing: whatever arrives stays,
  // up to the boxes' length limit.
  void pasteAccepted_data() {
    QTest::addColumn<QString>("pasted");
    QTest::addRow("lower case, digits and hyphen") << "ann-marie 42";
    QTest::addRow("ten megabytes") << QString(10 << 20, QChar('x'));
    QTest::addRow("a megabyte of combining marks") << QString(1 << 20, QChar(0x0301));
    QTest::addRow("emoji") << QString::fromUtf8("\xF0\x9F\x98\x80\xF0\x9F\x8E\x89 \xE2\x9D\xA4\xEF\xB8\x8F");
    QTest::addRow("right-to-left") << QString::fromUtf8("\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D \xD8\xB3\xD9\x84\xD8\xA7");
  }
  void pasteAccepted() {
    QFETCH(QString, pasted);
    for (QLineEdit* edit : {Child<QLineEdit>(form, "txtName"), Child<QLineEdit>(form, "txtPartnerName")}) {
      QApplication::clipboard()->setText(pasted);
      std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
      QAction* paste = nullptr;
      for (QAction* entry : menu->actions())
        if (entry->text().startsWith("&Paste")) paste = entry;
      QVERIFY(paste && paste->isEnabled());
      paste->trigger();
      QVERIFY(edit->text() == pasted.left(FrmMain::NameLengthLimit));
    }
    QVERIFY(Messages::Recorded().isEmpty());
  }
};

QTEST_MAIN(TestKeyFilter)
#include "tst_keyfilter.moc"
