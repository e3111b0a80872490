#pragma once

#include "script/core/Procedure.h"

#include <memory>
#include <vector>

namespace zeto::script {

// What one added text defines: its procedures in text order, and the statements outside
// them (null when there are none).
struct CompiledText {
    std::vector<std::shared_ptr<const Procedure>> procedures;
    std::shared_ptr<const Procedure> module;
};

}  // namespace zeto::script
