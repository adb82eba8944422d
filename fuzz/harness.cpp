#include "fuzz/harness.h"

#include <QGuiApplication>

int StartFuzzApplication(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // Lives for the whole run; libFuzzer ends the process without returning.
  static QGuiApplication* app = new QGuiApplication(*argc, *argv);
  (void)app;
  return 0;
}
