#include "FakeShell.h"

#include "plane/Form3.h"
#include "plane/Form4.h"
#include "platform/DrawingSurface.h"
#include "script/core/ScriptHost.h"

#include <QCoreApplication>

namespace zeto::test {

FakeShell::FakeShell() {
    main.setObjectName(QStringLiteral("Form1"));
}

FakeShell::~FakeShell() {
    state.EXITZETO = true;
    form3_.reset();
    form4_.reset();
}

void FakeShell::setStatus(const QString& text) {
    status = text;
    statusHistory.append(text);
}

void FakeShell::startLamp() {
    lampRunning = true;
    ++lampStarts;
}

void FakeShell::stopLamp() {
    lampRunning = false;
    ++lampStops;
}

bool FakeShell::yieldToEvents() {
    ++yields;
    QCoreApplication::processEvents();
    return !state.EXITZETO;
}

Form4& FakeShell::form4() {
    if (!form4_) form4_ = std::make_unique<Form4>(*this);
    return *form4_;
}

Form3& FakeShell::form3() {
    if (!form3_) {
        form4();
        state.bl = 2;
        form3_ = std::make_unique<Form3>(*this);
        form3_->surface().setDrawWidth(2);
    }
    return *form3_;
}

script::ScriptHost& FakeShell::scriptHost() {
    if (!host_) host_ = std::make_unique<script::ScriptHost>();
    return *host_;
}

void FakeShell::showWindow(QWidget* window) {
    window->show();
    window->raise();
}

}  // namespace zeto::test
