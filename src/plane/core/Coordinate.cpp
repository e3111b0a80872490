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
    if (exact_) {
        if (exact_->isCompact()) return exact_->text();
        // Beyond the range of doubles the decimal has no text form either.
        const QString decimal = exact_->decimalText();
        return kAbout + (decimal.isEmpty() ? numberText(value_) : decimal);
    }
    return known_ ? numberText(value_) : kAbout + numberText(value_);
}

}  // namespace zeto
