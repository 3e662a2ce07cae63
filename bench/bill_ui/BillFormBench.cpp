// The bill window's speed as the user feels it: milliseconds from one
// keystroke in a 1,000-line bill to the table and total painted again, and
// from opening a 100,000-line bill to its window painted (the pricing comes
// after, and is measured on its own).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>

#include <memory>
#include <string>

#include "base/FileIO.h"
#include "bill/ui/BillForm.h"
#include "desktop/ScrivelEditor.h"

namespace korvane {
namespace {

struct BenchWorld {
  QTemporaryDir dir;
  std::unique_ptr<QApplication> app;

  BenchWorld() {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY"))
      qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
    static int argc = 1;
    static char name[] = "bench_bill_ui";
    static char *argv[] = {name, nullptr};
    app = std::make_unique<QApplication>(argc, argv);
  }

  // Answers every message with OK: a benchmark has nobody to ask.
  class TQuietSink : public TMessageSink {
  public:
    TMsgResult Show(TMsgKind, TMsgButtons, const std::string &) override { return TMsgResult::Ok; }
  };
  mutable TQuietSink quiet;

  TBillServices Services() const {
    TBillServices s;
    s.ProgramDir = QStringLiteral(KORVANE_STAGE_DIR "/Korvane/");
    s.SharedDataDir = QStringLiteral(KORVANE_STAGE_DIR "/Common Files/");
    s.SettingsFile = dir.filePath(QStringLiteral("korvane.conf"));
    s.Messages = &quiet;
    return s;
  }

  // A bill of `lines` lines: entries of every common kind, a Costs line
  // naming the shipped cost file.
  QString Bill(int lines) const {
    std::string bill = "Costs = " KORVANE_STAGE_DIR "/Data Files/Default.cst\n";
    int n = 1;
    while (n < lines) {
      bill += "StraightRect (Insulation=External, InsThickness=25mm)\n\t-\t1200  600  2.400\n"
              "RadiusBend\n\t-\t1000  600  90 DEG  2\nTaper\n\t-\t1200  600  1000  600  1  1.200\n"
              "Nipple\n\t-\t500  3\n";
      n += 8;
    }
    const QString path = dir.filePath(QStringLiteral("bill%1.dct").arg(lines));
    AtomicWriteFile(path.toStdString(), bill);
    return path;
  }
};

BenchWorld &World() {
  static BenchWorld world;
  return world;
}

void Paint(TBillForm &form) {
  form.Editor()->viewport()->repaint();
  form.Table()->viewport()->repaint();
  form.TotalLabel()->repaint();
}

void BM_RepriceAfterKeystroke(benchmark::State &state) {
  BenchWorld &world = World();
  TBillForm form(world.Services());
  form.LoadFile(world.Bill(1000));
  form.show();
  form.Reprice();
  QApplication::processEvents();
  // Typing a digit after the last number off and taking it out again.
  const int line = form.Editor()->lines() - 2; // "\t-\t500  3"
  bool typed = false;
  for (auto _ : state) {
    if (!typed) {
      form.Editor()->setCursorPosition(line, 9);
      form.Editor()->insert(QStringLiteral("1"));
    } else {
      form.Editor()->setSelection(line, 9, line, 10);
      form.Editor()->removeSelectedText();
    }
    typed = !typed;
    form.Reprice();
    Paint(form);
  }
  state.counters["priced_lines"] = static_cast<double>(form.Job().Rows().size());
  state.SetLabel("ms from the edit to table and total painted");
  form.Editor()->setModified(false);
}
BENCHMARK(BM_RepriceAfterKeystroke)->Unit(benchmark::kMillisecond);

void BM_OpenLargeBillToPaint(benchmark::State &state) {
  BenchWorld &world = World();
  const QString path = world.Bill(100000);
  for (auto _ : state) {
    TBillForm form(world.Services());
    form.LoadFile(path);
    form.show();
    form.repaint(); // the window on screen; pricing is still to come
    state.PauseTiming();
    form.Reprice();
    form.Editor()->setModified(false);
    state.ResumeTiming();
  }
  state.SetLabel("ms from open to the window painted, 100,000 lines");
}
BENCHMARK(BM_OpenLargeBillToPaint)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_PriceLargeBill(benchmark::State &state) {
  BenchWorld &world = World();
  TBillForm form(world.Services());
  form.LoadFile(world.Bill(100000));
  form.show();
  for (auto _ : state) {
    form.Reprice();
    Paint(form);
  }
  state.counters["priced_lines"] = static_cast<double>(form.Job().Rows().size());
  state.SetLabel("ms to price 100,000 lines and show them");
  form.Editor()->setModified(false);
}
BENCHMARK(BM_PriceLargeBill)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
} // namespace korvane
