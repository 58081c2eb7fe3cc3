// Painting the pattern grid with Qt's painter, offscreen: a whole
// 1920 x 1080 view of a zone with every cell painted, as one repaint while
// scrolling; and clearing every zone after one was filled completely.
// A repaint must stay well inside the 8.3 ms of a 120 Hz frame.
#include <QApplication>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "app/entry.h"
#include "app/form2.h"
#include "platform/scripted_dialog_host.h"
#include "platform/toolkit.h"
#include "qt/painter_canvas.h"

namespace {

constexpr int kViewWidth = 1920, kViewHeight = 1080;

// The headless main window with its grid sized to a full-screen view.
struct Window {
  explicit Window(int model, int lamps) {
    hl::prepareApplication(app);
    form = hl::createMainForm(app, hl::FormEnvironment{folder, folder});
    form->ComboBox6->userSelect(model);
    form->ComboBox4->userSelect(lamps - 1);
    form->StringGrid1->setBounds(0, 0, kViewWidth, kViewHeight);
  }
  // Every cell of the grid holds a value of its own, so each cell changes the brush.
  void fillEveryCell(int (*valueOf)(int column, int row)) {
    const hl::TStringGrid& grid = *form->StringGrid1;
    for (int row = hl::kFirstChannelRow; row < grid.rowCount(); ++row)
      for (int column = hl::kFirstFrameColumn; column < grid.colCount(); ++column)
        form->project.setCell(form->project.currentZone, row, column, valueOf(column, row));
  }

  std::string folder = (std::filesystem::temp_directory_path() / "hueloom-bench").string();
  hl::VirtualClock clock;
  hl::ScriptedDialogHost dialogs;
  hl::Application app{clock, dialogs};
  std::unique_ptr<hl::TForm2> form;
};

void paintViews(benchmark::State& state, Window& window) {
  QImage image(kViewWidth, kViewHeight, QImage::Format_RGB32);
  const QFont font("Tahoma", 8);
  hl::TStringGrid& grid = *window.form->StringGrid1;
  for (auto _ : state) {
    QPainter painter(&image);
    hl::qt::QPainterCanvas canvas(painter, font);
    grid.paint(canvas, hl::TRect{0, 0, kViewWidth, kViewHeight});
    painter.end();
    benchmark::DoNotOptimize(image.constBits());
  }
}

// Model 0 with 200 lamps: 203 rows, 968 frame columns; the view shows about 116 x 67 cells.
void BM_PaintFullColourView(benchmark::State& state) {
  Window window(0, 200);
  window.fillEveryCell([](int column, int row) { return ((column * 37) & 0xFF) | ((row * 11) & 0xFF) << 8 | 0x400000; });
  window.form->StringGrid1->setLeftCol(300);  // scrolled into the middle of the pattern
  window.form->StringGrid1->setTopRow(60);
  paintViews(state, window);
}
BENCHMARK(BM_PaintFullColourView)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(10)->ReportAggregatesOnly(true);

// Model 11 with 50 lamps, zone 1: brightness levels drawn as numbers on shades.
void BM_PaintLevelView(benchmark::State& state) {
  Window window(11, 50);
  window.fillEveryCell([](int column, int row) { return 1 + (column * 7 + row * 3) % 255; });
  paintViews(state, window);
}
BENCHMARK(BM_PaintLevelView)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(10)->ReportAggregatesOnly(true);

// "Clear all" after one zone's whole store (1030 x 20500 cells) was written.
void BM_ClearAllAfterFillingOneZone(benchmark::State& state) {
  Window window(0, 1);
  for (auto _ : state) {
    state.PauseTiming();
    window.form->project.fillCells(0, 0, hl::kStoreRows - 1, 0, hl::kStoreColumns - 1, 0x00FFFFFF);
    state.ResumeTiming();
    window.form->BitBtn3->click();
  }
}
BENCHMARK(BM_ClearAllAfterFillingOneZone)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qtApp(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
