#pragma once

#include <QList>

class QSettings;

namespace zeto {

// The size of the whole program ("界面缩放"), for a projector or a high-density screen: Qt's
// scale factor, which must be set before the application object exists and so takes effect at
// the next start. It is the one setting kept between runs.
class InterfaceZoom {
  public:
    // The choices, in percent.
    static QList<int> choices() { return {100, 125, 150, 200}; }
    // The kept choice; 100 when none, or none of the choices, is kept.
    static int stored(const QSettings& settings);
    static void store(QSettings& settings, int percent);
    // Sets the scale factor for the application about to be made from the kept choice, unless
    // the environment already sets one.
    static void applyBeforeStart(const QSettings& settings);
};

}  // namespace zeto
