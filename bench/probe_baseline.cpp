// Start-up baseline: an empty main window the size of Scarabine's, shown and
// painted the same way, then quit. Nothing else: the floor for start-up.
// With --text the window also shows one line of text, so the floor includes
// what any window with words pays once: the font database and glyphs.
#include "firstpaint.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include <cstring>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.resize(466, 406);
  if (argc > 1 && std::strcmp(argv[1], "--text") == 0)
    window.setCentralWidget(new QLabel(QStringLiteral("Please Fill in Your Personal Details")));
  window.show();
  QuitAfterFirstPaint quit(&window);
  const int status = QApplication::exec();
  return quit.Painted() ? status : 5;
}
