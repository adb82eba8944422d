// Start-up baseline: an empty main window the size of Scarabine's, shown and
// painted the same way, then quit. Nothing else: the floor for start-up.
// With --text the window also shows one line of text, so the floor includes
// what any window with words pays once: the font database and glyphs.
// With --controls it shows the same kinds and numbers of controls as
// Scarabine's main window (menu bar, groups, labels, name boxes, filled
// drop-down lists, a button), made with plain Qt and nothing of the
// program's: what such a window costs in Qt itself.
#include "firstpaint.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <cstring>

namespace {

QFont Sans(double points, bool bold = false, bool underline = false) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPointSizeF(points);
  font.setBold(bold);
  font.setUnderline(underline);
  return font;
}

void AddPerson(QGroupBox* group) {
  auto* label = new QLabel(QStringLiteral("Name :-"), group);
  label->setGeometry(32, 24, 47, 13);
  (new QLineEdit(group))->setGeometry(128, 24, 225, 19);
  const char* headings[] = {"Date", "Month", "Year"};
  for (int i = 0; i < 3; ++i) {
    auto* heading = new QLabel(QString::fromLatin1(headings[i]), group);
    heading->setFont(Sans(8.25, false, true));
    heading->setGeometry(144 + 72 * i, 48, 34, 13);
  }
  (new QLabel(QStringLiteral("Date O Birth :-"), group))->setGeometry(32, 64, 85, 13);
  const int first[] = {1, 1, 1900}, count[] = {31, 12, 200};
  for (int i = 0; i < 3; ++i) {
    auto* list = new QComboBox(group);
    for (int n = 0; n < count[i]; ++n) list->addItem(QString::number(first[i] + n));
    list->setCurrentIndex(i == 2 ? 50 : 0);
    list->setGeometry(128 + 64 * i, 64, 60, 21);
  }
}

void AddControls(QMainWindow* window) {
  QApplication::setFont(Sans(8.25));
  for (const char* menu : {"&File", "&Help"}) {
    QMenu* entries = window->menuBar()->addMenu(QString::fromLatin1(menu));
    entries->addAction(QStringLiteral("Get My Egyptian Astrology Compatibility"));
    entries->addAction(QStringLiteral("E&xit"));
  }
  window->menuBar()->addAction(QStringLiteral("&Donate"));
  auto* client = new QWidget;
  client->setFixedSize(466, 386);
  window->setCentralWidget(client);
  auto* top = new QLabel(QStringLiteral("The Most Popular Online Orlenda Discussion Board. Best Resource For "
                                        "Everything Orlenda. Visit our discussion board at www.orlenda.com!"),
                         client);
  top->setFont(Sans(9, true, true));
  top->setWordWrap(true);
  top->setGeometry(24, 8, 432, 39);
  auto* frame = new QGroupBox(QStringLiteral("Please Fill in Your Personal Details"), client);
  frame->setFont(Sans(8.25, true));
  frame->setGeometry(0, 40, 465, 289);
  auto* intro = new QLabel(QStringLiteral("Know your Egyptian Astrology Sign. Get your compatibility with your "
                                          "partner on the basis of Egyptian Astrology! Just enter your birth "
                                          "details and you are all set to go!"),
                           frame);
  intro->setWordWrap(true);
  intro->setGeometry(8, 16, 449, 41);
  const char* groups[] = {"Your Details", "Your Partner's Details"};
  for (int i = 0; i < 2; ++i) {
    auto* group = new QGroupBox(QString::fromLatin1(groups[i]), frame);
    group->setGeometry(32, 64 + 104 * i, 393, 97);
    AddPerson(group);
    for (QWidget* child : group->findChildren<QWidget*>()) child->setFont(Sans(8.25));
  }
  (new QPushButton(QStringLiteral("Get My &Egyptian Astrology Compatibility"), frame))->setGeometry(32, 259, 393, 25);
  auto* bottom = new QLabel(QStringLiteral("Home Business Opportunity. Start your own Internet business and make "
                                           "money online. Get this software fully branded for your website. "
                                           "Click here for more details."),
                            client);
  bottom->setFont(Sans(8.25, true, true));
  bottom->setWordWrap(true);
  bottom->setGeometry(16, 339, 433, 41);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.resize(466, 406);
  if (argc > 1 && std::strcmp(argv[1], "--text") == 0)
    window.setCentralWidget(new QLabel(QStringLiteral("Please Fill in Your Personal Details")));
  if (argc > 1 && std::strcmp(argv[1], "--controls") == 0) AddControls(&window);
  window.show();
  QuitAfterFirstPaint quit(&window);
  const int status = QApplication::exec();
  return quit.Painted() ? status : 5;
}
