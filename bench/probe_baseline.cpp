// Start-up baseline: an empty main window, shown and painted, then quit.
#include "firstpaint.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.resize(466, 406);
  QuitAfterFirstPaint quit(&window);
  window.show();
  return QApplication::exec();
}
