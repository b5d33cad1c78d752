// Grid windows: laying out a table of 200 lines and 9 columns in the real grid control, and inserting
// (Ctrl+Ins) and deleting (Ctrl+Del) a line in it, each of which rebuilds the whole table.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QWidget>

#include <memory>
#include <string>

#include "grids/cell_engine.h"
#include "platform/gui/qt_grid.h"
#include "platform/scripted_platform.h"

namespace {

using namespace pave;

constexpr int kLines = 200;
constexpr int kCols = 9;   // the label column and eight data columns

QApplication& App() {
  static int argc = 1;
  static char name[] = "grid_bench";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

// A table whose cells are numbers of the data set, as a grid window shows them.
class BenchTable : public GridTable {
 public:
  explicit BenchTable(GridControl& grid) : grid_(grid) {}
  void Setup(int rows) override {
    grid_.SetCols(kCols);
    grid_.SetRows(rows);
    for (int c = 0; c < kCols; ++c) grid_.SetColWidth(c, 1000);
    for (int c = 0; c < kCols; ++c) grid_.SetText(0, c, "Column " + std::to_string(c));
    for (int i = 1; i < rows; ++i) {
      grid_.SetText(i, 0, std::to_string(i));
      for (int c = 1; c < kCols; ++c) grid_.SetText(i, c, " " + std::to_string(i * 10 + c) + ".25");
    }
    grid_.FitHeaders();
    grid_.SetRow(rows > 1 ? 1 : 0);
    grid_.SetCol(1);
  }
  std::optional<Value> Shown(int line, int col) const override { return Value(line * 10 + col + 0.25); }
  int Capacity() const override { return CellEngine::kBufferLines; }

 private:
  GridControl& grid_;
};

struct Window {
  Window() {
    App();
    form = std::make_unique<QWidget>();
    form->resize(640, 420);
    grid = new QtGrid(form.get());
    grid->setGeometry(8, 24, 620, 150);
    auto* box = new QLineEdit(form.get());
    box->hide();
    editor = std::make_unique<QtCellEditor>(*box);
    table = std::make_unique<BenchTable>(*grid);
    engine = std::make_unique<CellEngine>(*grid, *editor, *table, EngineStyle{});
    form->show();
  }
  ScriptedPlatform platform;
  std::unique_ptr<QWidget> form;
  QtGrid* grid = nullptr;
  std::unique_ptr<QtCellEditor> editor;
  std::unique_ptr<BenchTable> table;
  std::unique_ptr<CellEngine> engine;
};

void BM_OpenGrid200x9(benchmark::State& state) {
  for (auto _ : state) {
    Window w;
    w.engine->Start(kLines);
    benchmark::DoNotOptimize(w.grid->Rows());
  }
}
BENCHMARK(BM_OpenGrid200x9)->Unit(benchmark::kMillisecond);

void BM_CtrlIns200x9(benchmark::State& state) {
  Window w;
  w.engine->Start(kLines);
  w.grid->SetRow(kLines / 2);
  for (auto _ : state) {
    w.engine->InsertLine();
    state.PauseTiming();
    w.engine->DeleteLine();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_CtrlIns200x9)->Unit(benchmark::kMillisecond);

void BM_CtrlDel200x9(benchmark::State& state) {
  Window w;
  w.engine->Start(kLines);
  w.grid->SetRow(kLines / 2);
  for (auto _ : state) {
    w.engine->DeleteLine();
    state.PauseTiming();
    w.engine->InsertLine();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_CtrlDel200x9)->Unit(benchmark::kMillisecond);

}  // namespace
