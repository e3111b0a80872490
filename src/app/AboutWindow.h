#pragma once

#include <QWidget>

namespace zeto {

class ProgramFiles;

// The about window "关于ZETO". "确定" destroys it; the main window creates it anew when
// it is asked for again.
class AboutWindow : public QWidget {
    Q_OBJECT
  public:
    AboutWindow(const ProgramFiles& files, QWidget* parent = nullptr);
};

}  // namespace zeto
