#include "report/saveprint.h"

#include "ui/messages.h"
#include "ui/dialogs.h"
#include "report/rtfwriter.h"
#include "version.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTextFrame>

#include <memory>

namespace {

const QString RtfSuffix = QStringLiteral("rtf");

// Asks before replacing a file the dialog did not see, because the
// extension was added after it closed.
bool MayReplace(QWidget* parent, const QString& fileName) {
  const QString text = QStringLiteral("%1 already exists.\nDo you want to replace it?")
                           .arg(QDir::toNativeSeparators(fileName));
  return Messages::Show(parent, QMessageBox::Warning, text, QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
}

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

}  // namespace

QString ReportFileName(const QString& chosen) {
  if (chosen.isEmpty() || !QFileInfo(chosen).suffix().isEmpty()) return chosen;
  return chosen.endsWith(QLatin1Char('.')) ? chosen + RtfSuffix : chosen + QLatin1Char('.') + RtfSuffix;
}

bool WriteWholeFile(const QString& fileName, const QByteArray& contents, QString* reason) {
  // A file its owner made read-only stays as it is: the new file would
  // otherwise be renamed over it, which only the folder's rights govern.
  if (QFileInfo(fileName).isFile()) {
    QFile existing(fileName);
    if (!existing.open(QIODevice::WriteOnly | QIODevice::Append)) {
      if (reason) *reason = existing.errorString();
      return false;
    }
  }
  QSaveFile file(fileName);
  // Unbuffered, so that a short write (disk full) shows in write()'s count;
  // a buffered QSaveFile can commit a truncated file without an error.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    if (reason) *reason = file.errorString();
    return false;
  }
  // A short write is retried: the next attempt either goes on or fails
  // with the reason (disk full, file too large).
  for (qsizetype done = 0; done < contents.size();) {
    const qint64 written = file.write(contents.constData() + done, contents.size() - done);
    if (written <= 0) {
      if (reason) *reason = file.errorString();
      file.cancelWriting();
      return false;
    }
    done += written;
  }
  if (!file.commit()) {
    if (reason) *reason = file.errorString();
    return false;
  }
  return true;
}

void SaveReport(QTextEdit* view, QWidget* parent) {
  if (!view) return;
  QString fileName;
  for (;;) {
    QFileDialog dialog(parent, QString::fromLatin1(AppTitle));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("Rich Text Format (*.rtf)"));
    dialog.setDefaultSuffix(RtfSuffix);
    const QString chosen = SaveDialog::Exec(dialog);
    if (chosen.isEmpty()) return;
    fileName = ReportFileName(chosen);
    if (fileName == chosen || !QFileInfo::exists(fileName) || MayReplace(parent, fileName)) break;
  }

  QString reason;
  if (!WriteWholeFile(fileName, DocumentToRtf(*view->document()), &reason)) {
    Messages::Error(parent, QStringLiteral("The report could not be saved to %1.\n\n%2")
                                .arg(QDir::toNativeSeparators(fileName), reason));
  }
}

void PrintReport(QTextEdit* view, QWidget* parent) {
  if (!view) return;
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, parent);
  const bool hasSelection = view->textCursor().hasSelection();
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, hasSelection);
  dialog.setPrintRange(hasSelection ? QAbstractPrintDialog::Selection : QAbstractPrintDialog::AllPages);
  if (!PrintDialog::Exec(dialog)) return;

  bool printed = false;
  if (hasSelection && printer.printRange() == QPrinter::Selection) {
    QTextDocument selection;
    selection.setDefaultFont(view->document()->defaultFont());
    QTextCursor(&selection).insertFragment(view->textCursor().selection());
    printed = PrintDocument(selection, printer);
  } else {
    printed = PrintDocument(*view->document(), printer);
  }
  if (!printed) {
    const QString where = printer.outputFileName().isEmpty() ? printer.printerName()
                                                             : QDir::toNativeSeparators(printer.outputFileName());
    Messages::Error(parent, where.isEmpty() ? QStringLiteral("The report could not be printed.")
                                            : QStringLiteral("The report could not be printed on %1.").arg(where));
  }
}
