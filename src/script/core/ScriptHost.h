#pragma once

#include <memory>
#include <string>
#include <vector>

namespace zeto::script {

class ScriptObject;

// The expression engine as the program uses it: objects are registered by name, procedure
// texts are added to one module that lives as long as the host, and procedures run by name.
// Every error is raised as a VbError (a ScriptError with its position for syntax errors).
class ScriptHost {
public:
    ScriptHost();
    ~ScriptHost();
    ScriptHost(const ScriptHost&) = delete;
    ScriptHost& operator=(const ScriptHost&) = delete;

    // The object stays owned by the caller and must outlive the host.
    void AddObject(const std::string& name, ScriptObject* object);
    // Parses the text and defines its procedures, each replacing an earlier one of the same
    // name and then listed last.
    void AddCode(const std::string& text);
    // Names of the defined procedures, the most recently added last.
    std::vector<std::string> Procedures() const;
    // Runs a procedure to its end; every callback it makes has completed on return.
    void Run(const std::string& name);

    void setTimeoutMs(int milliseconds);
    int timeoutMs() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace zeto::script
