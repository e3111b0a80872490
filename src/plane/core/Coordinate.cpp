#include "plane/core/Coordinate.h"

#include "platform/core/NumberText.h"

namespace zeto {
namespace {

const QChar kAbout(0x2248);

}  // namespace

Coordinate Coordinate::exact(const SurdNumber& value) {
    Coordinate c;
    c.exact_ = value;
    c.value_ = value.toDouble();
    return c;
}

Coordinate Coordinate::approximate(double value) {
    Coordinate c;
    c.value_ = value == 0 ? 0 : value;  // no "-0"
    return c;
}

Coordinate Coordinate::known(double value) {
    Coordinate c = approximate(value);
    c.known_ = true;
    return c;
}

QString Coordinate::text() const {
    if (exact_) return exact_->isCompact() ? exact_->text() : kAbout + exact_->decimalText();
    return known_ ? numberText(value_) : kAbout + numberText(value_);
}

}  // namespace zeto
