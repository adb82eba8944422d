#include "ui/look.h"
#include "ui/messages.h"
#include "ui/dialogs.h"
#include "report/rtfwriter.h"
#include "report/saveprint.h"
#include "report/composer.h"
#include "report/reportview.h"
#include "ui/translation.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

// A full disk is imitated with a POSIX file size limit.
#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

void Insert(QTextCursor& cursor, const QString& text, bool bold, const QColor& colour) {
  QTextCharFormat format;
  format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
  format.setForeground(colour);
  cursor.setCharFormat(format);
  cursor.insertText(text);
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& contents) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  QCOMPARE(file.write(contents), contents.size());
}

QString Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished() || process.exitCode() != 0) return QStringLiteral("<%1 failed>").arg(program);
  return QString::fromUtf8(process.readAllStandardOutput());
}

// What is wrong with a PDF of the Arabic report, as pdftotext finds its
// paragraphs; empty when every one ends at the right margin and the short
// ones start anywhere. Left to right it would be the other way round.
QString NotRightToLeft(const QString& pdf) {
  QList<double> starts, ends;
  const QString boxes = Run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox-layout"), pdf, QStringLiteral("-")});
  const QRegularExpression block(QStringLiteral("<block xMin=\"([0-9.]+)\" yMin=\"[0-9.]+\" xMax=\"([0-9.]+)\""));
  for (const QRegularExpressionMatch& m : block.globalMatch(boxes)) {
    starts.append(m.captured(1).toDouble());
    ends.append(m.captured(2).toDouble());
  }
  // The heading and the twelve entries at least.
  if (starts.size() < 13) return QStringLiteral("%1 paragraphs in %2").arg(starts.size()).arg(boxes.left(400));
  const auto spread = [](const QList<double>& edges) {
    return *std::max_element(edges.begin(), edges.end()) - *std::min_element(edges.begin(), edges.end());
  };
  if (spread(ends) < 1 && spread(starts) > 100) return {};
  return QStringLiteral("%1: ends %2 pt apart, starts %3 pt").arg(pdf).arg(spread(ends)).arg(spread(starts));
}

// Text of a PDF with every run of white space made one blank.
QString PdfText(const QString& path) {
  return Run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")}).simplified();
}

#ifdef Q_OS_UNIX
// Files larger than this many bytes cannot be written while it lives, as
// on a full disk; root is bound by it as much as anyone.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }

 private:
  rlimit saved_{};
};
#endif

const QColor DarkRed(128, 0, 0);
const QColor DarkBlue(0, 0, 128);

}  // namespace

class TestSavePrint : public QObject {
  Q_OBJECT

  std::unique_ptr<QTextEdit> view;
  std::unique_ptr<QTemporaryDir> dir;

  // The print dialog is answered with OK and a PDF at `pdf` as the printer.
  static void PrintTo(const QString& pdf) {
    PrintDialog::SetNextAnswer(QDialog::Accepted, [pdf](QPrinter& printer) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(pdf);
    });
  }
  QString Path(const QString& name) const { return dir->filePath(name); }
  QStringList Entries() const { return QDir(dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden); }

 private slots:
  void init() {
    Messages::StartRecording();
    SaveDialog::StartRecording();
    PrintDialog::StartRecording();
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());

    view = std::make_unique<QTextEdit>();
    view->setFont(VerdanaFont(9.75));
    QTextCursor cursor(view->document());
    Insert(cursor, QStringLiteral("Your Egyptian Astrology Sign is :-"), true, DarkRed);
    Insert(cursor, QStringLiteral("Isis\r\n\r\n"), true, DarkBlue);
    Insert(cursor, QStringLiteral("Ruling Deity :-"), true, DarkRed);
    Insert(cursor, QStringLiteral("Isis, mother of Horus\r\n\r\n"), false, Qt::black);
    Insert(cursor, QStringLiteral("Sacred Animal :-"), true, DarkRed);
    Insert(cursor, QStringLiteral("Cow\r\n"), false, Qt::black);
  }
  void cleanup() {
    view.reset();
    dir.reset();
    PrintDialog::StopRecording();
    SaveDialog::StopRecording();
    Messages::StopRecording();
  }

  void saves_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QByteArray>("existing");
    QTest::addRow("new file") << "report.rtf" << QByteArray();
    QTest::addRow("name without extension gets .rtf") << "report" << QByteArray();
    // Longer than the report: no old tail may survive.
    QTest::addRow("existing file replaced whole") << "report.rtf" << QByteArray(5000, 'x');
  }
  void saves() {
    QFETCH(QString, chosen);
    QFETCH(QByteArray, existing);
    const QString path = Path(QStringLiteral("report.rtf"));
    if (!existing.isEmpty()) WriteAll(path, existing);
    SaveDialog::SetNextFileName(Path(chosen));
    SaveReport(view.get(), nullptr);
    QCOMPARE(SaveDialog::Recorded().size(), 1);
    QVERIFY(SaveDialog::Recorded().first().confirmsOverwrite);  // the dialog itself asks
    QVERIFY(Messages::Recorded().isEmpty());
    // What a reader makes of it is checked in tst_rtfwriter.
    QCOMPARE(ReadAll(path), DocumentToRtf(*view->document()));
    QCOMPARE(Entries(), QStringList{QStringLiteral("report.rtf")});
  }

  // An Arabic report prints and is saved with right-to-left paragraphs.
  // Where CTest names LibreOffice (make rtl-check), it reads the file back
  // and must lay the report's paragraphs out right to left.
  void arabicReportReadsRightToLeft() {
    InstallTranslators(QLocale(QStringLiteral("ar")));
    ReportView report;
    report.WriteAll([&] {
      ComposeUserReport(report, QCoreApplication::translate("Calendar", "Thoth"), FillSignRecord(SignName::Thoth));
    });
    const QString pdf = Path(QStringLiteral("printout.pdf"));
    PrintTo(pdf);
    PrintReport(&report, nullptr);
    InstallTranslators(QLocale::c());
    const QString printed = NotRightToLeft(pdf);
    QVERIFY2(printed.isEmpty(), qPrintable(printed));
    const QString path = Path(QStringLiteral("report.rtf"));
    SaveDialog::SetNextFileName(path);
    SaveReport(&report, nullptr);
    const QByteArray rtf = ReadAll(path);
    QVERIFY2(rtf.contains("\\rtlpar"), rtf.left(400).constData());
    QVERIFY(!rtf.contains("\\ltrpar"));  // every paragraph, the empty ones too
    const QString office = qEnvironmentVariable("SCARABINE_LIBREOFFICE");
    if (office.isEmpty()) return;
    // Flat ODF for the paragraphs' styles, PDF for how LibreOffice lays them out.
    for (const char* format : {"fodt", "pdf"}) {
      QProcess convert;
      convert.start(office, {QStringLiteral("--headless"), QStringLiteral("--convert-to"), QString::fromLatin1(format),
                             QStringLiteral("--outdir"), dir->path(), path});
      QVERIFY(convert.waitForFinished(180000));
      QVERIFY2(QFile::exists(Path(QStringLiteral("report.") + QLatin1String(format))),
               convert.readAllStandardError().constData());
    }
    const QString shown = NotRightToLeft(Path(QStringLiteral("report.pdf")));
    QVERIFY2(shown.isEmpty(), qPrintable(shown));
    const QString flat = QString::fromUtf8(ReadAll(Path(QStringLiteral("report.fodt"))));
    // The headings bold in the Arabic script too.
    QVERIFY(flat.contains(QStringLiteral("style:font-weight-complex=\"bold\"")));
    // Every paragraph LibreOffice shows has a style that runs right to left.
    QSet<QString> rightToLeft;
    const QRegularExpression style(QStringLiteral("<style:style style:name=\"([^\"]+)\"[^>]*>(.*?)</style:style>"),
                                   QRegularExpression::DotMatchesEverythingOption);
    for (const QRegularExpressionMatch& m : style.globalMatch(flat))
      if (m.captured(2).contains(QStringLiteral("writing-mode=\"rl-tb\""))) rightToLeft.insert(m.captured(1));
    const QRegularExpression paragraph(QStringLiteral("<text:p text:style-name=\"([^\"]+)\""));
    int paragraphs = 0;
    for (const QRegularExpressionMatch& m : paragraph.globalMatch(flat)) {
      ++paragraphs;
      QVERIFY2(rightToLeft.contains(m.captured(1)), qPrintable(m.captured(1)));
    }
    // All of them; a reader may drop the empty line the report ends with.
    QVERIFY2(paragraphs >= report.document()->blockCount() - 1, qPrintable(QString::number(paragraphs)));
    QVERIFY(flat.contains(QStringLiteral("تحوت")));  // Thoth, as the report names him
  }

  // The dialog asked about "report", not "report.rtf"; the command asks
  // before replacing the file the extension led to.
  void completedNameAskedBeforeReplacing_data() {
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addRow("yes replaces") << QMessageBox::Yes;
    QTest::addRow("no returns to the dialog, cancel keeps the file") << QMessageBox::No;
  }
  void completedNameAskedBeforeReplacing() {
    QFETCH(QMessageBox::StandardButton, answer);
    const QString path = Path(QStringLiteral("report.rtf"));
    WriteAll(path, "old");
    Messages::QueueAnswer(answer);
    SaveDialog::SetNextFileName(Path(QStringLiteral("report")));
    SaveDialog::SetNextCancel();
    SaveReport(view.get(), nullptr);

    QCOMPARE(Messages::Recorded().size(), 1);
    QCOMPARE(Messages::Recorded().first().icon, QMessageBox::Warning);
    QVERIFY(Messages::Recorded().first().text.contains(QDir::toNativeSeparators(path)));
    QCOMPARE(SaveDialog::Recorded().size(), answer == QMessageBox::Yes ? 1 : 2);
    QCOMPARE(ReadAll(path) == "old", answer == QMessageBox::No);
  }

  void cancelWritesNothing() {
    SaveDialog::SetNextCancel();
    SaveReport(view.get(), nullptr);
    QCOMPARE(SaveDialog::Recorded().size(), 1);
    QVERIFY(Entries().isEmpty());
    QVERIFY(Messages::Recorded().isEmpty());
  }

  // Within a run the dialog comes back to the folder the user last saved
  // in; a cancelled dialog leaves that as it was.
  void returnsToTheLastFolder() {
    QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("elsewhere")));
    SaveDialog::SetNextFileName(Path(QStringLiteral("elsewhere/report.rtf")));
    SaveReport(view.get(), nullptr);
    for (int i = 0; i < 2; ++i) {
      SaveDialog::SetNextCancel();
      SaveReport(view.get(), nullptr);
    }
    QCOMPARE(SaveDialog::Recorded().size(), 3);
    QCOMPARE(SaveDialog::Recorded().at(1).folder, Path(QStringLiteral("elsewhere")));
    QCOMPARE(SaveDialog::Recorded().at(2).folder, Path(QStringLiteral("elsewhere")));
    QVERIFY(Messages::Recorded().isEmpty());
  }

  void unwritablePlaceReported_data() {
    QTest::addColumn<QString>("target");
    QTest::addRow("folder missing") << "missing/report.rtf";
    QTest::addRow("name is a folder") << "folder.rtf";
#ifdef Q_OS_LINUX
    // The folder is there; it takes no new file. The reason is not "no such file".
    QTest::addRow("a folder that takes no files") << "/proc/report.rtf";
#endif
  }
  void unwritablePlaceReported() {
    QFETCH(QString, target);
    WriteAll(Path(QStringLiteral("plain-file")), "keep");
    QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("folder.rtf")));
    const QStringList before = Entries();
    const QString path = QDir::isAbsolutePath(target) ? target : Path(target);
    SaveDialog::SetNextFileName(path);
    SaveReport(view.get(), nullptr);

    QCOMPARE(Messages::Recorded().size(), 1);
    const Messages::Shown shown = Messages::Recorded().first();
    QCOMPARE(shown.icon, QMessageBox::Critical);
    // The file named, then the reason.
    const QString reason = shown.text.section("\n\n", 1).trimmed();
    QVERIFY2(shown.text.contains(QDir::toNativeSeparators(path)) && !reason.isEmpty(), qPrintable(shown.text));
    if (QDir::isAbsolutePath(target)) QVERIFY2(reason != QString::fromLocal8Bit(std::strerror(ENOENT)), qPrintable(reason));
    QCOMPARE(Entries(), before);
    QCOMPARE(ReadAll(Path(QStringLiteral("plain-file"))), QByteArray("keep"));
  }

  // The disk fills up while the new file is written: the old one stays whole.
  void failedWriteLeavesOldFileWhole() {
#ifndef Q_OS_UNIX
    QSKIP("imitating a full disk needs a POSIX file size limit");
#else
    const QString path = Path(QStringLiteral("report.rtf"));
    const QByteArray old = "{\\rtf1 the report saved last week}";
    WriteAll(path, old);
    SaveDialog::SetNextFileName(path);
    {
      const FileSizeLimit full(64);
      SaveReport(view.get(), nullptr);
    }
    QCOMPARE(Messages::Recorded().size(), 1);
    QCOMPARE(Messages::Recorded().first().icon, QMessageBox::Critical);
    QVERIFY(Messages::Recorded().first().text.contains(QDir::toNativeSeparators(path)));
    QVERIFY2(Messages::Recorded().first().text.endsWith(QStringLiteral("File too large")),
             qPrintable(Messages::Recorded().first().text));
    QCOMPARE(ReadAll(path), old);
    QCOMPARE(Entries(), QStringList{QStringLiteral("report.rtf")});  // no temporary file left behind
#endif
  }

  // The dialog offers "Selection" only when text is selected, and then prints just that.
  void prints_data() {
    QTest::addColumn<QString>("selected");
    QTest::addRow("whole report") << "";
    QTest::addRow("selection") << "mother of Horus";
  }
  void prints() {
    QFETCH(QString, selected);
    if (!selected.isEmpty()) {
      QTextCursor cursor = view->textCursor();
      const int start = int(view->toPlainText().indexOf(selected));
      cursor.setPosition(start);
      cursor.setPosition(start + int(selected.size()), QTextCursor::KeepAnchor);
      view->setTextCursor(cursor);
    }
    const QString pdf = Path(QStringLiteral("out.pdf"));
    PrintTo(pdf);
    PrintReport(view.get(), nullptr);
    QCOMPARE(PrintDialog::Recorded().size(), 1);
    QCOMPARE(PrintDialog::Recorded().first().selectionOffered, !selected.isEmpty());
    QCOMPARE(PrintDialog::Recorded().first().selectionChosen, !selected.isEmpty());
    QVERIFY(Messages::Recorded().isEmpty());
    QCOMPARE(PdfText(pdf), selected.isEmpty() ? view->toPlainText().simplified() : selected);
  }

  void printerThatCannotStartReported_data() {
    QTest::addColumn<QString>("output");
    QTest::addRow("PDF folder missing") << "missing/out.pdf";
    QTest::addRow("no destination at all") << "";
  }
  void printerThatCannotStartReported() {
    QFETCH(QString, output);
    const QString pdf = output.isEmpty() ? output : Path(output);
    PrintTo(pdf);
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    PrintReport(view.get(), nullptr);
    QCOMPARE(Messages::Recorded().size(), 1);
    QCOMPARE(Messages::Recorded().first().icon, QMessageBox::Critical);
    QVERIFY(Messages::Recorded().first().text.contains(QDir::toNativeSeparators(pdf)));
    QVERIFY(Entries().isEmpty());
  }
};

QTEST_MAIN(TestSavePrint)
#include "tst_saveprint.moc"
