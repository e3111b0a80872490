#include "script/core/ScriptHost.h"

#include "platform/core/VbError.h"

// Placeholder until the interpreter lands: every operation fails as a syntax error.
namespace zeto::script {

struct ScriptHost::Impl {
    int timeout = 10000;
};

ScriptHost::ScriptHost() : impl_(std::make_unique<Impl>()) {}
ScriptHost::~ScriptHost() = default;
void ScriptHost::AddObject(const std::string&, ScriptObject*) {}
void ScriptHost::AddCode(const std::string&) { throw VbError(VbError::SyntaxError, "Syntax error"); }
std::vector<std::string> ScriptHost::Procedures() const { return {}; }
void ScriptHost::Run(const std::string&) { throw VbError(VbError::SyntaxError, "Syntax error"); }
void ScriptHost::setTimeoutMs(int milliseconds) { impl_->timeout = milliseconds; }
int ScriptHost::timeoutMs() const { return impl_->timeout; }

}  // namespace zeto::script
