#pragma once

#include "script/core/Value.h"

#include <string_view>
#include <vector>

namespace zeto::script {

// An object registered with the engine under a name; scripts call its methods by name.
class ScriptObject {
  public:
    virtual ~ScriptObject() = default;
    // `method` is matched without regard to letter case. Unknown methods throw
    // VbError(ObjectDoesNotSupport); errors thrown here reach the caller of Run.
    virtual void call(std::string_view method, const std::vector<Value>& args) = 0;
};

}  // namespace zeto::script
