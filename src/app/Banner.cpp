#include "app/Banner.h"

#include "platform/Picture.h"
#include "platform/core/ProgramFiles.h"

#include <QLabel>
#include <QTimer>

namespace zeto {

Banner::Banner(QLabel* picture, const ProgramFiles& files, QObject* parent)
    : QObject(parent),
      picture_(picture),
      timer_(new QTimer(parent)),
      first_(loadPicture(files.path(QStringLiteral("\\data\\sl.kvt")))),
      second_(loadPicture(files.path(QStringLiteral("\\data\\sl2.kvt")))) {
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(5000);
    connect(timer_, &QTimer::timeout, this, &Banner::tick);
    timer_->start();
}

void Banner::tick() {
    if (phase_ == 0) {
        showPicture(picture_, second_);
        phase_ = 1;
    } else {
        showPicture(picture_, first_);
        phase_ = 0;
    }
}

}  // namespace zeto
