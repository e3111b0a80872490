// Plots end to end on the function page (button press to idle, every yield included) beside
// the bare work they cannot avoid: the engine's evaluation of the samples and the drawing of
// the same segments or points straight onto the surface. The ratio of the two is the cost of
// the page, the busy frame and the yields.
//
//   QT_QPA_PLATFORM=offscreen build/bench/PlotBench
//   xvfb-run -a build/bench/PlotBench          (a real X server; QT_QPA_PLATFORM unset)

#include "BenchPlatform.h"
#include "app/MainWindow.h"
#include "plane/CoordinateWindow.h"
#include "plane/PlaneTools.h"
#include "plane/SettingsWindow.h"
#include "platform/AppFont.h"
#include "platform/DrawingSurface.h"
#include "script/core/CompiledFormula.h"
#include "script/core/LiteralValue.h"
#include "script/core/ScriptHost.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

// The program with its main window shown on the function page.
class Program {
  public:
    Program() {
        window_ = std::make_unique<zeto::MainWindow>(desktop_.platform);
        window_->show();
        window_->findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentIndex(1);
        QCoreApplication::processEvents();
    }
    zeto::MainWindow& window() { return *window_; }

    void selectKind(const QString& kind) {
        auto* list = window_->findChild<QComboBox*>(QStringLiteral("fsort"));
        list->setCurrentText(kind);
        emit list->activated(list->currentIndex());
    }
    void pointMethod(const QString& fineness) {
        zeto::SettingsWindow& settings = window_->settingsWindow();
        settings.findChild<QRadioButton*>(QStringLiteral("Opmdf"))->setChecked(true);
        settings.selectFineness(fineness);
    }
    void plot() {
        window_->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
        QCoreApplication::processEvents();
    }
    void selectCurve(const QString& curve, const QString& a, const QString& b) {
        auto* list = window_->findChild<QComboBox*>(QStringLiteral("qusort"));
        list->setCurrentText(curve);
        emit list->activated(list->currentIndex());
        window_->findChild<QLineEdit*>(QStringLiteral("QXS1"))->setText(a);
        window_->findChild<QLineEdit*>(QStringLiteral("QXS2"))->setText(b);
    }
    void plotCurve() {
        window_->findChild<QPushButton*>(QStringLiteral("Command8"))->click();
        QCoreApplication::processEvents();
    }
    void lineMethod() {
        window_->settingsWindow()
            .findChild<QRadioButton*>(QStringLiteral("Oplxf"))
            ->setChecked(true);
    }
    void axisLength(int sl) {
        auto* box = window_->settingsWindow().findChild<QLineEdit*>(QStringLiteral("txtsl"));
        box->setText(QString::number(sl));
        // The box takes its value when it loses the focus.
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(box, &out);
        QCoreApplication::processEvents();
    }
    void clearPlane() { window_->clearPlane(); }
    zeto::DrawingSurface& surface() { return window_->coordinateWindow().surface(); }

  private:
    BenchPlatform desktop_;
    std::unique_ptr<zeto::MainWindow> window_;
};

Program& program() {
    static Program* p = new Program;
    return *p;
}

void onThePage(benchmark::State& state, const QString& kind) {
    Program& p = program();
    p.selectKind(kind);
    for (auto _ : state) {
        p.plot();
        state.PauseTiming();
        p.clearPlane();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

// The default custom plot: "X+1/X" over -5..5, 1910 samples.
void BM_CustomPlotOnThePage(benchmark::State& state) {
    program().window().settingsWindow().findChild<QRadioButton*>("Oplxf")->setChecked(true);
    onThePage(state, QStringLiteral("自定义函数"));
}
BENCHMARK(BM_CustomPlotOnThePage)->Unit(benchmark::kMillisecond);

// The work the custom plot cannot avoid: the compiled formula at both ends of every sample,
// and the segments drawn straight onto the surface.
void BM_CustomPlotBare(benchmark::State& state) {
    Program& p = program();
    zeto::script::ScriptHost host;
    const float step = zeto::toSingle(3.1415926535 / 600);
    for (auto _ : state) {
        const auto formula = zeto::script::CompiledFormula::function(host, QStringLiteral("X+1/X"));
        for (float x = -5.0f; x <= 5.0f; x = zeto::toSingle(x + step)) {
            const zeto::script::Value at = zeto::script::literalValueOf(x, 7);
            const double y = formula.evaluate(at).toNumber();
            const double y1 =
                formula.evaluate(zeto::script::literalValueOf(static_cast<double>(x) + 0.01, 15))
                    .toNumber();
            if (y > 20 || y < -20) continue;
            const double drawn = at.toNumber();
            p.surface().line(zeto::toSingle(drawn), zeto::toSingle(y), zeto::toSingle(drawn + 0.01),
                             zeto::toSingle(y1), 0xFF0000);
        }
        state.PauseTiming();
        p.clearPlane();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CustomPlotBare)->Unit(benchmark::kMillisecond);

// y = x^2 + x + 1, the quadratic with the page's default coefficients.
double quadratic(double x) {
    return x * x + x + 1;
}

void BM_QuadraticLinesOnThePage(benchmark::State& state) {
    program().window().settingsWindow().findChild<QRadioButton*>("Oplxf")->setChecked(true);
    onThePage(state, QStringLiteral("二次函数"));
}
BENCHMARK(BM_QuadraticLinesOnThePage)->Unit(benchmark::kMillisecond);

void BM_QuadraticLinesBare(benchmark::State& state) {
    Program& p = program();
    for (auto _ : state) {
        for (double x = -5; x <= 5; x += 0.01)
            p.surface().line(x, quadratic(x), x + 0.01, quadratic(x + 0.01), 0xFF0000);
        state.PauseTiming();
        p.clearPlane();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_QuadraticLinesBare)->Unit(benchmark::kMillisecond);

void BM_QuadraticFinestPointsOnThePage(benchmark::State& state) {
    program().pointMethod(QStringLiteral("狂高(狂慢)"));
    onThePage(state, QStringLiteral("二次函数"));
}
BENCHMARK(BM_QuadraticFinestPointsOnThePage)->Unit(benchmark::kMillisecond);

void BM_QuadraticFinestPointsBare(benchmark::State& state) {
    Program& p = program();
    const double step = zeto::toSingle(3.1415926535 / 5000);
    for (auto _ : state) {
        for (double x = -5; x <= 5; x += step) p.surface().pset(x, quadratic(x), 0xFF0000);
        state.PauseTiming();
        p.clearPlane();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_QuadraticFinestPointsBare)->Unit(benchmark::kMillisecond);

void curveOnThePage(benchmark::State& state) {
    Program& p = program();
    for (auto _ : state) {
        p.plotCurve();
        state.PauseTiming();
        p.clearPlane();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

// The first hyperbola a = 3, b = 4 on the widest plane (sl = 20): about 3,400 steps of two
// segments each.
void BM_HyperbolaLinesSl20OnThePage(benchmark::State& state) {
    Program& p = program();
    p.lineMethod();
    p.axisLength(20);
    p.selectCurve(QStringLiteral("双曲线1"), QStringLiteral("3"), QStringLiteral("4"));
    curveOnThePage(state);
    p.axisLength(10);
}
BENCHMARK(BM_HyperbolaLinesSl20OnThePage)->Unit(benchmark::kMillisecond);

double hyperbola(double x) {
    return 4 * std::sqrt(std::max(x * x / 9 - 1, 0.0));
}

void BM_HyperbolaLinesSl20Bare(benchmark::State& state) {
    Program& p = program();
    p.axisLength(20);
    for (auto _ : state) {
        for (double x = -20; x <= -3.001; x += 0.01) {
            p.surface().line(x, hyperbola(x), x + 0.01, hyperbola(x + 0.01), 0xFF0000);
            p.surface().line(x, -hyperbola(x), x + 0.01, -hyperbola(x + 0.01), 0xFF0000);
        }
        for (double x = 3; x <= 20; x += 0.01) {
            p.surface().line(x, hyperbola(x), x + 0.01, hyperbola(x + 0.01), 0xFF0000);
            p.surface().line(x, -hyperbola(x), x + 0.01, -hyperbola(x + 0.01), 0xFF0000);
        }
        state.PauseTiming();
        p.clearPlane();
        state.ResumeTiming();
    }
    p.axisLength(10);
}
BENCHMARK(BM_HyperbolaLinesSl20Bare)->Unit(benchmark::kMillisecond);

// The ellipse a = 5, b = 3 point by point at the finest fineness: about 15,900 point pairs.
void BM_EllipseFinestPointsOnThePage(benchmark::State& state) {
    Program& p = program();
    p.pointMethod(QStringLiteral("狂高(狂慢)"));
    p.selectCurve(QStringLiteral("椭圆"), QStringLiteral("5"), QStringLiteral("3"));
    curveOnThePage(state);
}
BENCHMARK(BM_EllipseFinestPointsOnThePage)->Unit(benchmark::kMillisecond);

void BM_EllipseFinestPointsBare(benchmark::State& state) {
    Program& p = program();
    const double step = zeto::toSingle(3.1415926535 / 5000);
    for (auto _ : state) {
        for (double x = -5; x <= 5; x += step) {
            const double y = 3 * std::sqrt(std::max(1 - x * x / 25, 0.0));
            p.surface().pset(x, y, 0xFF0000);
            p.surface().pset(x, -y, 0xFF0000);
        }
        state.PauseTiming();
        p.clearPlane();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_EllipseFinestPointsBare)->Unit(benchmark::kMillisecond);

// One step of a slider: from the value typed into the first slider's field to the plane
// painted again on the screen, for a graph drawn by the line method on a shown window.
void sliderSteps(benchmark::State& state, const QString& kind, const QString& formula,
                 const QString& first, int axisLength) {
    Program& p = program();
    p.lineMethod();
    p.axisLength(axisLength);
    p.clearPlane();
    p.selectKind(kind);
    const auto field = [&](const char* name) {
        return p.window().findChild<QLineEdit*>(QLatin1String(name));
    };
    field("zy1")->setText(QString::number(-axisLength));
    field("zy2")->setText(QString::number(axisLength));
    field("zdyjxs")->setText(formula);
    field("XS1")->setText(first);
    field("XS2")->setText(QStringLiteral("1"));
    field("XS3")->setText(QStringLiteral("1"));
    p.plot();
    zeto::CoordinateWindow& plane = p.window().coordinateWindow();
    plane.show();
    if (!plane.panelShown()) plane.findChild<QToolButton*>(QStringLiteral("Cmdlist"))->click();
    plane.findChild<QListWidget*>(QStringLiteral("lstgraphs"))->setCurrentRow(0);
    auto* value = plane.findChild<QDoubleSpinBox*>(QStringLiteral("sldv1"));
    QCoreApplication::processEvents();
    int step = 0;
    for (auto _ : state) {
        value->setValue(value->minimum() + 1 + (step++ % 40) * 0.1);
        plane.repaint();
    }
    plane.findChild<QToolButton*>(QStringLiteral("Cmdlist"))->click();
    plane.hide();
    p.clearPlane();
    field("zy1")->setText(QStringLiteral("-5"));
    field("zy2")->setText(QStringLiteral("5"));
    p.axisLength(10);
}

void BM_SliderStepQuadraticLines(benchmark::State& state) {
    sliderSteps(state, QStringLiteral("二次函数"), QString(), QStringLiteral("1"), 10);
}
BENCHMARK(BM_SliderStepQuadraticLines)->Unit(benchmark::kMillisecond);

void BM_SliderStepFormulaWithALetter(benchmark::State& state) {
    sliderSteps(state, QStringLiteral("自定义函数"), QStringLiteral("X+1/X+A"), QString(), 10);
}
BENCHMARK(BM_SliderStepFormulaWithALetter)->Unit(benchmark::kMillisecond);

void BM_SliderStepSineSl20(benchmark::State& state) {
    sliderSteps(state, QStringLiteral("正弦函数"), QString(), QStringLiteral("1"), 20);
}
BENCHMARK(BM_SliderStepSineSl20)->Unit(benchmark::kMillisecond);

// One pointer move over a plane with a graph to trace, the read-out and marker painted.
void BM_PointerMoveWithTrace(benchmark::State& state) {
    Program& p = program();
    p.lineMethod();
    p.selectKind(QStringLiteral("二次函数"));
    p.plot();
    zeto::CoordinateWindow& plane = p.window().coordinateWindow();
    plane.show();
    zeto::PlaneTools& tools = *plane.findChild<zeto::PlaneTools*>();
    int step = 0;
    for (auto _ : state) {
        const double x = -2 + (step++ % 400) * 0.01;
        tools.pointerMoved(0, x, x * x + x + 1.05);
        QCoreApplication::processEvents();
    }
    plane.hide();
    p.clearPlane();
}
BENCHMARK(BM_PointerMoveWithTrace)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    zeto::applyAppFont();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
