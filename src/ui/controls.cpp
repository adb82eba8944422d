#include "ui/controls.h"

#include "ui/linklabel.h"
#include "ui/wheelguard.h"
#include "ui/window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// A combo box builds its drop-down list (a popup window with a list view) as
// soon as its font changes. Held back while the box is set up, the list is
// built when first opened, with the same font and colours, rather than once
// for every list before the window's first paint. (Qt 6.8 and later build
// it whenever the current entry changes, so there the window's selections
// build it once, after the font is set; its window still waits.)
class DeferDropDown : public QObject {
 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override { return event->type() == QEvent::FontChange; }
};

QFont FontOf(const ControlFont& font) {
  return font.classic ? SansSerifFont(font.points, font.bold) : VerdanaFont(font.points, font.bold, font.underline);
}

QWidget* Make(const ControlRow& row, const QString& caption, QWidget* parent) {
  switch (row.kind) {
    case ControlKind::Label:
    case ControlKind::Icon:
      return new QLabel(caption, parent);
    case ControlKind::Link:
      return new LinkLabel(caption, parent);
    case ControlKind::Group:
      return new QGroupBox(parent);
    case ControlKind::Strip:
    case ControlKind::Panel:
      return new QFrame(parent);
    case ControlKind::Button:
      return new QPushButton(caption, parent);
    case ControlKind::CheckBox:
      return new QCheckBox(caption, parent);
    case ControlKind::Box:
      return new QLineEdit(caption, parent);
    case ControlKind::List:
      return new QComboBox(parent);
    case ControlKind::Rule:
      return new QWidget(parent);
    case ControlKind::Custom:
      return row.make(caption, parent);
  }
  return nullptr;
}

// What a kind sets up beyond name, font, colours and box.
void SetUpKind(QWidget* widget, const ControlRow& row, const QString& caption) {
  switch (row.kind) {
    case ControlKind::Link:
      Q_ASSERT(row.page != nullptr);
      QObject::connect(static_cast<LinkLabel*>(widget), &LinkLabel::clicked, widget,
                       [key = *row.page] { OpenWebPage(key); });
      break;
    case ControlKind::Group: {
      auto* group = static_cast<QGroupBox*>(widget);
      // After the font: the caption is measured as soon as it is set.
      group->setTitle(caption);
      // Unnamed, a group inside a group takes the outer caption on the
      // accessibility bus.
      if (row.look & ControlLook::NamedByCaption) group->setAccessibleName(caption);
      break;
    }
    case ControlKind::Strip:
      static_cast<QFrame*>(widget)->setFrameShape(QFrame::NoFrame);
      break;
    case ControlKind::Panel:
      static_cast<QFrame*>(widget)->setFrameStyle(QFrame::Panel | QFrame::Raised);
      break;
    case ControlKind::Button: {
      auto* button = static_cast<QPushButton*>(widget);
      // Enter acts on the focused button, as Space does.
      button->setAutoDefault(true);
      if (row.look & ControlLook::DefaultButton) button->setDefault(true);
      break;
    }
    case ControlKind::Box:
      if (row.maxLength > 0) static_cast<QLineEdit*>(widget)->setMaxLength(row.maxLength);
      break;
    case ControlKind::List:
      TurnOnlyWhenFocused(static_cast<QComboBox*>(widget));
      break;
    default:
      break;
  }
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    if (row.kind == ControlKind::Icon) label->setAlignment(Qt::AlignCenter);
    if (row.alignment != Qt::Alignment()) label->setAlignment(row.alignment);
    if (row.look & ControlLook::Wrap) label->setWordWrap(true);
    if (row.look & ControlLook::PlainText) label->setTextFormat(Qt::PlainText);
  }
  if (row.look & ControlLook::HandCursor) widget->setCursor(Qt::PointingHandCursor);
}

void Place(QWidget* widget, const ControlRow& row) {
  const TwipsBox& box = row.box;
  auto* label = qobject_cast<QLabel*>(widget);
  if (!box.Sized()) {
    // A label sized to its caption; anything else is placed by a layout.
    if (label != nullptr) {
      label->move(Twips(box.left), Twips(box.top));
      label->adjustSize();
    }
    return;
  }
  QRect rect = TwipsRect(box.left, box.top, box.width, box.height);
  if (row.look & ControlLook::KeptInside) rect = rect.intersected(widget->parentWidget()->rect());
  widget->setGeometry(rect);
  // A wrapping label keeps its width; it grows downwards only if the
  // substitute font needs more lines than the design allowed.
  if (label != nullptr && (row.look & ControlLook::GrowDown))
    label->resize(label->width(), qMax(label->height(), label->heightForWidth(label->width())));
}

}  // namespace

QWidget* MakeControl(QWidget* parent, const ControlRow& row) {
  const QString caption = row.caption.Text();
  QWidget* widget = Make(row, caption, parent);
  DeferDropDown deferral;
  if (row.kind == ControlKind::List) widget->installEventFilter(&deferral);
  widget->setObjectName(QString::fromLatin1(row.name));
  if (row.font.points > 0) widget->setFont(FontOf(row.font));
  SetUpKind(widget, row, caption);
  if (row.background.isValid() || row.text.isValid()) Paint(widget, row.background, row.text);
  // A push button's face colour without a filled box behind its rounded edge.
  if (row.look & ControlLook::Unfilled) widget->setAutoFillBackground(false);
  Place(widget, row);
  // Drawn for the box's size, at the screen's pixel density.
  if (row.kind == ControlKind::Icon)
    static_cast<QLabel*>(widget)->setPixmap(ProgramIconPixmap(widget->size(), widget->devicePixelRatioF()));
  if (row.accessibleName.source != nullptr) widget->setAccessibleName(row.accessibleName.Text());
  if (row.accessibleDescription.source != nullptr) widget->setAccessibleDescription(row.accessibleDescription.Text());
  if (row.kind == ControlKind::List) widget->removeEventFilter(&deferral);
  return widget;
}

QWidget* BuiltControls::Find(std::string_view name) const {
  for (const auto& [made, widget] : made_)
    if (name == made) return widget;
  return nullptr;
}

BuiltControls BuildControls(QWidget* root, std::span<const ControlRow> rows) {
  BuiltControls built;
  for (const ControlRow& row : rows) {
    QWidget* parent = row.container != nullptr ? built.Find(row.container) : root;
    built.Add(row.name, MakeControl(parent, row));
  }
  // Screen readers on Linux name a field by the caption whose buddy it is.
  for (const ControlRow& row : rows)
    if (row.buddy != nullptr) built.Get<QLabel>(row.name)->setBuddy(built.Find(row.buddy));
  return built;
}

void SetKeyboardOrder(const BuiltControls& controls, std::initializer_list<const char*> names) {
  const char* previous = nullptr;
  for (const char* name : names) {
    if (previous != nullptr) QWidget::setTabOrder(controls.Find(previous), controls.Find(name));
    previous = name;
  }
}
