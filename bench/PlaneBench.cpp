// Time of one full redraw of the coordinate plane (grid, axes, ticks and labels), the work
// every settings change and every "清空坐标" costs; of the export of the largest plane; and of
// one pointer move with the read-out and the line tool's rubber band, painted.

#include "SilentDialogs.h"
#include "functions/core/FunctionKind.h"
#include "plane/CoordinateWindow.h"
#include "plane/PlaneHost.h"
#include "plane/PlaneTools.h"
#include "plane/PlaneWindows.h"
#include "plane/SettingsWindow.h"
#include "plane/core/PlotInputs.h"
#include "platform/DrawingSurface.h"
#include "platform/ImageExport.h"
#include "platform/core/ProgramFiles.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>

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

void BM_PlaneGridAndLabelsL20(benchmark::State& state) {
    Host host;
    zeto::PlaneWindows windows(host);
    windows.settingsWindow().findChild<QCheckBox*>(QStringLiteral("opnet"))->setChecked(true);
    zeto::PlaneSettings wide = windows.settings();
    wide.axisLength = 20;
    windows.model().apply(wide, zeto::PlaneSettingsModel::Effect::None);
    for (auto _ : state) {
        windows.plane().drawAxes();
        benchmark::DoNotOptimize(windows.plane().surface().image().constBits());
    }
}
BENCHMARK(BM_PlaneGridAndLabelsL20)->Unit(benchmark::kMillisecond);

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

// The size option "大" with grid and labels: the biggest picture the export ever writes.
void BM_ExportLargestPlane(benchmark::State& state, const char* name) {
    Host host;
    zeto::PlaneWindows windows(host);
    windows.settingsWindow().findChild<QCheckBox*>(QStringLiteral("opnet"))->setChecked(true);
    windows.settingsWindow().findChild<QRadioButton*>(QStringLiteral("Option3"))->click();
    const QImage& picture = windows.plane().surface().image();
    state.SetLabel(std::to_string(picture.width()) + "x" + std::to_string(picture.height()));
    QTemporaryDir folder;
    const QString file = folder.filePath(QString::fromLatin1(name));
    for (auto _ : state) {
        if (!zeto::writeImageFile(picture, file)) state.SkipWithError("export failed");
    }
}
BENCHMARK_CAPTURE(BM_ExportLargestPlane, png, "plane.png")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExportLargestPlane, jpeg, "plane.jpg")->Unit(benchmark::kMillisecond);

// The line tool waits for its second point, so every move also drags the rubber band; the
// window is shown and each move is painted before the next.
void BM_PointerMoveWithRubberBand(benchmark::State& state) {
    Host host;
    zeto::PlaneWindows windows(host);
    zeto::CoordinateWindow& window = windows.plane();
    zeto::DrawingSurface& surface = window.surface();
    window.show();
    window.findChild<QToolButton*>(QStringLiteral("Opline"))->click();
    window.findChild<zeto::PlaneTools*>()->pointerPressed(1, -5, -5);
    int step = 0;
    for (auto _ : state) {
        const QPointF at(100 + step % 300, 80 + (step * 7) % 300);
        QMouseEvent move(QEvent::MouseMove, at, surface.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(&surface, &move);
        QCoreApplication::processEvents();
        ++step;
    }
}
BENCHMARK(BM_PointerMoveWithRubberBand)->Unit(benchmark::kMicrosecond);

// The page's fields as a plot reads them, fixed, and yields that never stop it.
class FixedInputs : public zeto::PlotInputs {
  public:
    explicit FixedInputs(std::array<QString, 3> texts) : texts_(std::move(texts)) {}
    std::array<QString, 3> coefficientTexts() override { return texts_; }
    zeto::BgrColor color() override { return 0xFF0000; }
    bool yield() override { return true; }

  private:
    std::array<QString, 3> texts_;
};

// The finest point-method quadratic (15,916 points) on the largest plane, painted afresh from
// the record: what a hidden graph, a slider step or a projection re-render costs at most.
void BM_RepaintFinestQuadraticFromRecord(benchmark::State& state) {
    Host host;
    zeto::PlaneWindows windows(host);
    windows.settingsWindow().findChild<QRadioButton*>(QStringLiteral("Option3"))->click();
    zeto::CoordinateWindow& plane = windows.plane();
    const zeto::FunctionKind& quadratic =
        *zeto::FunctionCatalogue::find(zeto::GraphKind::Quadratic);
    zeto::GraphPlan plan;
    plan.lineMethod = false;
    plan.pointStep = zeto::toSingle(3.1415926535 / 5000);
    {
        std::unique_ptr<zeto::PlotRecording> recording = plane.beginPlot({});
        FixedInputs inputs({"1", "1", "1"});
        quadratic.plot(quadratic, plan, *recording, inputs);
    }
    const auto& pieces = plane.record().entries().front().pieces;
    state.SetLabel(std::to_string(pieces.size()) + " points, " +
                   std::to_string(plane.surface().image().width()) + "x" +
                   std::to_string(plane.surface().image().height()));
    for (auto _ : state) {
        plane.repaintFromRecord();
        benchmark::DoNotOptimize(plane.surface().image().constBits());
    }
}
BENCHMARK(BM_RepaintFinestQuadraticFromRecord)->Unit(benchmark::kMillisecond);

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
