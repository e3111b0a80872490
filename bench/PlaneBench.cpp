// Time of one full redraw of the coordinate plane (grid, axes, ticks and labels), the work
// every settings change and every "清空坐标" costs.

#include "SilentDialogs.h"
#include "plane/CoordinateWindow.h"
#include "plane/SettingsWindow.h"
#include "platform/Dialogs.h"
#include "platform/DrawingSurface.h"
#include "platform/core/ProgramFiles.h"
#include "shell/SharedState.h"
#include "shell/Shell.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>

#include <memory>
#include <optional>
#include <stdexcept>

namespace {

// Just enough of a main window for the two plane windows.
class PlaneShell : public zeto::Shell {
  public:
    PlaneShell() {
        settingsWindow_ = std::make_unique<zeto::SettingsWindow>(*this);
        coordinateWindow_ = std::make_unique<zeto::CoordinateWindow>(*this);
    }
    ~PlaneShell() override {
        state_.EXITZETO = true;
        coordinateWindow_.reset();
        settingsWindow_.reset();
    }

    zeto::SharedState& shared() override { return state_; }
    zeto::Dialogs& dialogs() override { return dialogs_; }
    const zeto::ProgramFiles& files() const override { return files_; }
    QWidget* mainWidget() override { return nullptr; }
    void setStatus(const QString&) override {}
    QString statusText() const override { return {}; }
    void startLamp() override {}
    void stopLamp() override {}
    void soundout() override {}
    bool yieldToEvents() override { return true; }
    bool closing() const override { return false; }
    zeto::CoordinateWindow& coordinateWindow() override { return *coordinateWindow_; }
    zeto::SettingsWindow& settingsWindow() override { return *settingsWindow_; }
    zeto::script::ScriptHost& scriptHost() override { throw std::logic_error("no engine"); }
    void showWindow(QWidget*) override {}
    void openHelp() override {}

  private:
    zeto::SharedState state_;
    SilentDialogs dialogs_;
    zeto::ProgramFiles files_;
    std::unique_ptr<zeto::SettingsWindow> settingsWindow_;
    std::unique_ptr<zeto::CoordinateWindow> coordinateWindow_;
};

void BM_XYGridAndLabelsL20(benchmark::State& state) {
    PlaneShell shell;
    shell.settingsWindow().findChild<QCheckBox*>(QStringLiteral("opnet"))->setChecked(true);
    shell.shared().sl = 20;
    for (auto _ : state) {
        shell.coordinateWindow().XY();
        benchmark::DoNotOptimize(shell.coordinateWindow().surface().image().constBits());
    }
}
BENCHMARK(BM_XYGridAndLabelsL20)->Unit(benchmark::kMillisecond);

void BM_SegmentAcrossPlane(benchmark::State& state) {
    PlaneShell shell;
    zeto::DrawingSurface& surface = shell.coordinateWindow().surface();
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
