// In-process timings of the moment that matters: the button press up to the
// report window shown with both reports composed, and the parts it is made
// of (sign look-up, report composition, RTF writing). Each figure is the
// median of many runs, printed beside its target.
#include "app/frmmain.h"
#include "ui/messages.h"
#include "app/windows.h"
#include "app/wiring.h"
#include "astro/calendar.h"
#include "astro/catalogue.h"
#include "report/composer.h"
#include "report/frmdisplay.h"
#include "report/reportview.h"
#include "report/rtfwriter.h"
#include "support/child.h"
#include "ui/look.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

// CPU time of the whole process (every thread), in milliseconds: unlike the
// wall clock, other programs busy on the same cores do not inflate it.
double CpuMs() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double Median(std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  const std::size_t mid = samples.size() / 2;
  return samples.size() % 2 == 1 ? samples[mid] : (samples[mid - 1] + samples[mid]) / 2;
}

// Runs `prepare` untimed and `work` timed, `runs` times; milliseconds each.
std::vector<double> Sample(int runs, const std::function<void()>& prepare, const std::function<void()>& work) {
  std::vector<double> samples;
  samples.reserve(static_cast<std::size_t>(runs));
  for (int i = 0; i < runs; ++i) {
    prepare();
    QElapsedTimer timer;
    timer.start();
    work();
    samples.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
  }
  return samples;
}

void Report(const char* what, double ms) { std::printf("  %-44s %8.3f ms\n", what, ms); }

// Wall clock and CPU time side by side; a target is judged on CPU time.
void Report(const char* what, double wallMs, double cpuMs, const char* target = nullptr, double limitMs = 0) {
  std::printf("  %-44s %8.3f ms   cpu %8.3f ms", what, wallMs, cpuMs);
  if (target != nullptr) std::printf("   target %s (cpu)  %s", target, cpuMs <= limitMs ? "met" : "MISSED");
  std::printf("\n");
}

// About 10 kB of ordinary words, as if a whole page were pasted into a name box.
QString PastedText() {
  const QString words = QStringLiteral("Lorem ipsum dolor sit amet, consectetur adipiscing elit, sed do eiusmod "
                                       "tempor incididunt ut labore et dolore magna aliqua. ");
  QString text;
  while (text.size() < 10240) text += words;
  text.truncate(10240);
  return text;
}

struct PressTimes {
  double first;       // the very first press: cold caches, pictures decoded
  double shown;       // median: press until the report window is shown
  double shownCpu;    // the same in CPU time
  double painted;     // median: press until the report window's first paint
  double paintedCpu;  // the same in CPU time
};

// Presses Command1 with the given names, over and over. Before each press the
// report window is unloaded, so every press loads it anew. `idleBetween`:
// unloaded by Back, and the user takes longer than the program needs to
// build the next report window ahead; otherwise unloaded by deleting it,
// with nothing built ahead, so the press builds the window itself.
PressTimes MeasurePress(FrmMain* input, const QString& name, const QString& partner, int runs, bool idleBetween) {
  Child<QLineEdit>(input, "txtName")->setText(name);
  Child<QLineEdit>(input, "txtPartnerName")->setText(partner);
  Child<QComboBox>(input, "cmbDate")->setCurrentIndex(6);    // 7 January
  Child<QComboBox>(input, "cmbMonth")->setCurrentIndex(0);
  Child<QComboBox>(input, "cmbPartnerDate")->setCurrentIndex(14);  // 15 August
  Child<QComboBox>(input, "cmbPartnerMonth")->setCurrentIndex(7);
  auto* button = input->findChild<QPushButton*>(QStringLiteral("Command1"));

  auto unload = [input, idleBetween] {
    if (FrmDisplay* report = Windows::ReportIfLoaded()) {
      if (idleBetween)
        Child<QPushButton>(report, "cmdBack")->click();
      else
        delete report;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    input->show();
    QCoreApplication::processEvents();
    if (!idleBetween) {
      Windows::ResetForTests();  // drops a window built ahead
      return;
    }
    Windows::PrepareNextReport();
    while (!Windows::NextReportReady()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  };

  std::vector<double> shown;
  std::vector<double> shownCpu;
  std::vector<double> painted;
  std::vector<double> paintedCpu;
  double first = -1;
  for (int i = 0; i < runs; ++i) {
    unload();
    const double cpuStart = CpuMs();
    QElapsedTimer timer;
    timer.start();
    button->click();
    const double atShown = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    const double cpuShown = CpuMs() - cpuStart;
    FrmDisplay* report = Windows::ReportIfLoaded();
    if (report == nullptr || !report->isVisible()) {
      std::fputs("bench_compute: the report window was not shown\n", stderr);
      std::exit(1);
    }
    // Deliver the expose and paint that the show queued.
    QCoreApplication::processEvents();
    const double atPainted = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    const double cpuPainted = CpuMs() - cpuStart;
    if (first < 0) {
      first = atShown;
      continue;
    }
    shown.push_back(atShown);
    shownCpu.push_back(cpuShown);
    painted.push_back(atPainted);
    paintedCpu.push_back(cpuPainted);
  }
  unload();
  return {first, Median(shown), Median(shownCpu), Median(painted), Median(paintedCpu)};
}

// The offscreen platform warns on every fixed-size window shown; that is
// noise here, anything else is passed on.
QtMessageHandler previousHandler = nullptr;

void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains(QLatin1String("propagateSizeHints"))) return;
  if (previousHandler != nullptr)
    previousHandler(type, context, message);
  else
    std::fprintf(stderr, "%s\n", qUtf8Printable(qFormatLogMessage(type, context, message)));
}

}  // namespace

int main(int argc, char* argv[]) {
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  QApplication app(argc, argv);
  InstallWindowLook();
  // An optional press count, small for runs under a profiler.
  const int presses = argc > 1 ? qMax(3, QByteArray(argv[1]).toInt()) : 101;
  previousHandler = qInstallMessageHandler(QuietHandler);
  Messages::StartRecording();  // a refused input would otherwise wait for a click

  WireWindows();
  Windows::ShowMain();
  FrmMain* input = Windows::MainIfLoaded();
  QCoreApplication::processEvents();

  std::puts("Compute command (Command1 pressed, report window loaded, both reports composed):");
  const PressTimes plain =
      MeasurePress(input, QStringLiteral("Cleopatra"), QStringLiteral("Mark Antony"), presses, true);
  Report("first press (cold)", plain.first);
  Report("press -> report shown (median)", plain.shown, plain.shownCpu);
  Report("press -> report painted (median)", plain.painted, plain.paintedCpu, "<= 5 ms", 5);
  const PressTimes cold =
      MeasurePress(input, QStringLiteral("Cleopatra"), QStringLiteral("Mark Antony"), qMax(3, presses / 3), false);
  Report("... nothing built ahead: painted (median)", cold.painted, cold.paintedCpu);
  const QString pasted = PastedText();
  const PressTimes big = MeasurePress(input, pasted, pasted, qMax(3, presses / 3), true);
  Report("10 kB names: press -> report shown (median)", big.shown, big.shownCpu);
  Report("10 kB names: press -> report painted (median)", big.painted, big.paintedCpu);
  if (!Messages::Recorded().isEmpty()) {
    std::fprintf(stderr, "bench_compute: unexpected message: %s\n", qUtf8Printable(Messages::Recorded().first().text));
    return 1;
  }

  std::puts("Engine and writer:");
  volatile int found = 0;
  const auto sweep = Sample(
      2001, [] {},
      [&found] {
        for (std::int16_t month = 0; month < 12; ++month)
          for (std::int16_t day = 0; day < 31; ++day)
            if (FindSign(month, day)) found = found + 1;
      });
  Report("FindSign over all 366 accepted dates", Median(sweep));

  ReportView view;
  const SignRecord isis = FillSignRecord(SignName::Isis);
  const QString caption = QStringLiteral("Isis");
  const auto compose = Sample(
      301, [&view] { view.clear(); },
      [&view, &caption, &isis] { ComposeReport(view, UserTitleHeading, caption, isis); });
  Report("one report composed into a view", Median(compose));

  QByteArray rtf;
  const auto write = Sample(301, [] {}, [&view, &rtf] { rtf = DocumentToRtf(*view.document()); });
  Report("RTF writer on that report", Median(write));
  std::printf("  (report: %lld characters, RTF: %lld bytes)\n", static_cast<long long>(view.toPlainText().size()),
              static_cast<long long>(rtf.size()));

  // As the shutdown does: no window comes back while the others go.
  Windows::MarkShutdownBegun();
  for (QWidget* window : Windows::InLoadOrder()) delete window;
  return 0;
}
