#pragma once

#include <QProcessEnvironment>

// The environment to start the real program in with the test driver
// (support/driver.cpp) preloaded, so that it reports its main window and its
// message boxes on stderr and answers the boxes. Only tests preload it: the
// program a user runs has no test seam.
inline QProcessEnvironment DrivenEnvironment() {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("LD_PRELOAD"), qEnvironmentVariable("SCARABINE_DRIVER"));
  // A sanitized program would refuse a library loaded ahead of its runtime.
  env.insert(QStringLiteral("ASAN_OPTIONS"),
             env.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":verify_asan_link_order=0"));
  return env;
}
