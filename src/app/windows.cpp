#include "app/windows.h"

#include "app/frmabout.h"
#include "app/frmmain.h"
#include "report/frmdisplay.h"
#include "ui/window.h"
#include "web/frmfarewell.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>

namespace {

struct Registry {
  QList<QPointer<QWidget>> loaded;
  QPointer<FrmMain> main;
  QPointer<FrmDisplay> report;
  QPointer<FrmFarewell> farewell;
  QPointer<FrmAbout> about;
  // Built in idle time for the next compute; not loaded until taken.
  QPointer<FrmDisplay> spare;
  bool spareScheduled = false;
  bool shutdown = false;
  Windows::Wiring wiring;
};

Registry& registry() {
  static Registry r;
  return r;
}

void Register(QWidget* window) {
  // Unloaded windows leave null entries; a long session must not pile them up.
  registry().loaded.removeIf([](const QPointer<QWidget>& w) { return w.isNull(); });
  registry().loaded.append(window);
}

// A report window made, polished, laid out, given its native window and
// painted once off screen, so that showing it later costs little more than
// filling it. Its views stay empty.
void BuildSpare() {
  Registry& r = registry();
  r.spareScheduled = false;
  if (r.shutdown || r.spare || r.report) return;
  auto* window = new FrmDisplay;
  window->ensurePolished();
  window->adjustSize();
  (void)window->winId();
  (void)window->grab();
  r.spare = window;
}

// After this long without a compute the program counts as idle.
constexpr int SpareDelayMs = 50;

// Loads the window into its slot on first use (a window made ahead, if one
// is given, or a new one), counts it as loaded and hands it to its wiring.
template <class Window>
Window* LoadOnce(QPointer<Window>& slot, void (*wire)(Window*), Window* madeAhead = nullptr) {
  if (!slot) {
    slot = madeAhead ? madeAhead : new Window;
    Register(slot);
    if (wire) wire(slot);
  }
  return slot;
}

}  // namespace

FrmMain* Windows::Main() { return LoadOnce(registry().main, registry().wiring.main); }

void Windows::SetWiring(const Wiring& wiring) { registry().wiring = wiring; }

FrmMain* Windows::MainIfLoaded() { return registry().main; }

void Windows::ShowMain() {
  if (ShutdownBegun()) return;  // no window comes back once shutdown has begun
  Main()->show();
}

FrmDisplay* Windows::Report() {
  Registry& r = registry();
  if (r.report) return r.report;
  FrmDisplay* ready = r.spare;
  r.spare = nullptr;
  return LoadOnce(r.report, r.wiring.report, ready);
}

FrmDisplay* Windows::ReportIfLoaded() { return registry().report; }

FrmFarewell* Windows::Farewell() { return LoadOnce(registry().farewell, registry().wiring.farewell); }

FrmFarewell* Windows::FarewellIfLoaded() { return registry().farewell; }

FrmAbout* Windows::About() { return LoadOnce<FrmAbout>(registry().about, nullptr); }

FrmAbout* Windows::AboutIfLoaded() { return registry().about; }

void Windows::ShowAbout() {
  if (ShutdownBegun()) return;
  FrmAbout* about = About();
  StandOverActiveWindow(about);
  about->exec();
}

void Windows::AddLoaded(QWidget* window) { Register(window); }

QList<QWidget*> Windows::InLoadOrder() {
  QList<QWidget*> alive;
  auto& loaded = registry().loaded;
  loaded.removeIf([](const QPointer<QWidget>& w) { return w.isNull(); });
  for (const auto& w : loaded) alive.append(w.data());
  return alive;
}

void Windows::PrepareNextReport() {
  Registry& r = registry();
  if (r.shutdown || r.spare || r.spareScheduled) return;
  r.spareScheduled = true;
  QTimer::singleShot(SpareDelayMs, qApp, [] { BuildSpare(); });
}

bool Windows::NextReportReady() { return !registry().spare.isNull(); }

bool Windows::ShutdownBegun() { return registry().shutdown; }

void Windows::MarkShutdownBegun() {
  Registry& r = registry();
  r.shutdown = true;
  delete r.spare.data();
}

void Windows::ResetForTests() {
  Registry& r = registry();
  r.shutdown = false;
  delete r.spare.data();
}
