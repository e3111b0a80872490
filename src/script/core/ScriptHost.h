#pragma once

#include "script/core/Value.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace zeto::script {

class ScriptObject;
struct CompiledText;
struct Procedure;

// The expression engine as the program uses it: objects are registered by name, procedure
// texts are added to one module that lives as long as the host, and procedures run by name.
// Every error is raised as a VbError: the engine's own as a ScriptError carrying the line and
// column where it arose, those of registered objects as they were thrown.
class ScriptHost {
  public:
    ScriptHost();
    ~ScriptHost();
    ScriptHost(const ScriptHost&) = delete;
    ScriptHost& operator=(const ScriptHost&) = delete;

    // The object stays owned by the caller and must outlive the host.
    void AddObject(const std::string& name, ScriptObject* object);
    // Compiles the whole text (a text with a syntax error defines nothing), defines its
    // procedures, each replacing an earlier one of the same name and then listed last, and
    // then runs the statements that stand outside any procedure.
    void AddCode(const std::string& text);
    // Names of the defined procedures, the most recently added last.
    std::vector<std::string> Procedures() const;
    // Runs a procedure to its end; every callback it makes has completed on return.
    void Run(const std::string& name);

    // Longest time a run may execute script code (time inside registered objects is not
    // counted); <= 0 for no limit. The default is 10000 ms.
    void setTimeoutMs(int milliseconds);
    int timeoutMs() const;

    // Number of defined procedures (what Procedures().size() gives, without the copy).
    std::size_t procedureCount() const;

    // Compiles a whole text as AddCode does, without defining anything yet.
    static CompiledText compile(const std::string& text);
    // What AddCode does once the text has compiled: defines the procedures, then runs the
    // statements outside them. The caller may keep running the procedures it holds.
    void define(const CompiledText& compiled);
    // Runs a procedure with arguments under the run time limit and gives the value its name
    // `resultSlot` holds at the end (a local, else the module variable, else Empty).
    Value evaluate(const std::shared_ptr<const Procedure>& procedure, const Value* args,
                   std::size_t count, std::uint32_t resultSlot);
    // A module variable's current value (any letter case), Empty when there is none.
    Value variable(const std::string& name) const;
    bool hasProcedure(const std::string& name) const;
    bool hasObject(const std::string& name) const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace zeto::script
