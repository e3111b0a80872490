#include "platform/core/InterfaceZoom.h"

#include <QSettings>

namespace zeto {

namespace {

const char* const kKey = "interfaceZoom";

}  // namespace

int InterfaceZoom::stored(const QSettings& settings) {
    bool ok = false;
    const int percent = settings.value(QLatin1String(kKey)).toInt(&ok);
    return ok && choices().contains(percent) ? percent : 100;
}

void InterfaceZoom::store(QSettings& settings, int percent) {
    if (!choices().contains(percent)) return;
    settings.setValue(QLatin1String(kKey), percent);
    settings.sync();
}

void InterfaceZoom::applyBeforeStart(const QSettings& settings) {
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) return;
    const int percent = stored(settings);
    if (percent != 100) qputenv("QT_SCALE_FACTOR", QByteArray::number(percent / 100.0));
}

}  // namespace zeto
