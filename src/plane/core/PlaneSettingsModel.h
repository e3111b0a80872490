#pragma once

#include "plane/core/PlaneSettings.h"

#include <QObject>

namespace zeto {

// The settings as the program's one model of them: the settings window edits it; the
// coordinate window, its tools and the plotters read it.
class PlaneSettingsModel : public QObject {
    Q_OBJECT
  public:
    // What a change asks of the plane beyond taking the new values.
    enum class Effect {
        None,     // the next drawing uses the new values; the picture stays
        Redraw,   // the plane is drawn afresh, which erases the graphs on it
        Resize,   // the plane takes its new size and is drawn afresh
        Repaint,  // the plane is painted again from its record; nothing is erased
    };

    explicit PlaneSettingsModel(QObject* parent = nullptr) : QObject(parent) {}

    const PlaneSettings& value() const { return value_; }
    // Announced even when nothing differs: choosing the same colour again still redraws.
    void apply(const PlaneSettings& next, Effect effect);

  signals:
    void changed(const zeto::PlaneSettings& previous, zeto::PlaneSettingsModel::Effect effect);

  private:
    PlaneSettings value_;
};

}  // namespace zeto
