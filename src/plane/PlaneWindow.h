#pragma once

#include <QWidget>

namespace zeto {

class PlaneHost;

// A window that lives as long as the program: closing it only hides it (its picture and
// settings stay), until the main window is closing down.
class PlaneWindow : public QWidget {
    Q_OBJECT
  public:
    PlaneWindow(PlaneHost& host, QWidget* parent);

  protected:
    void closeEvent(QCloseEvent* event) override;

    PlaneHost& host_;
};

}  // namespace zeto
