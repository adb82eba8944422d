#include "ui/window.h"

#include "ui/captionfit.h"
#include "ui/mirror.h"
#include "ui/pages.h"
#include "version.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QIconEngine>
#include <QImage>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QSvgRenderer>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace {

// Draws the scarab straight from its SVG at whatever size is asked for.
// QIcon would need Qt's SVG icon engine plugin for a .svg, and some
// distributions ship that plugin in a package of its own that a plain
// install leaves out: the icon then draws as nothing.
class ScarabIconEngine : public QIconEngine {
 public:
  QIconEngine* clone() const override { return new ScarabIconEngine; }
  QString key() const override { return QStringLiteral("scarabine"); }
  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
  // The window system asks for these when it takes a window's icon.
  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    return {{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};
  }
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
    QSvgRenderer renderer(Source());
    renderer.render(painter, rect);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return scaledPixmap(size, mode, state, 1);
  }
  // QIcon passes the device size here before Qt 6.8 and the logical size
  // since; either way the result has as many pixels as the screen shows.
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode, QIcon::State, qreal scale) override {
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    Q_UNUSED(scale);
    return ProgramIconPixmap(size, 1);
#else
    return ProgramIconPixmap(size, scale);
#endif
  }

  static QString Source() { return QStringLiteral(":/icon/scarabine.svg"); }
};

}  // namespace

QIcon ProgramIcon() { return QIcon(new ScarabIconEngine); }

QPixmap ProgramIconPixmap(QSize logical, qreal devicePixelRatio) {
  const QSize device = (QSizeF(logical) * devicePixelRatio).toSize();
  if (device.isEmpty()) return QPixmap();
  QImage image(device, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  QSvgRenderer renderer(ScarabIconEngine::Source());
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(device)));
  painter.end();
  QPixmap pixmap = QPixmap::fromImage(std::move(image));
  pixmap.setDevicePixelRatio(devicePixelRatio);
  return pixmap;
}

void SetUpTopLevel(QWidget* window, const QString& objectName) {
  window->setObjectName(objectName);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setWindowTitle(QString::fromLatin1(WindowTitle));
  window->setWindowIcon(ProgramIcon());
  // Every window's layout is drawn for one size, so none asks the window
  // manager for a maximise button that could only do nothing. Dialogs are
  // not offered one anyway.
  if (window->windowType() == Qt::Window) {
    window->setWindowFlags((window->windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) &
                           ~Qt::WindowMaximizeButtonHint);
  }
}

QPoint PlacedTopLeft(QSize frame, const QRect& available) {
  auto axis = [](int start, int room, int length) { return length <= room ? start + (room - length) / 2 : start; };
  return {axis(available.left(), available.width(), frame.width()),
          axis(available.top(), available.height(), frame.height())};
}

namespace {

QScrollArea* FitScroller(QWidget* window) {
  return window->findChild<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly);
}

// Scrolls the control into view. Right to left, a scroll area's horizontal
// value counts from the right edge, which ensureWidgetVisible does not
// allow for: that direction is scrolled here.
void ShowInScroller(QScrollArea* scroller, QWidget* control) {
  QScrollBar* bar = scroller->horizontalScrollBar();
  const int across = bar->value();
  scroller->ensureWidgetVisible(control);
  if (!scroller->isRightToLeft()) return;
  const QRect area(control->mapTo(scroller->widget(), QPoint(0, 0)), control->size());
  const int margin = 50;  // as ensureWidgetVisible leaves
  const int room = scroller->viewport()->width();
  int offset = bar->maximum() - across;  // the content's left edge lies this far left of the view's
  if (area.right() + margin > offset + room) offset = area.right() + margin - room;
  if (area.left() - margin < offset) offset = area.left() - margin;
  bar->setValue(bar->maximum() - qBound(0, offset, bar->maximum()));
}

// Puts the window's fixed-size content into a scroll area filling the
// window. The controls keep their parent window, so the keyboard order
// stays as it was; a main window keeps its menu bar outside the scroll area.
QScrollArea* WrapInScroller(QWidget* window) {
  auto* scroller = new QScrollArea(window);
  scroller->setFrameShape(QFrame::NoFrame);
  scroller->setFocusPolicy(Qt::NoFocus);
  if (auto* main = qobject_cast<QMainWindow*>(window)) {
    // Moved straight into the scroll area: taking it out first would make it
    // a window of its own for a moment, and its controls would leave the
    // window's keyboard order. Moving it also takes it out of the layout.
    scroller->setWidget(main->centralWidget());
    main->setCentralWidget(scroller);
  } else {
    auto* content = new QWidget(window);
    content->setFixedSize(window->size());
    // A copy: moving a child changes the window's own list of children.
    const QObjectList children = window->children();
    for (QObject* object : children) {
      auto* child = qobject_cast<QWidget*>(object);
      if (child == nullptr || child == content || child == scroller || child->isWindow()) continue;
      const bool hidden = child->isHidden();
      child->setParent(content);
      child->setHidden(hidden);
    }
    scroller->setWidget(content);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroller);
  }
  // Tabbing or an access key may land on a control scrolled out of view.
  // The focus the window opens with is the exception: the window opens
  // showing its top left (menus, strip, tabs), wherever that focus lies.
  QObject::connect(qApp, &QApplication::focusChanged, scroller,
                   [scroller, opened = window->isActiveWindow()](QWidget*, QWidget* now) mutable {
                     if (now == nullptr || scroller->widget() == nullptr || !scroller->widget()->isAncestorOf(now))
                       return;
                     if (std::exchange(opened, true)) ShowInScroller(scroller, now);
                   });
  return scroller;
}

// What a native Wayland window is not told: the compositor's panels take a
// strip of the output that availableGeometry() still counts (weston and
// GNOME take 32 px, KDE 44 px), and where the compositor draws the title bar
// the window has no frame margins to go by.
constexpr int PanelAllowance = 48;
constexpr int TitleBarAllowance = 36;

// A window whose frame is larger than the area keeps its layout and size
// inside a scroll area, and the window itself shrinks to the area, so no
// control is left beyond the screen's edge. Windows that fit are untouched.
void FitInto(QWidget* window, const QRect& available) {
  const QSize margins = window->frameGeometry().size() - window->size();
  QSize room = available.size() - margins;
  if (OnWaylandNatively()) room.rheight() -= PanelAllowance + (margins.height() > 0 ? 0 : TitleBarAllowance);
  if (window->width() <= room.width() && window->height() <= room.height()) return;
  QScrollArea* scroller = FitScroller(window);
  if (scroller == nullptr) scroller = WrapInScroller(window);
  // The layout would hold the window at its content's size.
  if (window->layout() != nullptr) window->layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
  QSize fitted = scroller->widget()->size();
  if (auto* main = qobject_cast<QMainWindow*>(window); main != nullptr && main->menuWidget() != nullptr)
    fitted.rheight() += main->menuWidget()->sizeHint().height();
  // A scroll bar along one side takes room the other side then has to find.
  const int bar = window->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroller);
  if (fitted.width() > room.width()) fitted.rheight() += bar;
  if (fitted.height() > room.height()) fitted.rwidth() += bar;
  window->setFixedSize(fitted.boundedTo(room));
}

void FitAndPlace(QWidget* window, const QRect& available) {
  FitInto(window, available);
  // The compositor places the window; a move would only be ignored.
  if (OnWaylandNatively()) return;
  // A window's position is its frame's: the title bar and borders count
  // once the window manager has said how large they are.
  window->move(PlacedTopLeft(window->frameGeometry().size(), available));
}

// Until the window manager frames a window its frame is its client area, so
// a window fitted then may still lose its bottom edge to the title bar. It
// is fitted once more when it is first shown framed.
class RefitWhenFramed : public QObject {
 public:
  explicit RefitWhenFramed(QWidget* window) : QObject(window), window_(window) {
    setObjectName(QStringLiteral("refitWhenFramed"));
    if (window->windowHandle() != nullptr)
      window->windowHandle()->installEventFilter(this);
    else
      window->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    QWindow* handle = window_->windowHandle();
    if (watched == window_ && event->type() == QEvent::Show && handle != nullptr) {
      window_->removeEventFilter(this);
      handle->installEventFilter(this);
    } else if (watched == handle && event->type() == QEvent::Expose && handle->isExposed() &&
               window_->frameGeometry() != window_->geometry()) {
      handle->removeEventFilter(this);
      deleteLater();
      const QScreen* screen = window_->screen();
      // A Wayland window's position is the compositor's and not known here:
      // only its size can be checked.
      if (screen != nullptr &&
          (OnWaylandNatively() || !screen->availableGeometry().contains(window_->frameGeometry())))
        FitAndPlace(window_, screen->availableGeometry());
    }
    return false;
  }

 private:
  QWidget* window_;
};

}  // namespace

void PlaceOnScreen(QWidget* window) {
  const QScreen* screen = window->screen();
  if (screen == nullptr) return;
  // Before the window is fitted: a translation's captions to their boxes,
  // and a right-to-left window mirrored.
  FitCaptions(window);
  MirrorFixedLayout(window);
  FitAndPlace(window, screen->availableGeometry());
  if (window->frameGeometry() == window->geometry() &&
      window->findChild<QObject*>(QStringLiteral("refitWhenFramed"), Qt::FindDirectChildrenOnly) == nullptr)
    new RefitWhenFramed(window);
}

bool OnWaylandNatively() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

void ShowAboveOthers(QWidget* window) {
  window->show();
  if (!OnWaylandNatively()) return;
  window->raise();
  window->activateWindow();
}

void StandOverActiveWindow(QWidget* dialog) {
  if (!OnWaylandNatively() || dialog->parentWidget() != nullptr) return;
  // Compositors that give clients no say in activation leave no active
  // window; the program's visible working window is the one then.
  QWidget* owner = QApplication::activeWindow();
  if (owner == nullptr || owner == dialog) {
    owner = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window != dialog && window->isVisible() && window->windowType() == Qt::Window) {
        owner = window;
        break;
      }
    }
  }
  if (owner == nullptr) return;
  dialog->winId();  // a window handle to hang the parent on, before it is shown
  if (QWindow* handle = dialog->windowHandle()) handle->setTransientParent(owner->windowHandle());
}

QAction* AddSharedMenus(QMenuBar* bar, const SharedMenuNames& names) {
  auto named = [](QAction* action, const char* name) {
    action->setObjectName(QString::fromLatin1(name));
    return action;
  };
  auto opens = [](QAction* action, const PageKey& key) {
    QObject::connect(action, &QAction::triggered, action, [key] { OpenWebPage(key); });
  };

  auto translated = [](const char* text) { return QCoreApplication::translate("SharedMenus", text); };
  QMenu* help = bar->addMenu(translated(QT_TRANSLATE_NOOP("SharedMenus", "&Help")));
  help->setObjectName(QStringLiteral("mnuHelp"));
  named(help->menuAction(), "mnuHelp");
  opens(named(help->addAction(translated(QT_TRANSLATE_NOOP("SharedMenus", "&Online Help"))), "mnuOnline"), Page::Help);
  opens(named(help->addAction(translated(QT_TRANSLATE_NOOP("SharedMenus", "&Visit Us Online"))), "mnuVisit"), Page::Home);
  named(help->addSeparator(), names.firstSeparator);
  opens(named(help->addAction(translated(names.updateCaption)), "mnuUpdate"), Page::Download);
  named(help->addSeparator(), names.secondSeparator);
  QAction* about = named(help->addAction(translated(QT_TRANSLATE_NOOP("SharedMenus", "&About Software"))), "mnuAbout");

  opens(named(bar->addAction(translated(QT_TRANSLATE_NOOP("SharedMenus", "&Donate"))), "mnuDonate"), Page::Donate);
  QAction* makeMoney = named(bar->addAction(translated(QT_TRANSLATE_NOOP("SharedMenus", "Make Money &Online"))), "mkmoney");
  opens(makeMoney, Page::FullyBranded);
  // Starts hidden rather than greyed out: a greyed entry would only invite
  // clicks that do nothing. Its command stays wired for when it is shown.
  makeMoney->setVisible(false);
  return about;
}
