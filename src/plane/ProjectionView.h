#pragma once

#include "plane/PlaneFrame.h"
#include "plane/core/PlaneRecord.h"

#include <QImage>
#include <QWidget>

#include <utility>
#include <vector>

class QTimer;

namespace zeto {

class CoordinateWindow;

// The plane for a projector: a window of its own, shown full screen, that paints the
// coordinate window's record at the screen's resolution, smooth, with one plane unit as long
// on both axes and the axes drawn afresh for its size. It follows the record while plots draw
// (at most once a screen frame, painting only the pieces that came since) and whenever
// entries come or go. The pointer is reported in plane units, like the surface's.
class ProjectionView : public QWidget {
    Q_OBJECT
  public:
    explicit ProjectionView(CoordinateWindow& window);
    ~ProjectionView() override;

    // Plane units to the view's logical pixels, and back.
    QPointF toPixel(double x, double y) const;
    QPointF toPlane(const QPointF& pixel) const;
    // The plane as the view paints it, in device pixels, brought up to date first.
    const QImage& picture();

  signals:
    // Button: 1 left, 2 right, 4 middle (on moves the buttons held, or 0); plane units.
    void mousePressed(int button, double x, double y);
    void mouseMoved(int button, double x, double y);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    // Asks for a picture at the next screen frame; `whole` when it must be painted afresh.
    void schedule(bool whole);
    void bringUpToDate();
    void paintWhole();
    // Paints what the record gained since the last painting; false when it changed otherwise.
    bool paintGrowth();

    CoordinateWindow& window_;
    QTimer* frameTimer_;
    QImage image_;
    double ratio_ = 1;
    PlaneFrame frame_;
    QTransform toPixel_;
    bool stale_ = true;
    // The visible entries painted so far, each with the number of its pieces painted.
    std::vector<std::pair<PlaneRecord::Id, std::size_t>> painted_;
};

}  // namespace zeto
