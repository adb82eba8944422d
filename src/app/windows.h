#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

// Every top-level window is one shared instance: created on first use,
// destroyed when unloaded (closed with WA_DeleteOnClose). The registry
// remembers the order in which windows were loaded, for shutdown.
namespace LoadedWindows {
// Called by each window's constructor.
void Register(QWidget* window);
// The windows still alive, oldest first.
QList<QWidget*> InLoadOrder();
// Set once shutdown has begun; no window is shown after that.
bool ShutdownBegun();
void MarkShutdownBegun();
// Test support: forget the flag between test cases.
void ResetForTests();
}  // namespace LoadedWindows

template <class Window>
class SharedWindow {
 public:
  // The shared instance, created (loaded) on first use.
  static Window* Get() {
    if (slot().isNull()) slot() = new Window;
    return slot().data();
  }
  // The shared instance if it is loaded, else null; never creates it.
  static Window* IfLoaded() { return slot().data(); }

 private:
  static QPointer<Window>& slot() {
    static QPointer<Window> instance;
    return instance;
  }
};
