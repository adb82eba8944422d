// Start-up baseline: an empty main window the size of Scarabine's, shown and
// painted the same way, then quit. Nothing else: the floor for start-up.
#include "firstpaint.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.resize(466, 406);
  window.show();
  QuitAfterFirstPaint quit(&window);
  const int status = QApplication::exec();
  return quit.Painted() ? status : 5;
}
