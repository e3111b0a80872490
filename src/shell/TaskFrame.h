#pragma once

#include <QElapsedTimer>
#include <QString>

#include <unordered_map>
#include <vector>

namespace zeto {

class BusyScope;
class TaskHost;

// Keeps the long tasks that run at a time: a task yields to the event loop, and the events it
// lets run may start another task, which ends before the first one resumes. The frame shows
// the busy text of the innermost task and keeps the lamp blinking while any task wants it,
// and tells a task when the program is closing or a newer run of its owner has taken over.
class TaskFrame {
  public:
    explicit TaskFrame(TaskHost& host);

    // The tasks running for `owner` stop at their next yield (a page's "清空").
    void supersede(const void* owner);
    bool running(const void* owner) const;

  private:
    friend class BusyScope;

    void open(BusyScope* task);
    void close(BusyScope* task);
    unsigned generation(const void* owner) const;
    // Lets pending events run unless they ran less than a slice ago and `always` is false.
    void yield(bool always);

    TaskHost& host_;
    std::vector<BusyScope*> open_;  // innermost last
    std::unordered_map<const void*, unsigned> generations_;
    int lamps_ = 0;
    QElapsedTimer sinceEvents_;
};

// One long task, from its start to its end: sets the busy text (and starts the lamp) when it
// opens and restores the outer task's text, or "就绪" and the idle lamp, when it closes.
class BusyScope {
  public:
    enum class Lamp { Off, On };
    enum class Policy {
        TakeOver,         // a new run of the same owner replaces one still running
        RefuseWhileBusy,  // a new run is refused while one of the same owner runs
    };

    BusyScope(TaskHost& host, const void* owner, const QString& busyText, Lamp lamp = Lamp::On,
              Policy policy = Policy::TakeOver);
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

    // False when the task was refused; it must then do nothing at all.
    bool started() const { return started_; }
    // The task may go on: it started, the program is not closing and no newer run of its
    // owner has taken over.
    bool live() const;
    // Lets pending window events run; returns live(). Tasks yield after every step, but
    // letting events run costs more than drawing a point, so it happens only once a slice
    // of a millisecond has passed since events last ran: the window still answers at once,
    // edits count from the next step on, and a plot costs about what its drawing costs.
    // A task's first yield always lets events run.
    bool yield();
    // True at most once per screen frame: the moment to show what the task has produced
    // since the last frame, so that showing it never costs more than the screen can use.
    bool frameDue();

  private:
    friend class TaskFrame;

    TaskHost& host_;
    TaskFrame& frame_;
    const void* owner_;
    QString text_;
    bool lamp_;
    bool started_ = false;
    bool yielded_ = false;
    unsigned generation_ = 0;
    QElapsedTimer frameClock_;
};

}  // namespace zeto
