#pragma once

#include <QString>

// The executable's name without its extension ("scarabine" when it has
// none): the per-user files are named after it, so copies installed under
// other names keep apart.
QString ProgramFileName();

// On a Wayland desktop that also runs an X server for older programs
// (XWayland: DISPLAY and WAYLAND_DISPLAY both set), Qt is asked for its X
// platform first, native Wayland second. Under X the farewell window stays
// above the others, windows are centred and the panels' work area is known;
// native Wayland allows none of that. A platform the user named in
// QT_QPA_PLATFORM is left alone. The choice holds only while the application
// object is made (Forget()), so what the program starts (the browser) makes
// its own.
class PlatformChoice {
 public:
  PlatformChoice();
  ~PlatformChoice() { Forget(); }
  PlatformChoice(const PlatformChoice&) = delete;
  PlatformChoice& operator=(const PlatformChoice&) = delete;
  void Forget();

 private:
  bool chosen_ = false;
};
