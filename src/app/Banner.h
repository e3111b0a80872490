#pragma once

#include <QObject>
#include <QPixmap>

class QLabel;
class QTimer;

namespace zeto {

class ProgramFiles;

// The banner picture, alternated every 5 s by the timer `Timer1` for the whole run.
class Banner : public QObject {
    Q_OBJECT
  public:
    Banner(QLabel* picture, const ProgramFiles& files, QObject* parent);

    // One tick of `Timer1`.
    void tick();

  private:
    QLabel* picture_;
    QTimer* timer_;
    QPixmap first_;
    QPixmap second_;
    int phase_ = 0;
};

}  // namespace zeto
