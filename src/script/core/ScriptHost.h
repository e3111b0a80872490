#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace zeto::script {

class ScriptObject;

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

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace zeto::script
