// The print module: everything that needs Qt's print support library, as
// a Qt plugin. It links nothing of the program's, so it shares no state with
// it; what it needs comes in the job, and what happened goes back in the
// result.
#include "report/printjob.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTextFrame>

#include <memory>

namespace {

// Lays the document out on the printer's pages and paints them. False when
// the printer cannot start or take another page; QTextDocument::print would
// fail silently there.
bool PrintDocument(const QTextDocument& source, QPrinter& printer) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;

  const std::unique_ptr<QTextDocument> doc(source.clone());
  QAbstractTextDocumentLayout* layout = doc->documentLayout();
  layout->setPaintDevice(&printer);
  // Frame margins are in screen pixels; the layout scales them to the printer.
  const qreal margin = 2 / 2.54 * 96;  // 2 cm
  QTextFrameFormat frame = doc->rootFrame()->frameFormat();
  frame.setMargin(margin);
  doc->rootFrame()->setFrameFormat(frame);
  const QSizeF page(printer.width(), printer.height());
  doc->setPageSize(page);

  for (int i = 0; i < doc->pageCount(); ++i) {
    if (i > 0 && !printer.newPage()) return false;
    painter.save();
    painter.translate(0, -i * page.height());
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(QPointF(0, i * page.height()), page);
    layout->draw(&painter, context);
    painter.restore();
  }
  return painter.end();
}

bool ChosenToPrint(QPrintDialog& dialog, const PrintJob& job) {
  const PrintDialog::Shown shown{dialog.testOption(QAbstractPrintDialog::PrintSelection),
                                 dialog.printRange() == QAbstractPrintDialog::Selection,
                                 dialog.testOption(QAbstractPrintDialog::PrintPageRange)};
  if (const std::optional<PrintDialog::Answer> answer = job.scripted ? job.scripted(shown) : std::nullopt) {
    if (answer->code != QDialog::Accepted) return false;
    if (answer->setup) answer->setup(*dialog.printer());
    return true;
  }
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace

class PrintSupport : public QObject, public PrintModule {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID ScarabinePrintModule_iid)
  Q_INTERFACES(PrintModule)

 public:
  PrintResult Run(const PrintJob& job) override;
};

PrintResult PrintSupport::Run(const PrintJob& job) {
  PrintResult result;
  QTextEdit* view = job.view;
  QPrinter printer(QPrinter::HighResolution);
  // Printing to a file proposes this name rather than "print.pdf".
  printer.setDocName(job.documentName);
  QPrintDialog dialog(&printer, job.parent);
  const bool hasSelection = view->textCursor().hasSelection();
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, hasSelection);
  dialog.setPrintRange(hasSelection ? QAbstractPrintDialog::Selection : QAbstractPrintDialog::AllPages);
  if (!ChosenToPrint(dialog, job)) return result;

  bool printed = false;
  if (hasSelection && printer.printRange() == QPrinter::Selection) {
    QTextDocument selection;
    selection.setDefaultFont(view->document()->defaultFont());
    QTextCursor(&selection).insertFragment(view->textCursor().selection());
    printed = PrintDocument(selection, printer);
  } else {
    printed = PrintDocument(*view->document(), printer);
  }
  if (printed) {
    result.outcome = PrintResult::Outcome::Printed;
    return result;
  }
  result.outcome = PrintResult::Outcome::Failed;
  result.printer = printer.outputFileName().isEmpty() ? printer.printerName()
                                                      : QDir::toNativeSeparators(printer.outputFileName());
  return result;
}

#include "printmodule.moc"
