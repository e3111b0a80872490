// Time of one full redraw of the coordinate plane (grid, axes, ticks and labels), the work
// every settings change and every "清空坐标" costs.

#include "SilentDialogs.h"
#include "plane/CoordinateWindow.h"
#include "plane/PlaneHost.h"
#include "plane/PlaneWindows.h"
#include "plane/SettingsWindow.h"
#include "platform/DrawingSurface.h"
#include "platform/core/ProgramFiles.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>

namespace {

// Just enough of a program for the two plane windows.
class Host : public zeto::PlaneHost {
  public:
    bool closing() const override { return false; }
    zeto::Dialogs& dialogs() override { return dialogs_; }
    const zeto::ProgramFiles& files() const override { return files_; }
    void openHelp() override {}
    zeto::BgrColor pointColor() const override { return 0x0000FF; }
    void minimiseMainWindow() override {}

  private:
    SilentDialogs dialogs_;
    zeto::ProgramFiles files_;
};

void BM_XYGridAndLabelsL20(benchmark::State& state) {
    Host host;
    zeto::PlaneWindows windows(host);
    windows.settings().findChild<QCheckBox*>(QStringLiteral("opnet"))->setChecked(true);
    windows.settings().setAxisLength(20);
    for (auto _ : state) {
        windows.plane().XY();
        benchmark::DoNotOptimize(windows.plane().surface().image().constBits());
    }
}
BENCHMARK(BM_XYGridAndLabelsL20)->Unit(benchmark::kMillisecond);

void BM_SegmentAcrossPlane(benchmark::State& state) {
    Host host;
    zeto::PlaneWindows windows(host);
    zeto::DrawingSurface& surface = windows.plane().surface();
    double x = -10;
    for (auto _ : state) {
        surface.line(x, -3, x + 0.01, 3, 0xFF0000);
        x = x > 10 ? -10 : x + 0.01;
    }
}
BENCHMARK(BM_SegmentAcrossPlane)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
