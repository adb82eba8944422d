#pragma once

// What the report hands to the print module. Printing lives in a Qt plugin
// of its own, loaded on the first Print, so that starting the program
// neither maps nor binds Qt's print support library. The plugin is built
// from the same sources with the same compiler, so these types cross as
// they are; Qt's plugin loader refuses one built against another Qt.

#include "ui/dialogs.h"

#include <QString>
#include <QtPlugin>

#include <functional>
#include <optional>

class QTextEdit;
class QWidget;

struct PrintJob {
  QTextEdit* view = nullptr;  // never null
  QWidget* parent = nullptr;
  // Asked before the dialog is shown; an answer replaces the user's.
  std::function<std::optional<PrintDialog::Answer>(const PrintDialog::Shown&)> scripted;
  // What the printout is, for the print queue and a proposed file name.
  QString documentName;
};

struct PrintResult {
  enum class Outcome { Cancelled, Printed, Failed };
  Outcome outcome = Outcome::Cancelled;
  QString printer;  // where a failed job was going: a file or a printer's name
};

class PrintModule {
 public:
  virtual ~PrintModule() = default;
  // Shows the Print dialog and prints the view as the user chose.
  virtual PrintResult Run(const PrintJob& job) = 0;
};

#define ScarabinePrintModule_iid "com.orlenda.Scarabine.PrintModule/1"
Q_DECLARE_INTERFACE(PrintModule, ScarabinePrintModule_iid)
