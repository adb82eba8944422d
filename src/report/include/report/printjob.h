#pragma once

// What the report hands to the print module. Printing lives in a module of
// its own, loaded on the first Print, so that starting the program neither
// maps nor binds Qt's print support library. The module is built from the
// same sources with the same compiler, so these types cross as they are.

#include "ui/dialogs.h"

#include <QString>

#include <functional>
#include <optional>

class QTextEdit;
class QWidget;

struct PrintJob {
  QTextEdit* view = nullptr;  // never null
  QWidget* parent = nullptr;
  // Asked before the dialog is shown; an answer replaces the user's.
  std::function<std::optional<PrintDialog::Answer>(const PrintDialog::Shown&)> scripted;
};

struct PrintResult {
  enum class Outcome { Cancelled, Printed, Failed };
  Outcome outcome = Outcome::Cancelled;
  QString printer;  // where a failed job was going: a file or a printer's name
};

// The module's one entry point, found by this name.
using RunPrintJobFunction = void (*)(const PrintJob& job, PrintResult& result);
inline constexpr char RunPrintJobSymbol[] = "scarabine_run_print_job";
