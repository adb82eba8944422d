#include "app/about.h"

#include "app/frmabout.h"
#include "app/windows.h"

void ShowAboutBox() {
  if (LoadedWindows::ShutdownBegun()) return;
  // Deleted when closed, so every opening loads it fresh.
  SharedWindow<FrmAbout>::Get()->exec();
}
