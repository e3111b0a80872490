#include "script/core/Module.h"

#include <algorithm>
#include <utility>

namespace zeto::script {

void Module::define(std::shared_ptr<const Procedure> procedure) {
    auto found = procedures_.find(procedure->key);
    if (found != procedures_.end()) {
        order_.erase(std::find(order_.begin(), order_.end(), found->second));
        found->second = procedure;
    } else {
        procedures_.emplace(procedure->key, procedure);
    }
    order_.push_back(std::move(procedure));
}

std::shared_ptr<const Procedure> Module::find(const std::string& key) const {
    auto found = procedures_.find(key);
    return found == procedures_.end() ? nullptr : found->second;
}

std::vector<std::string> Module::procedureNames() const {
    std::vector<std::string> names;
    names.reserve(order_.size());
    for (const auto& p : order_) names.push_back(p->name);
    return names;
}

Value* Module::variable(const std::string& key) {
    return const_cast<Value*>(std::as_const(*this).variable(key));
}

const Value* Module::variable(const std::string& key) const {
    if (variables_.empty()) return nullptr;
    auto found = variables_.find(key);
    return found == variables_.end() ? nullptr : &found->second;
}

void Module::addObject(const std::string& key, ScriptObject* object) {
    if (object) {
        objects_[key] = object;
    } else {
        objects_.erase(key);
    }
}

ScriptObject* Module::object(const std::string& key) const {
    if (objects_.empty()) return nullptr;
    auto found = objects_.find(key);
    return found == objects_.end() ? nullptr : found->second;
}

}  // namespace zeto::script
