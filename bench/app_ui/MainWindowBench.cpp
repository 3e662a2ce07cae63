// How long the main window takes from a committed value to the new price on
// screen, in microseconds per commit: the user types a width, presses Enter,
// and the Details page and the status bar must show the new item at once.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>

#include <memory>

#include "app/ui/FormKorvane.h"
#include "controls/ui/EntryGrid.h"
#include "controls/ui/InplaceEdit.h"
#include "costs/FittingsFiles.h"

namespace korvane {
namespace {

// One application, one window, for every benchmark of the run, on the
// offscreen platform unless a display was chosen, with throw-away settings.
struct BenchWindow {
  QTemporaryDir config;
  std::unique_ptr<QApplication> app;
  TRecordingSink messages;
  TKorvaneWorld world;
  std::unique_ptr<TFormKorvane> form;

  BenchWindow() {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY"))
      qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    static int argc = 1;
    static char name[] = "bench_app_ui";
    static char *argv[] = {name, nullptr};
    app = std::make_unique<QApplication>(argc, argv);
    QDir::setCurrent(QStringLiteral(KORVANE_STAGE_DIR "/Korvane"));
    ReadFittingsIni(world.SpiralPriceTable, KORVANE_STAGE_DIR "/Common Files/", messages, [] {});
    BuildCatalogue(world.Catalogue);
    TFormKorvaneServices services;
    services.Messages = &messages;
    services.WriteSettingsOnClose = false;
    form = std::make_unique<TFormKorvane>(world, std::move(services));
    form->show();
    form->activateWindow();
    // The editor opens only in a focused grid of the active window.
    QElapsedTimer wait;
    wait.start();
    while (!form->isActiveWindow() && wait.elapsed() < 2000)
      QApplication::processEvents(QEventLoop::AllEvents, 20);
    form->GridDimensions->setFocus();
    QApplication::processEvents();
  }
};

BenchWindow &Window() {
  static BenchWindow window;
  return window;
}

// Paints what the user sees change, now, as the event loop would right after
// the commit: the edited grid and the status bar. The Details page holds its
// new text already; it is painted when the user turns to it.
void Paint(TFormKorvane &form) {
  form.GridDimensions->viewport()->repaint();
  form.StatusPanel->repaint();
}

// The whole road of one edit: the in-place editor opens on the Width cell,
// takes the new text, Enter commits it (clean, range check, format), the
// window stores it, solves, and the Details page and status bar are painted.
void BM_WidthEditToPixels(benchmark::State &state) {
  TFormKorvane &form = *Window().form;
  form.ComboDuctType->setCurrentIndex(0);
  form.PageControl1->setCurrentIndex(0);
  TEntryGrid &grid = *form.GridDimensions;
  grid.setFocus();
  grid.FocusCell(1, 1);
  const QString widths[2] = {QStringLiteral("800"), QStringLiteral("801")};
  int i = 0;
  int throughEditor = 0;
  for (auto _ : state) {
    grid.ShowEditor();
    throughEditor += grid.EditorOpen() ? 1 : 0;
    if (!grid.EditorOpen()) {
      // Without keyboard focus (no window manager) the grid keeps its
      // editor closed; the commit path below is still the same.
      grid.SetCells(1, 1, widths[i].toStdString());
      grid.Rows().DoSetData(1, 1);
    } else {
      grid.InplaceEditor()->setText(widths[i]);
      grid.InplaceEditor()->setModified(true);
      QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
      QApplication::sendEvent(&grid, &enter);
    }
    Paint(form);
    i ^= 1;
  }
  if (!form.Memo1()->toPlainText().contains(QStringLiteral("\n80")))
    state.SkipWithError("the Details page does not show the new width");
  state.counters["via_editor"] =
      benchmark::Counter(throughEditor, benchmark::Counter::kAvgIterations);
  state.SetLabel("commit -> Details text, grid and status bar painted");
}
BENCHMARK(BM_WidthEditToPixels)->Unit(benchmark::kMicrosecond);

// A committed value stored, solved and shown, from the grid's own commit
// path. Argument 0: the texts only, nothing painted. Argument 1: the Details
// page on screen (it hides the grid), the new report laid out and painted
// with the status bar.
void BM_CommitToDetails(benchmark::State &state) {
  TFormKorvane &form = *Window().form;
  const bool paint = state.range(0) != 0;
  form.ComboDuctType->setCurrentIndex(0);
  form.PageControl1->setCurrentIndex(paint ? 2 : 0);
  TEntryGrid &grid = *form.GridDimensions;
  const std::string widths[2] = {"800", "801"};
  int i = 0;
  for (auto _ : state) {
    grid.SetCells(1, 1, widths[i]);
    grid.Rows().DoSetData(1, 1);
    if (paint) {
      form.Memo1()->viewport()->repaint();
      form.StatusPanel->repaint();
    }
    i ^= 1;
  }
  form.PageControl1->setCurrentIndex(0);
  state.SetLabel(paint ? "Details page painted" : "texts only");
}
BENCHMARK(BM_CommitToDetails)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Choosing another type in the list: new rows, their values, a solve, and
// the Dimensions page painted.
void BM_SwitchType(benchmark::State &state) {
  TFormKorvane &form = *Window().form;
  form.PageControl1->setCurrentIndex(0);
  int type = 0;
  for (auto _ : state) {
    type = (type + 1) % kTypeCount;
    form.ComboDuctType->setCurrentIndex(type);
    form.GridDimensions->viewport()->repaint();
  }
}
BENCHMARK(BM_SwitchType)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace korvane
