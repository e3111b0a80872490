#pragma once

#include "script/core/Instruction.h"
#include "script/core/Value.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zeto::script {

// A compiled procedure, immutable once built and shared by whoever runs it, so that a
// definition replaced while it runs stays alive until its run ends.
struct Procedure {
    // As written in the text, for Procedures().
    std::string name;
    // Lower case, for look-up.
    std::string key;
    // True for the statements outside any Sub: their names are the module's variables.
    bool module = false;
    std::uint32_t parameterCount = 0;
    std::vector<Instruction> code;
    std::vector<Value> constants;
    // Every name the procedure uses, lower case; the parameters come first.
    std::vector<std::string> names;
    // The same names as written, for messages.
    std::vector<std::string> spellings;
    // Names declared here (parameters and Dim) are local from the start; the others are
    // looked up as module variables and procedures before becoming implicit locals.
    std::vector<std::uint8_t> declared;
    // Method names of object calls, as written.
    std::vector<std::string> members;
};

}  // namespace zeto::script
