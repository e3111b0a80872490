#include "script/core/ScriptHost.h"

#include "script/core/Interpreter.h"
#include "script/core/Module.h"
#include "script/core/Parser.h"
#include "script/core/ScriptError.h"

#include <cctype>
#include <new>

namespace zeto::script {

namespace {

std::string lowerCase(const std::string& s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace

struct ScriptHost::Impl {
    Module module;
    Interpreter interpreter{module};
    int timeout = 10000;
};

ScriptHost::ScriptHost() : impl_(std::make_unique<Impl>()) {}
ScriptHost::~ScriptHost() = default;

void ScriptHost::AddObject(const std::string& name, ScriptObject* object) {
    impl_->module.addObject(lowerCase(name), object);
}

void ScriptHost::AddCode(const std::string& text) {
    // Like the classic engine: the whole text compiles before anything is defined.
    define(compile(text));
}

CompiledText ScriptHost::compile(const std::string& text) {
    try {
        return Parser(text).parse();
    } catch (const std::bad_alloc&) {
        throw ScriptError::standard(VbError::OutOfMemory);
    }
}

void ScriptHost::define(const CompiledText& compiled) {
    for (const auto& procedure : compiled.procedures) impl_->module.define(procedure);
    if (compiled.module) impl_->interpreter.run(compiled.module, impl_->timeout);
}

Value ScriptHost::evaluate(const std::shared_ptr<const Procedure>& procedure, const Value* args,
                           std::size_t count, std::uint32_t resultSlot) {
    return impl_->interpreter.evaluate(procedure, args, count, resultSlot, impl_->timeout);
}

Value ScriptHost::variable(const std::string& name) const {
    const Value* value = impl_->module.variable(lowerCase(name));
    return value ? *value : Value();
}

bool ScriptHost::hasProcedure(const std::string& name) const {
    return impl_->module.hasProcedure(lowerCase(name));
}

bool ScriptHost::hasObject(const std::string& name) const {
    return impl_->module.object(lowerCase(name)) != nullptr;
}

std::vector<std::string> ScriptHost::Procedures() const {
    return impl_->module.procedureNames();
}

void ScriptHost::Run(const std::string& name) {
    std::shared_ptr<const Procedure> procedure = impl_->module.find(lowerCase(name));
    if (!procedure) throw ScriptError::standard(VbError::SubNotDefined, name);
    impl_->interpreter.run(procedure, impl_->timeout);
}

void ScriptHost::setTimeoutMs(int milliseconds) {
    impl_->timeout = milliseconds;
}
int ScriptHost::timeoutMs() const {
    return impl_->timeout;
}

std::size_t ScriptHost::procedureCount() const {
    return impl_->module.procedureCount();
}

}  // namespace zeto::script
