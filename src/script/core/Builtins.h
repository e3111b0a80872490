#pragma once

#include "script/core/Value.h"

#include <cstddef>
#include <string_view>

namespace zeto::script {

class Randomizer;

// The functions every script can call. They are the only things a script reaches besides
// the registered objects: none of them touches files, processes or other objects.
class Builtins {
  public:
    // The function named `name` (any letter case), or -1.
    static int find(std::string_view name);
    static const char* name(int id);
    static bool acceptsCount(int id, std::size_t count);
    // Calls function `id`; the argument count must have been accepted.
    static Value call(int id, const Value* args, std::size_t count, Randomizer& random);
};

}  // namespace zeto::script
