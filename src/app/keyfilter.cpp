#include "app/keyfilter.h"

#include "ui/translation.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include <optional>
#include <utility>

namespace {
constexpr char16_t Blank = 32;
constexpr char16_t Enter = 13;
constexpr char16_t Backspace = 8;
// What the classic platform delivers for Ctrl+Enter and Ctrl+Backspace.
constexpr char16_t LineFeed = 10;
constexpr char16_t Delete = 127;

bool IsUpper(char16_t c) { return c >= u'A' && c <= u'Z'; }
bool IsLower(char16_t c) { return c >= u'a' && c <= u'z'; }

// A code that stands for "no single character": refused like any other.
constexpr char16_t NotOneCharacter = 0xFFFF;

// The single character a text types, if it is exactly one UTF-16 unit.
char16_t CodeOf(const QString& text) { return text.size() == 1 ? text.at(0).unicode() : NotOneCharacter; }

// An Alt chord (without Ctrl, which with Alt is AltGr on some keyboards) is a
// menu or access key, never typing.
bool IsAltChord(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  return (modifiers & Qt::AltModifier) && !(modifiers & Qt::ControlModifier);
}

// What the key press types, as one character code; nothing for keys that type
// nothing. Ctrl+letter is the letter's control code whatever text the
// platform attaches (X11 sends "\x03" for Ctrl+C, others send "c"); Ctrl+Enter
// and Ctrl+Backspace are line feed and DEL, as the classic platform sends them.
std::optional<char16_t> TypedCode(const QKeyEvent& event) {
  const int key = event.key();
  if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Delete) return std::nullopt;
  const bool control = event.modifiers() & Qt::ControlModifier;
  if (control && key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<char16_t>(key - Qt::Key_A + 1);
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return control ? LineFeed : Enter;
    case Qt::Key_Backspace:
      return control ? Delete : Backspace;
    case Qt::Key_Escape:
      return char16_t{27};
    default:
      break;
  }
  if (event.text().isEmpty()) return std::nullopt;
  return CodeOf(event.text());
}

class NameKeyFilter : public QObject {
 public:
  NameKeyFilter(QLineEdit* box, std::function<void()> refused) : QObject(box), refused_(std::move(refused)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box) return false;
    if (event->type() == QEvent::KeyPress) return FilterKey(box, *static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::InputMethod) return FilterCommit(box, *static_cast<QInputMethodEvent*>(event));
    return false;
  }

 private:
  // The character to type, 0 once the user has been told it is refused.
  char16_t Filter(char16_t typed) const {
    const char16_t code = FilterNameKey(typed);
    if (code == 0) refused_();
    return code;
  }

  // Returns true when the event is consumed here.
  bool FilterKey(QLineEdit* box, QKeyEvent& event) const {
    // The menus have had their chance at an Alt chord already (as a
    // shortcut); what is left must not type its letter. Left unaccepted, it
    // goes on to the window like any key nobody wants.
    if (IsAltChord(event)) {
      event.ignore();
      return true;
    }
    const std::optional<char16_t> typed = TypedCode(event);
    if (!typed) return false;
    const char16_t code = Filter(*typed);
    if (code == 0) return true;
    if (code == *typed) return false;
    box->insert(QString(QChar(code)));
    return true;
  }

  // Text composed by an input method is typed too.
  bool FilterCommit(QLineEdit* box, const QInputMethodEvent& event) const {
    if (event.commitString().isEmpty()) return false;
    const char16_t code = Filter(CodeOf(event.commitString()));
    if (code != 0 && code != Enter && code != Backspace) box->insert(QString(QChar(code)));
    return true;
  }

  std::function<void()> refused_;
};
}  // namespace

char16_t FilterNameKey(char16_t code) {
  if (IsUpper(code)) return code;
  if (IsLower(code)) return static_cast<char16_t>(code - 32);
  // A translated program takes its language's letters too, in capitals
  // where the script has them (ß has no single one, Arabic has none).
  if (IsLanguageLetter(code)) return QChar::toUpper(code);
  if (code == Blank || code == Enter || code == Backspace) return code;
  return 0;
}

void InstallNameKeyFilter(QLineEdit* box, std::function<void()> refused) {
  // Names are plain letters; composing through an input method would only
  // offer characters the filter refuses.
  box->setAttribute(Qt::WA_InputMethodEnabled, false);
  box->installEventFilter(new NameKeyFilter(box, std::move(refused)));
}
