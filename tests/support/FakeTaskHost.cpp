#include "FakeTaskHost.h"

#include <QCoreApplication>

namespace zeto::test {

void FakeTaskHost::setStatus(const QString& text) {
    status = text;
    statusHistory.append(text);
}

void FakeTaskHost::startLamp() {
    lampRunning = true;
    ++lampStarts;
}

void FakeTaskHost::stopLamp() {
    lampRunning = false;
    ++lampStops;
}

bool FakeTaskHost::yieldToEvents() {
    ++yields;
    QCoreApplication::processEvents();
    return !closingNow;
}

}  // namespace zeto::test
