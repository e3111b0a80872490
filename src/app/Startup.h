#pragma once

#include <memory>

namespace zeto {

class MainWindow;
class SingleInstance;
struct Platform;

// Starts the program: refuses a second instance with "程序已运行" before any window exists,
// otherwise builds the main window (its load steps run) and shows it. Returns nothing when
// this instance must end.
std::unique_ptr<MainWindow> startZeto(Platform& platform, SingleInstance& instance);

}  // namespace zeto
