#include "app/ActivityLamp.h"

#include "platform/Picture.h"
#include "platform/core/ProgramFiles.h"

#include <QLabel>
#include <QTimer>

namespace zeto {

ActivityLamp::ActivityLamp(QLabel* lamp, const ProgramFiles& files, QObject* parent)
    : QObject(parent),
      lamp_(lamp),
      timer_(new QTimer(parent)),
      green_(loadPicture(files.path(QStringLiteral("\\DATA\\G.kvt")))),
      red_(loadPicture(files.path(QStringLiteral("\\DATA\\R.kvt")))),
      idle_(loadPicture(files.path(QStringLiteral("\\DATA\\N.kvt")))) {
    timer_->setObjectName(QStringLiteral("Timerc1"));
    timer_->setInterval(50);
    connect(timer_, &QTimer::timeout, this, &ActivityLamp::tick);
}

void ActivityLamp::start() {
    timer_->start();
}

void ActivityLamp::stop() {
    timer_->stop();
    showPicture(lamp_, idle_);
}

void ActivityLamp::tick() {
    if (phase_ == 1) showPicture(lamp_, green_);
    if (phase_ == 2) showPicture(lamp_, red_);
    if (phase_ == 2)
        phase_ = 1;
    else
        phase_ += 1;
}

}  // namespace zeto
