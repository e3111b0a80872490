// The plane painted afresh for other targets, from a record of three graphs on the widest
// plane with its grid (sl = 20): the default custom formula by lines, the quadratic point by
// point at the finest fineness, and the first hyperbola by lines. Projected at 1920 x 1080,
// smooth and plain (the ratio of the two is the price of smooth lines; a projection's full
// repaint must stay within two screen frames, 33 ms), and written as SVG and as PDF (each with
// the file's size).
//
//   QT_QPA_PLATFORM=offscreen build/bench/PictureBench

#include "BenchPlatform.h"
#include "app/MainWindow.h"
#include "plane/CoordinateWindow.h"
#include "plane/PlanePage.h"
#include "plane/PlanePicture.h"
#include "plane/SettingsWindow.h"
#include "plane/VectorExport.h"
#include "platform/AppFont.h"
#include "platform/DrawingSurface.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFocusEvent>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <memory>

namespace {

// The program with the three graphs drawn.
class Program {
  public:
    Program() : window_(std::make_unique<zeto::MainWindow>(desktop_.platform)) {
        zeto::SettingsWindow& settings = window_->settingsWindow();
        settings.findChild<QCheckBox*>(QStringLiteral("opnet"))->setChecked(true);
        auto* length = settings.findChild<QLineEdit*>(QStringLiteral("txtsl"));
        length->setText(QStringLiteral("20"));
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(length, &out);
        QCoreApplication::processEvents();

        auto* lines = settings.findChild<QRadioButton*>(QStringLiteral("Oplxf"));
        auto* points = settings.findChild<QRadioButton*>(QStringLiteral("Opmdf"));
        lines->setChecked(true);
        plotFunction(QStringLiteral("自定义函数"));
        points->setChecked(true);
        settings.selectFineness(QStringLiteral("狂高(狂慢)"));
        plotFunction(QStringLiteral("二次函数"));
        lines->setChecked(true);
        auto* curves = window_->findChild<QComboBox*>(QStringLiteral("qusort"));
        curves->setCurrentText(QStringLiteral("双曲线1"));
        emit curves->activated(curves->currentIndex());
        window_->findChild<QLineEdit*>(QStringLiteral("QXS1"))->setText(QStringLiteral("3"));
        window_->findChild<QLineEdit*>(QStringLiteral("QXS2"))->setText(QStringLiteral("4"));
        window_->findChild<QPushButton*>(QStringLiteral("Command8"))->click();
        QCoreApplication::processEvents();
    }
    zeto::CoordinateWindow& plane() { return window_->coordinateWindow(); }

  private:
    void plotFunction(const QString& kind) {
        auto* list = window_->findChild<QComboBox*>(QStringLiteral("fsort"));
        list->setCurrentText(kind);
        emit list->activated(list->currentIndex());
        window_->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
        QCoreApplication::processEvents();
    }

    BenchPlatform desktop_;
    std::unique_ptr<zeto::MainWindow> window_;
};

Program& program() {
    static Program* p = new Program;
    return *p;
}

// The whole repaint of the projection view on a 1920 x 1080 screen.
void BM_ProjectionRepaint1920x1080(benchmark::State& state, bool smooth) {
    zeto::CoordinateWindow& plane = program().plane();
    const QSize screen(1920, 1080);
    QImage image(screen, QImage::Format_RGB32);
    zeto::PlaneFrame frame = zeto::PlaneFrame::fitted(
        QRectF(QPointF(0, 0), QSizeF(screen)), plane.settings().axisLength, 0.02 * 1080, screen,
        zeto::PlanePicture::meanUnit(plane.surface().toPixelTransform()));
    frame.smooth = smooth;
    const zeto::PlaneRenderer renderer(plane.settings(), plane.surface().font());
    std::size_t pieces = 0;
    for (const auto* layer : plane.record().visibleLayers()) pieces += layer->size();
    state.SetLabel(std::to_string(plane.record().plotCount()) + " graphs, " +
                   std::to_string(pieces) + " pieces");
    for (auto _ : state) {
        QPainter p(&image);
        p.fillRect(image.rect(), Qt::white);
        renderer.paint(p, frame, plane.record().visibleLayers());
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK_CAPTURE(BM_ProjectionRepaint1920x1080, smooth, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ProjectionRepaint1920x1080, plain, false)->Unit(benchmark::kMillisecond);

void BM_Export(benchmark::State& state, const char* name) {
    const zeto::PlanePicture picture = program().plane().picture();
    QTemporaryDir folder;
    const QString file = folder.filePath(QString::fromLatin1(name));
    for (auto _ : state)
        if (!zeto::VectorExport::write(picture, file, 1)) state.SkipWithError("export failed");
    state.counters["bytes"] = static_cast<double>(QFileInfo(file).size());
}
BENCHMARK_CAPTURE(BM_Export, svg, "plane.svg")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Export, pdf, "plane.pdf")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zeto::applyAppFont();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
