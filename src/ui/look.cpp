#include "ui/look.h"

#include "ui/translation.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOption>
#include <QWidget>

#include <cmath>
#include <optional>

namespace {
// The stand-ins for Verdana and MS Sans Serif, for the program's language,
// written before a font is made whenever that language needs others than
// those in place: once at start-up, again only when a test changes language.
void InstallFontSubstitutes() {
  // Liberation Sans, which stands in for Verdana, has no Arabic: borrowed
  // glyphs would stand taller than the lines drawn for it. DejaVu Sans has
  // them, and widths close to Verdana's own.
  const bool arabic = ProgramLanguage() == u"ar";
  static std::optional<bool> installedForArabic;
  if (installedForArabic == arabic) return;
  installedForArabic = arabic;
  const QStringList families = arabic ? QStringList{"DejaVu Sans", "Liberation Sans", "Arimo"}
                                      : QStringList{"Liberation Sans", "Arimo", "DejaVu Sans"};
  for (const char* family : {"Verdana", "MS Sans Serif"}) {
    QFont::removeSubstitutions(QString::fromLatin1(family));
    QFont::insertSubstitutions(QString::fromLatin1(family), families);
  }
}

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
// by each control: Enter presses the focused push button, a drop-down list
// opens below its box in the box's own colours, the focused control is
// outlined in its own text colour (which stands out from its background on
// every control, light or dark), and every menu bar has the menu colour.
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
    if (qobject_cast<QMenuBar*>(widget)) {
      // The bar draws its own background from the palette; filled as well it
      // would be opaque and hide its window from the window's own paint.
      QPalette palette = widget->palette();
      palette.setColor(QPalette::Window, SysColor::Menu);
      palette.setColor(QPalette::Button, SysColor::Menu);
      palette.setColor(QPalette::WindowText, SysColor::MenuText);
      palette.setColor(QPalette::ButtonText, SysColor::MenuText);
      widget->setPalette(palette);
    }
  }

  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* data) const override {
    // Otherwise the list covers its box, as tall as the screen allows, in
    // the menus' colours instead of the box's.
    if (hint == SH_ComboBox_Popup) return 0;
    return QProxyStyle::styleHint(hint, option, widget, data);
  }

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    if (element == PE_FrameFocusRect) {
      // Check boxes and tabs: a frame round the caption, in its colour,
      // whether the focus came by key or by mouse.
      Ring(painter, option->rect, option->palette.color(QPalette::WindowText), 1);
      return;
    }
    if (element == PE_PanelLineEdit && HasFocus(option) && qobject_cast<const QLineEdit*>(widget)) {
      WithoutFocus(option, [&](const QStyleOption* plain) { QProxyStyle::drawPrimitive(element, plain, painter, widget); });
      // One pixel: a line edit's text comes close to its frame.
      Ring(painter, Inside(option->rect), option->palette.color(QPalette::Text), 1);
      return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
  }

  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override {
    if (const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option); tab && element == CE_TabBarTabLabel) {
      // Tabs are shaded from the window behind them, dark or light; their
      // captions are black or white, whichever stands out more.
      auto readable = *tab;
      const QColor text = Legible(tab->palette.color(QPalette::Window));
      readable.palette.setColor(QPalette::WindowText, text);
      readable.state &= ~State_HasFocus;
      QProxyStyle::drawControl(element, &readable, painter, widget);
      if (HasFocus(option)) {
        const QRect room = subElementRect(SE_TabBarTabText, &readable, widget);
        QRect around(QPoint(), tab->fontMetrics.size(Qt::TextShowMnemonic, tab->text) + QSize(6, 2));
        around.moveCenter(room.center());
        Ring(painter, around.intersected(tab->rect.adjusted(1, 1, -1, -1)), text, 1);
      }
      return;
    }
    if (element == CE_PushButton && HasFocus(option)) {
      WithoutFocus(option, [&](const QStyleOption* plain) { QProxyStyle::drawControl(element, plain, painter, widget); });
      Ring(painter, Inside(option->rect, 3), option->palette.color(QPalette::ButtonText), 1);
      return;
    }
    if (element == CE_ShapedFrame && HasFocus(option) && qobject_cast<const QAbstractScrollArea*>(widget)) {
      QProxyStyle::drawControl(element, option, painter, widget);
      Ring(painter, option->rect, option->palette.color(QPalette::Text));
      return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
  }

  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                          const QWidget* widget) const override {
    if (const auto* box = qstyleoption_cast<const QStyleOptionComboBox*>(option); box && control == CC_ComboBox) {
      auto plain = *box;
      plain.state &= ~State_HasFocus;
      QProxyStyle::drawComplexControl(control, &plain, painter, widget);
      // The field shows the box's own colour, not a lighter button face, so
      // its text keeps the contrast it was chosen for.
      if (!box->editable)
        painter->fillRect(subControlRect(control, box, SC_ComboBoxEditField, widget), box->palette.base());
      if (HasFocus(option)) Ring(painter, Inside(option->rect), option->palette.color(QPalette::ButtonText));
      return;
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
  }

 private:
  static bool HasFocus(const QStyleOption* option) { return option->state & State_HasFocus; }

  // Black or white, whichever stands out more from `background`.
  static QColor Legible(const QColor& background) {
    auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    const double luminance = 0.2126 * linear(background.redF()) + 0.7152 * linear(background.greenF()) +
                             0.0722 * linear(background.blueF());
    // Equal contrast with black and with white at this luminance.
    return luminance > 0.179 ? QColor(Qt::black) : QColor(Qt::white);
  }

  // A copy of the option with the focus taken out, so the base style's own
  // faint focus colour does not compete with the ring.
  // Each copy keeps its own type: the option classes have no virtual
  // destructor, so they cannot be handed out behind a base pointer.
  template <class Draw>
  static void WithoutFocus(const QStyleOption* option, Draw draw) {
    const auto plain = [&draw](auto copy) {
      copy.state &= ~State_HasFocus;
      draw(&copy);
    };
    if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option))
      plain(*button);
    else if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option))
      plain(*frame);
    else
      plain(*option);
  }

  // Inside a control's frame, where its own background lies on both sides of
  // the ring, whatever surrounds the control.
  static QRect Inside(const QRect& rect, int inset = 2) { return rect.adjusted(inset, inset, -inset, -inset); }

  // A solid outline `width` logical pixels wide just inside `rect`.
  static void Ring(QPainter* painter, const QRect& rect, const QColor& colour, int width = 2) {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(Qt::NoPen);
    painter->setBrush(colour);
    painter->drawRect(QRect(rect.left(), rect.top(), rect.width(), width));
    painter->drawRect(QRect(rect.left(), rect.bottom() - width + 1, rect.width(), width));
    painter->drawRect(QRect(rect.left(), rect.top(), width, rect.height()));
    painter->drawRect(QRect(rect.right() - width + 1, rect.top(), width, rect.height()));
    painter->restore();
  }
};

}  // namespace

// The windows' own text font is the program's default too, so menus, message
// boxes and dialogs match the windows, and a control that measures its text
// before its own font is set (a line edit does, in its constructor) loads no
// second face at start-up.
void InstallWindowLook() {
  // A command line that only asks for text runs without a window system.
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return;
  QApplication::setStyle(new ProgramStyle);
  QApplication::setFont(VerdanaFont(WindowTextPoints));
}

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
