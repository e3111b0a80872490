#pragma once

#include <QWidget>

namespace zeto {

class Shell;

// A window that lives as long as the program: closing it only hides it (its picture and
// settings stay), until the main window is closing down.
class PlaneWindow : public QWidget {
    Q_OBJECT
  public:
    PlaneWindow(Shell& shell, QWidget* parent);

  protected:
    void closeEvent(QCloseEvent* event) override;

    Shell& shell_;
};

}  // namespace zeto
