#include "shell/TaskFrame.h"

#include "shell/TaskHost.h"

#include <algorithm>

namespace zeto {
namespace {

// A screen shows about sixty frames a second.
constexpr qint64 kFrameMs = 16;
// Events run at least this often while a task works.
constexpr qint64 kSliceNs = 1000000;

}  // namespace

TaskFrame::TaskFrame(TaskHost& host) : host_(host) {}

void TaskFrame::supersede(const void* owner) {
    ++generations_[owner];
}

bool TaskFrame::running(const void* owner) const {
    return std::any_of(open_.begin(), open_.end(),
                       [owner](const BusyScope* task) { return task->owner_ == owner; });
}

unsigned TaskFrame::generation(const void* owner) const {
    const auto found = generations_.find(owner);
    return found == generations_.end() ? 0 : found->second;
}

void TaskFrame::yield(bool always) {
    if (!always && sinceEvents_.isValid() && sinceEvents_.nsecsElapsed() < kSliceNs) return;
    host_.yieldToEvents();
    sinceEvents_.start();
}

void TaskFrame::open(BusyScope* task) {
    open_.push_back(task);
    host_.setStatus(task->text_);
    if (task->lamp_ && lamps_++ == 0) host_.startLamp();
}

void TaskFrame::close(BusyScope* task) {
    open_.erase(std::remove(open_.begin(), open_.end(), task), open_.end());
    // Once the program is closing its windows are going: nothing is touched any more.
    if (host_.closing()) return;
    host_.setStatus(open_.empty() ? QStringLiteral("就绪") : open_.back()->text_);
    if (task->lamp_ && --lamps_ == 0) host_.stopLamp();
}

BusyScope::BusyScope(TaskHost& host, const void* owner, const QString& busyText, Lamp lamp,
                     Policy policy)
    : host_(host), frame_(host.tasks()), owner_(owner), text_(busyText), lamp_(lamp == Lamp::On) {
    if (host.closing()) return;
    if (policy == Policy::RefuseWhileBusy && frame_.running(owner)) return;
    frame_.supersede(owner);
    generation_ = frame_.generation(owner);
    started_ = true;
    frame_.open(this);
}

BusyScope::~BusyScope() {
    if (started_) frame_.close(this);
}

bool BusyScope::live() const {
    return started_ && !host_.closing() && frame_.generation(owner_) == generation_;
}

bool BusyScope::yield() {
    if (!live()) return false;
    frame_.yield(!yielded_);
    yielded_ = true;
    return live();
}

bool BusyScope::frameDue() {
    if (frameClock_.isValid() && frameClock_.elapsed() < kFrameMs) return false;
    frameClock_.start();
    return true;
}

}  // namespace zeto
