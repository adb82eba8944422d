#include "app/windows.h"

namespace {
struct Registry {
  QList<QPointer<QWidget>> loaded;
  bool shutdown = false;
};
Registry& registry() {
  static Registry r;
  return r;
}
}  // namespace

void LoadedWindows::Register(QWidget* window) {
  // Unloaded windows leave null entries; a long session must not pile them up.
  registry().loaded.removeIf([](const QPointer<QWidget>& w) { return w.isNull(); });
  registry().loaded.append(window);
}

QList<QWidget*> LoadedWindows::InLoadOrder() {
  QList<QWidget*> alive;
  auto& loaded = registry().loaded;
  loaded.removeIf([](const QPointer<QWidget>& w) { return w.isNull(); });
  for (const auto& w : loaded) alive.append(w.data());
  return alive;
}

bool LoadedWindows::ShutdownBegun() { return registry().shutdown; }
void LoadedWindows::MarkShutdownBegun() { registry().shutdown = true; }
void LoadedWindows::ResetForTests() { registry().shutdown = false; }
