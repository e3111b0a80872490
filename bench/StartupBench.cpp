// Start-up of the main window: its load steps (settings and coordinate windows, first plane,
// panel configurations) up to the window shown. Run: build/bench/StartupBench
#include "BenchPlatform.h"
#include "app/MainWindow.h"
#include "plane/SettingsWindow.h"
#include "platform/AppFont.h"
#include "tools/SequencePage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

void showMainWindow(zeto::Platform& platform) {
    zeto::MainWindow mainWindow(platform);
    mainWindow.show();
    QCoreApplication::processEvents();
    benchmark::DoNotOptimize(&mainWindow);
}

void BM_MainWindowShown(benchmark::State& state) {
    BenchPlatform desktop;
    zeto::Platform& platform = desktop.platform;
    for (auto _ : state) showMainWindow(platform);
}
BENCHMARK(BM_MainWindowShown)->Unit(benchmark::kMillisecond);

// The whole 100-term preview of "N^2+N+2" as the page runs it: generated texts through the
// hidden script box, the engine, and the list filled by the callback.
void BM_UserDefinedPreviewOnThePage(benchmark::State& state) {
    BenchPlatform desktop;
    zeto::Platform& platform = desktop.platform;
    zeto::MainWindow mainWindow(platform);
    mainWindow.findChild<zeto::SequencePage*>()->selectKind(QStringLiteral("自定义数列"));
    auto* preview = mainWindow.findChild<QPushButton*>(QStringLiteral("Command15"));
    auto* list = mainWindow.findChild<QListWidget*>(QStringLiteral("SLEXP"));
    for (auto _ : state) {
        preview->click();
        if (list->count() != 100) state.SkipWithError("preview did not list 100 terms");
    }
}
BENCHMARK(BM_UserDefinedPreviewOnThePage)->Unit(benchmark::kMillisecond);

// The arithmetic preview as the user sees it: the page in front, a yield after every term.
// Its cost must grow with the number of terms, not with its square.
void BM_ArithmeticPreviewOnThePage(benchmark::State& state) {
    BenchPlatform desktop;
    zeto::Platform& platform = desktop.platform;
    zeto::MainWindow mainWindow(platform);
    mainWindow.show();
    mainWindow.findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentIndex(5);
    const int terms = static_cast<int>(state.range(0));
    mainWindow.settingsWindow()
        .findChild<QLineEdit*>(QStringLiteral("SLYLN"))
        ->setText(QString::number(terms));
    auto* preview = mainWindow.findChild<QPushButton*>(QStringLiteral("Command15"));
    auto* list = mainWindow.findChild<QListWidget*>(QStringLiteral("SLEXP"));
    for (auto _ : state) {
        preview->click();
        QCoreApplication::processEvents();
        if (list->count() != terms) state.SkipWithError("preview did not list every term");
    }
}
BENCHMARK(BM_ArithmeticPreviewOnThePage)
    ->Arg(100)
    ->Arg(2000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QElapsedTimer cold;
    cold.start();
    QApplication app(argc, argv);
    zeto::applyAppFont();
    {
        BenchPlatform desktop;
        showMainWindow(desktop.platform);
    }
    // The first window of a fresh process pays for fonts, styles and plugins: that is the cold
    // start.
    std::printf("cold start (application + first main window shown): %.1f ms\n",
                cold.nsecsElapsed() / 1e6);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
