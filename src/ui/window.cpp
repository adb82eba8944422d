#include "ui/window.h"

#include "ui/pages.h"
#include "version.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QWidget>

void SetUpTopLevel(QWidget* window, const QString& objectName) {
  window->setObjectName(objectName);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setWindowTitle(QString::fromLatin1(WindowTitle));
  window->setWindowIcon(QIcon(QStringLiteral(":/icon/scarabine.svg")));
}

QPoint PlacedTopLeft(QSize frame, const QRect& available) {
  auto axis = [](int start, int room, int length) { return length <= room ? start + (room - length) / 2 : start; };
  return {axis(available.left(), available.width(), frame.width()),
          axis(available.top(), available.height(), frame.height())};
}

void PlaceOnScreen(QWidget* window) {
  const QScreen* screen = window->screen();
  if (screen == nullptr) return;
  // A window's position is its frame's: the title bar and borders count
  // once the window manager has said how large they are.
  window->move(PlacedTopLeft(window->frameGeometry().size(), screen->availableGeometry()));
}

QAction* AddSharedMenus(QMenuBar* bar, const SharedMenuNames& names) {
  auto named = [](QAction* action, const char* name) {
    action->setObjectName(QString::fromLatin1(name));
    return action;
  };
  auto opens = [](QAction* action, const PageKey& key) {
    QObject::connect(action, &QAction::triggered, action, [key] { OpenWebPage(key); });
  };

  QMenu* help = bar->addMenu(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  named(help->menuAction(), "mnuHelp");
  opens(named(help->addAction(QStringLiteral("&Online Help")), "mnuOnline"), Page::Help);
  opens(named(help->addAction(QStringLiteral("&Visit Us Online")), "mnuVisit"), Page::Home);
  named(help->addSeparator(), names.firstSeparator);
  opens(named(help->addAction(QString::fromLatin1(names.updateCaption)), "mnuUpdate"), Page::Download);
  named(help->addSeparator(), names.secondSeparator);
  QAction* about = named(help->addAction(QStringLiteral("&About Software")), "mnuAbout");

  opens(named(bar->addAction(QStringLiteral("&Donate")), "mnuDonate"), Page::Donate);
  QAction* makeMoney = named(bar->addAction(QStringLiteral("Make Money &Online")), "mkmoney");
  opens(makeMoney, Page::FullyBranded);
  // Starts hidden rather than greyed out: a greyed entry would only invite
  // clicks that do nothing. Its command stays wired for when it is shown.
  makeMoney->setVisible(false);
  return about;
}
