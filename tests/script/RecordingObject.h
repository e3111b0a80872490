#pragma once

#include "script/core/ScriptObject.h"

#include <functional>
#include <string>
#include <vector>

namespace zeto::test {

// A registered object that records every method call it receives, optionally running a
// hook inside the call (to nest runs or throw).
class RecordingObject : public script::ScriptObject {
  public:
    struct Call {
        std::string method;
        std::vector<script::Value> args;
    };

    void call(std::string_view method, const std::vector<script::Value>& args) override {
        calls.push_back({std::string(method), args});
        // A copy: a nested run may add calls while the hook runs.
        if (hook) hook(Call(calls.back()));
    }

    std::vector<Call> calls;
    std::function<void(const Call&)> hook;
};

}  // namespace zeto::test
