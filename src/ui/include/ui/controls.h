#pragma once

#include "ui/look.h"
#include "ui/pages.h"
#include "ui/translation.h"

#include <QColor>
#include <QList>
#include <QWidget>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <span>
#include <string_view>
#include <utility>

// A fixed layout, as it was drawn: left, top, width and height in twips,
// relative to the container. A label with no width and height is sized to
// its caption at its left and top.
struct TwipsBox {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  constexpr bool Sized() const { return width != 0 || height != 0; }
};

// Verdana (or the classic dialog font) at a size; no size keeps the font the
// control inherits from its container, so that it follows the container's.
struct ControlFont {
  double points = 0;
  bool bold = false;
  bool underline = false;
  bool classic = false;  // the classic dialog font, not Verdana
};

enum class ControlKind {
  Label,     // QLabel
  Link,      // LinkLabel: opens `page` when clicked
  Icon,      // QLabel showing the program's icon, centred
  Group,     // QGroupBox, captioned frame
  Strip,     // QFrame with no frame, a coloured band
  Panel,     // QFrame, raised panel
  Button,    // QPushButton
  CheckBox,  // QCheckBox
  Box,       // QLineEdit
  List,      // QComboBox, a drop-down list
  Rule,      // QWidget, a line as high as its box
  Custom,    // made by the row's `make`, for controls of the layers above
};

// What a few controls do differently from the rest of their kind.
namespace ControlLook {
enum : unsigned {
  Plain = 0,
  Wrap = 1U << 0,           // words wrap inside the box
  PlainText = 1U << 1,      // a label's text is never read as markup
  GrowDown = 1U << 2,       // a wrapping label grows downwards if its text needs more lines
  KeptInside = 1U << 3,     // cut to its container where the box runs past it
  Overhangs = 1U << 4,      // meant to run past its container (a rule, a box kept out of sight)
  Unfilled = 1U << 5,       // the background colour is the control's, not a filled box behind it
  DefaultButton = 1U << 6,  // the dialog's default button
  HandCursor = 1U << 7,     // the pointer becomes a hand over it
  NamedByCaption = 1U << 8, // a group's caption is also its accessible name
};
}  // namespace ControlLook

// One control of a window, as data. Captions and accessible texts are marked
// for translation where the table is written (QT_TRANSLATE_NOOP with the
// window's context) and translated when the control is made.
struct ControlRow {
  const char* name;                 // the objectName
  ControlKind kind;
  const char* container = nullptr;  // a row above; none: the table's root
  TwipsBox box{};
  TranslatableText caption{};
  ControlFont font{};
  QColor background{};              // none: the container's
  QColor text{};
  Qt::Alignment alignment{};        // none: the kind's own
  unsigned look = ControlLook::Plain;
  int maxLength = 0;                // a box's longest text; 0: Qt's
  const char* buddy = nullptr;      // the row a label names for screen readers
  TranslatableText accessibleName{};
  TranslatableText accessibleDescription{};
  const PageKey* page = nullptr;    // a link's page
  QWidget* (*make)(const QString& caption, QWidget* parent) = nullptr;  // a Custom row's control
};

// A caption, name or other text shown as it stands, never translated.
constexpr TranslatableText Verbatim(const char* text) { return {nullptr, text}; }

// The controls one table made, found by name for the window's behaviour.
class BuiltControls {
 public:
  void Add(const char* name, QWidget* widget) { made_.append({name, widget}); }
  QWidget* Find(std::string_view name) const;
  template <class T>
  T* Get(std::string_view name) const {
    return qobject_cast<T*>(Find(name));
  }

 private:
  QList<std::pair<const char*, QWidget*>> made_;
};

// Makes the rows' controls in table order (the keyboard order of controls
// without an explicit one follows it), each in its container, the first
// containers in `root`; then names each buddy.
BuiltControls BuildControls(QWidget* root, std::span<const ControlRow> rows);

// Sets the keyboard order of controls by name, first to last.
void SetKeyboardOrder(const BuiltControls& controls, std::initializer_list<const char*> names);

// Makes one control as a table row describes it: the builder of every kind,
// for the rare control made outside a table (a tab page's frame, which the
// tab control places).
QWidget* MakeControl(QWidget* parent, const ControlRow& row);

// The promotional strip both working windows carry: a black band and, on it,
// a link in the inactive-border colour that opens its page.
struct PromotionStrip {
  const char* stripName;
  TwipsBox strip;
  const char* linkName;
  TwipsBox link;
  TranslatableText text;
  double points;
  Qt::Alignment alignment;
  const PageKey* page;
  unsigned look = ControlLook::Plain;  // beyond wrapping
};
// The two rows that make it, for a window's table.
constexpr std::array<ControlRow, 2> PromotionRows(const PromotionStrip& p) {
  return {{{.name = p.stripName, .kind = ControlKind::Strip, .box = p.strip, .background = Colour::Black},
           {.name = p.linkName,
            .kind = ControlKind::Link,
            .container = p.stripName,
            .box = p.link,
            .caption = p.text,
            .font = {p.points, true, true},
            .text = SysColor::InactiveBorder,
            .alignment = p.alignment,
            .look = ControlLook::Wrap | p.look,
            .page = p.page}}};
}

// Joins a window's row lists into one table, in order.
template <std::size_t... N>
constexpr auto JoinRows(const std::array<ControlRow, N>&... parts) {
  std::array<ControlRow, (N + ... + 0)> all{};
  std::size_t at = 0;
  ((std::copy(parts.begin(), parts.end(), all.begin() + at), at += N), ...);
  return all;
}

// What the compiler checks of every table: names unique, each container a
// row above, each buddy a row of the table and named by a label, each Custom
// row with its maker, and each box inside its container's (where both have
// a size) unless the row says it runs past it. `root` is the root's size.
// (Whether a link has its page is not asked: under the address sanitizer
// GCC cannot compare a global's address with null at compile time.)
constexpr bool WellFormed(std::span<const ControlRow> rows, TwipsBox root) {
  auto find = [&](const char* name, std::size_t before) -> const ControlRow* {
    for (std::size_t i = 0; i < before; ++i)
      if (std::string_view(rows[i].name) == name) return &rows[i];
    return nullptr;
  };
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const ControlRow& row = rows[i];
    if (row.name == nullptr || find(row.name, i) != nullptr) return false;
    if ((row.kind == ControlKind::Custom) != (row.make != nullptr)) return false;
    if (row.buddy != nullptr && (row.kind != ControlKind::Label || find(row.buddy, rows.size()) == nullptr))
      return false;
    TwipsBox outer = root;
    if (row.container != nullptr) {
      const ControlRow* container = find(row.container, i);
      if (container == nullptr) return false;
      outer = container->box;
    }
    // An extent of 0 is one the container only learns from a layout.
    const TwipsBox& box = row.box;
    const bool across = outer.width == 0 || (box.left >= 0 && box.left + box.width <= outer.width);
    const bool down = outer.height == 0 || (box.top >= 0 && box.top + box.height <= outer.height);
    if (box.Sized() && !(across && down) && !(row.look & (ControlLook::Overhangs | ControlLook::KeptInside)))
      return false;
  }
  return true;
}
