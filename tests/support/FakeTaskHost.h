#pragma once

#include "shell/TaskFrame.h"
#include "shell/TaskHost.h"

#include <QString>
#include <QStringList>

namespace zeto::test {

// A stand-in for what long tasks use of the main window: it records the status texts, the
// lamp's starts and stops, the completion sounds and the yields, and closes when told to.
class FakeTaskHost : public TaskHost {
  public:
    void setStatus(const QString& text) override;
    void startLamp() override;
    void stopLamp() override;
    void playCompletionSound() override { ++sounds; }
    bool yieldToEvents() override;
    bool closing() const override { return closingNow; }
    TaskFrame& tasks() override { return frame; }

    bool closingNow = false;
    TaskFrame frame{*this};
    QString status = QStringLiteral("就绪");
    QStringList statusHistory;
    bool lampRunning = false;
    int lampStarts = 0;
    int lampStops = 0;
    int sounds = 0;
    int yields = 0;
};

}  // namespace zeto::test
