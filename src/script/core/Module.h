#pragma once

#include "script/core/Procedure.h"
#include "script/core/Value.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace zeto::script {

class ScriptObject;

// The engine's one module: the defined procedures in the order they were last defined,
// the module-level variables and the registered objects, all found by lower-case name.
class Module {
  public:
    // Defines or replaces a procedure and lists it last.
    void define(std::shared_ptr<const Procedure> procedure);
    std::shared_ptr<const Procedure> find(const std::string& key) const;
    bool hasProcedure(const std::string& key) const { return procedures_.count(key) != 0; }
    // Procedure names as written, the most recently defined last.
    std::vector<std::string> procedureNames() const;
    std::size_t procedureCount() const { return order_.size(); }

    // A module-level variable, or null.
    Value* variable(const std::string& key);
    const Value* variable(const std::string& key) const;
    Value& declare(const std::string& key) { return variables_[key]; }
    bool hasVariables() const { return !variables_.empty(); }

    void addObject(const std::string& key, ScriptObject* object);
    ScriptObject* object(const std::string& key) const;

  private:
    std::vector<std::shared_ptr<const Procedure>> order_;
    std::unordered_map<std::string, std::shared_ptr<const Procedure>> procedures_;
    std::unordered_map<std::string, Value> variables_;
    std::unordered_map<std::string, ScriptObject*> objects_;
};

}  // namespace zeto::script
