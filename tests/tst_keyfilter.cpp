#include "app/frmmain.h"
#include "app/keyfilter.h"
#include "app/messages.h"
#include "app/windows.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {
const QString Refusal = QStringLiteral("Please Enter Only Alphabet");

// Sends one key press and release the way the platform delivers it.
void Press(QWidget* target, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(target, &release);
}

// Everything on the window besides the box under test.
QStringList OtherControls(FrmMain* form, QLineEdit* box) {
  QStringList state;
  for (QLineEdit* edit : form->findChildren<QLineEdit*>())
    if (edit != box) state << edit->objectName() + '=' + edit->text();
  for (QComboBox* list : form->findChildren<QComboBox*>())
    state << list->objectName() + '=' + QString::number(list->currentIndex());
  return state;
}
}  // namespace

class TestKeyFilter : public QObject {
  Q_OBJECT
  FrmMain* form = nullptr;

 private slots:
  void init() {
    Messages::StartRecording();
    LoadedWindows::ResetForTests();
    form = SharedWindow<FrmMain>::Get();
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form));
  }
  void cleanup() {
    delete SharedWindow<FrmMain>::IfLoaded();
    form = nullptr;
    Messages::StopRecording();
  }

  // The rule alone, at the edges of the letter ranges.
  void rule_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("result");
    QTest::addRow("a upper-cased") << int('a') << int('A');
    QTest::addRow("z upper-cased") << int('z') << int('Z');
    QTest::addRow("A kept") << int('A') << int('A');
    QTest::addRow("Z kept") << int('Z') << int('Z');
    QTest::addRow("blank passes") << 32 << 32;
    QTest::addRow("Enter passes") << 13 << 13;
    QTest::addRow("Backspace passes") << 8 << 8;
    QTest::addRow("@ just below A refused") << int('@') << 0;
    QTest::addRow("[ just above Z refused") << int('[') << 0;
    QTest::addRow("backquote just below a refused") << int('`') << 0;
    QTest::addRow("{ just above z refused") << int('{') << 0;
    QTest::addRow("digit refused") << int('7') << 0;
    QTest::addRow("tab refused") << 9 << 0;
    QTest::addRow("DEL refused") << 127 << 0;
    QTest::addRow("e acute refused") << 0xE9 << 0;
    QTest::addRow("Cyrillic a refused") << 0x430 << 0;
  }
  void rule() {
    QFETCH(int, code);
    QFETCH(int, result);
    char16_t c = static_cast<char16_t>(code);
    FilterNameKey(c);
    QCOMPARE(int(c), result);
    QCOMPARE(Messages::Recorded().size(), result == 0 ? 1 : 0);
  }

  void typedLettersUpperCased_data() {
    QTest::addColumn<QString>("box");
    QTest::addRow("user") << "txtName";
    QTest::addRow("partner") << "txtPartnerName";
  }
  void typedLettersUpperCased() {
    QFETCH(QString, box);
    auto* edit = form->findChild<QLineEdit*>(box);
    edit->setFocus();
    QTest::keyClicks(edit, "ann lee");
    QCOMPARE(edit->text(), QStringLiteral("ANN LEE"));
    QTest::keyClicks(edit, "Bo");
    QCOMPARE(edit->text(), QStringLiteral("ANN LEEBO"));
    QVERIFY(Messages::Recorded().isEmpty());
  }

  void refused_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addRow("digit") << int(Qt::Key_4) << 0 << "4";
    QTest::addRow("keypad digit") << int(Qt::Key_4) << int(Qt::KeypadModifier) << "4";
    QTest::addRow("hyphen") << int(Qt::Key_Minus) << 0 << "-";
    QTest::addRow("apostrophe") << int(Qt::Key_Apostrophe) << 0 << "'";
    QTest::addRow("accented letter") << int(Qt::Key_Eacute) << 0 << QString(QChar(0xE9));
    QTest::addRow("Escape") << int(Qt::Key_Escape) << 0 << "\x1b";
    QTest::addRow("Ctrl+C as X11 sends it") << int(Qt::Key_C) << int(Qt::ControlModifier) << "\x03";
    QTest::addRow("Ctrl+C as a letter") << int(Qt::Key_C) << int(Qt::ControlModifier) << "c";
    QTest::addRow("Ctrl+V as X11 sends it") << int(Qt::Key_V) << int(Qt::ControlModifier) << "\x16";
    QTest::addRow("Ctrl+V as a letter") << int(Qt::Key_V) << int(Qt::ControlModifier) << "v";
    QTest::addRow("Ctrl+Shift+Z") << int(Qt::Key_Z) << int(Qt::ControlModifier | Qt::ShiftModifier) << "Z";
    QTest::addRow("Alt+digit") << int(Qt::Key_1) << int(Qt::AltModifier) << "1";
    QTest::addRow("emoji typed") << int(Qt::Key_unknown) << 0 << QString::fromUtf8("\xF0\x9F\x98\x80");
    QTest::addRow("two characters at once") << int(Qt::Key_unknown) << 0 << "ab";
  }
  void refused() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QLineEdit* edit = form->txtName();
    QTest::keyClicks(edit, "ann");
    // A selection and a full clipboard show whether the key still copied,
    // pasted or replaced anything.
    edit->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("zz"));
    const QStringList others = OtherControls(form, edit);
    Press(edit, key, Qt::KeyboardModifiers(modifiers), text);
    QCOMPARE(edit->text(), QStringLiteral("ANN"));
    QCOMPARE(Messages::Recorded().size(), 1);
    const Messages::Shown& shown = Messages::Recorded().first();
    QCOMPARE(shown.text, Refusal);
    QCOMPARE(shown.title, QStringLiteral("Scarabine"));
    QCOMPARE(shown.icon, QMessageBox::Information);
    QCOMPARE(shown.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(OtherControls(form, edit), others);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("zz"));
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
    QTest::addRow("Home") << int(Qt::Key_Home) << "" << "ANN LEE" << 0;
    QTest::addRow("Delete") << int(Qt::Key_Delete) << "" << "ANNLEE" << 3;
    QTest::addRow("Delete with DEL text as X11 sends it") << int(Qt::Key_Delete) << "\x7f" << "ANNLEE" << 3;
    QTest::addRow("Shift") << int(Qt::Key_Shift) << "" << "ANN LEE" << 3;
    QTest::addRow("F2") << int(Qt::Key_F2) << "" << "ANN LEE" << 3;
  }
  void nonTypingKeysPass() {
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QFETCH(int, cursor);
    QLineEdit* edit = form->txtName();
    QTest::keyClicks(edit, "ann lee");
    edit->setCursorPosition(3);
    Press(edit, key, Qt::NoModifier, text);
    QCOMPARE(edit->text(), expected);
    QCOMPARE(edit->cursorPosition(), cursor);
    QVERIFY(Messages::Recorded().isEmpty());
  }

  void enterReachesTheBox() {
    QSignalSpy returned(form->txtName(), &QLineEdit::returnPressed);
    QTest::keyClick(form->txtName(), Qt::Key_Return);
    QCOMPARE(returned.size(), 1);
    QVERIFY(Messages::Recorded().isEmpty());
  }

  // Pasting through the context menu is not typing: whatever arrives stays.
  void pasteAccepted_data() {
    QTest::addColumn<QString>("pasted");
    QTest::addRow("lower case, digits and hyphen") << "ann-marie 42";
    QTest::addRow("one megabyte") << QString(1 << 20, QChar('x'));
    QTest::addRow("emoji") << QString::fromUtf8("\xF0\x9F\x98\x80\xF0\x9F\x8E\x89 \xE2\x9D\xA4\xEF\xB8\x8F");
    QTest::addRow("right-to-left") << QString::fromUtf8("\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D \xD8\xB3\xD9\x84\xD8\xA7\xD9\x85");
  }
  void pasteAccepted() {
    QFETCH(QString, pasted);
    for (QLineEdit* edit : {form->txtName(), form->txtPartnerName()}) {
      edit->clear();
      const QStringList others = OtherControls(form, edit);
      QApplication::clipboard()->setText(pasted);
      std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
      QAction* paste = nullptr;
      for (QAction* entry : menu->actions())
        if (entry->text().startsWith("&Paste")) paste = entry;
      QVERIFY(paste && paste->isEnabled());
      paste->trigger();
      QCOMPARE(edit->text().size(), pasted.size());
      QVERIFY(edit->text() == pasted);
      QCOMPARE(OtherControls(form, edit), others);
      // Typing after a paste is filtered as before.
      QTest::keyClick(edit, Qt::Key_A);
      QVERIFY(edit->text().endsWith('A'));
    }
    QVERIFY(Messages::Recorded().isEmpty());
  }
};

QTEST_MAIN(TestKeyFilter)
#include "tst_keyfilter.moc"
