#pragma once

#include <QString>

namespace zeto {

class TaskFrame;

// What long tasks need of the main window: the status line, the activity lamp, the completion
// sound, turns of the event loop, and whether the program is closing.
class TaskHost {
  public:
    virtual ~TaskHost() = default;

    virtual void setStatus(const QString& text) = 0;
    virtual void startLamp() = 0;
    // Stops the lamp's timer and shows its idle picture.
    virtual void stopLamp() = 0;
    virtual void playCompletionSound() = 0;

    // Lets pending window events run. Returns false once the program is closing down: a
    // long task must then return at once without touching any window again.
    virtual bool yieldToEvents() = 0;
    virtual bool closing() const = 0;
    // The long tasks running now; every task opens a BusyScope on it.
    virtual TaskFrame& tasks() = 0;
};

}  // namespace zeto
