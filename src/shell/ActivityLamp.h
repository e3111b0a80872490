#pragma once

#include <QObject>

class QLabel;
class QTimer;

namespace zeto {

class ProgramFiles;

// The lamp `CC` that blinks while a long task runs: the 50 ms timer `Timerc1` alternates the
// two lamp pictures; stopping shows the idle picture. The phase `Cci` carries over between
// tasks, so a new task continues the alternation where the last one ended.
class ActivityLamp : public QObject {
    Q_OBJECT
  public:
    ActivityLamp(QLabel* lamp, int& phase, const ProgramFiles& files, QObject* parent);

    void start();
    void stop();
    // One tick of `Timerc1`.
    void tick();

  private:
    QLabel* lamp_;
    int& phase_;
    const ProgramFiles& files_;
    QTimer* timer_;
};

}  // namespace zeto
