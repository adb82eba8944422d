#include "ui/look.h"

#include <QApplication>
#include <QPalette>
#include <QProxyStyle>
#include <QPushButton>
#include <QWidget>

void InstallFontSubstitutes() {
  static const bool done = [] {
    const QStringList fallbacks{"Liberation Sans", "Arimo", "DejaVu Sans"};
    QFont::insertSubstitutions("Verdana", fallbacks);
    QFont::insertSubstitutions("MS Sans Serif", fallbacks);
    return true;
  }();
  (void)done;
}

namespace {
QFont MakeFont(const QString& family, double pointSize, bool bold, bool underline) {
  InstallFontSubstitutes();
  QFont font(family);
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  font.setUnderline(underline);
  // Without this, Qt may pick DejaVu Sans through fontconfig before our substitute.
  font.setStyleHint(QFont::SansSerif);
  return font;
}
}  // namespace

QFont VerdanaFont(double pointSize, bool bold, bool underline) {
  return MakeFont(QStringLiteral("Verdana"), pointSize, bold, underline);
}

QFont SansSerifFont(double pointSize, bool bold) {
  return MakeFont(QStringLiteral("MS Sans Serif"), pointSize, bold, false);
}

namespace {

// The classic desktop's conventions, kept by every window alike rather than
// by each control: Enter presses the focused push button and a drop-down list
// opens below its box in the box's own colours.
class ProgramStyle : public QProxyStyle {
 public:
  void polish(QPalette& palette) override {
    QProxyStyle::polish(palette);
    palette.setColor(QPalette::Highlight, SysColor::Highlight);
    palette.setColor(QPalette::HighlightedText, SysColor::HighlightText);
  }

  void polish(QWidget* widget) override {
    QProxyStyle::polish(widget);
    if (auto* button = qobject_cast<QPushButton*>(widget)) button->setAutoDefault(true);
  }

  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* data) const override {
    // Otherwise the list covers its box, as tall as the screen allows, in
    // the menus' colours instead of the box's.
    if (hint == SH_ComboBox_Popup) return 0;
    return QProxyStyle::styleHint(hint, option, widget, data);
  }
};

// Every window is drawn in the program's style. The windows' own text font is
// the program's default too, so menus, message boxes and dialogs match the
// windows, and a control that measures its text before its own font is set (a
// line edit does, in its constructor) loads no second face at start-up.
void UseWindowLook() {
  QApplication::setStyle(new ProgramStyle);
  QApplication::setFont(VerdanaFont(WindowTextPoints));
}
}  // namespace
Q_COREAPP_STARTUP_FUNCTION(UseWindowLook)

void Paint(QWidget* widget, const QColor& background, const QColor& text) {
  QPalette palette = widget->palette();
  if (background.isValid()) {
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Button, background);
    widget->setAutoFillBackground(true);
  }
  if (text.isValid()) {
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text);
  }
  widget->setPalette(palette);
}
