#include "plane/core/PlaneSettingsModel.h"

namespace zeto {

void PlaneSettingsModel::apply(const PlaneSettings& next, Effect effect) {
    const PlaneSettings previous = value_;
    value_ = next;
    emit changed(previous, effect);
}

}  // namespace zeto
