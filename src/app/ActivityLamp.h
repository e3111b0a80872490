#pragma once

#include <QObject>
#include <QPixmap>

class QLabel;
class QTimer;

namespace zeto {

class ProgramFiles;

// The lamp `CC` that blinks while a long task runs: the 50 ms timer `Timerc1` alternates the
// two lamp pictures; stopping shows the idle picture. The phase carries over between tasks,
// so a new task continues the alternation where the last one ended. The three
// pictures are read once: the timer fires twenty times a second while any task runs.
class ActivityLamp : public QObject {
    Q_OBJECT
  public:
    ActivityLamp(QLabel* lamp, const ProgramFiles& files, QObject* parent);

    void start();
    void stop();
    // One tick of `Timerc1`.
    void tick();

  private:
    QLabel* lamp_;
    int phase_ = 1;  // 1 shows the green picture next, 2 the red one
    QTimer* timer_;
    QPixmap green_;
    QPixmap red_;
    QPixmap idle_;
};

}  // namespace zeto
