#include "plane/core/CoefficientReader.h"

#include "platform/core/NumberText.h"

namespace zeto {

const CoefficientReader::Values& CoefficientReader::read(const Texts& texts) {
    for (std::size_t k = 0; k < texts.size(); ++k) {
        if (read_ && texts[k] == texts_[k]) continue;
        texts_[k] = texts[k];
        values_[k] = leadingNumber(texts[k]);
    }
    read_ = true;
    return values_;
}

}  // namespace zeto
