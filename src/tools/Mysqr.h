#pragma once

#include "tools/core/RadicalReducer.h"

#include <optional>

namespace zeto {

class Shell;

// The main window's square-root simplification, shared by the radical and equation pages:
// shows the busy status, lets pending events run once, stores m and r in the shared
// variables sqrm and sqrn, and ends with "就绪" and the completion sound. Returns nothing,
// having touched nothing more, when the program started closing or the page `owner` started
// a newer run or cleared its result during the pending events.
std::optional<Radical> mysqr(Shell& shell, const void* owner, double value);
// The same for a whole number of any size, as the equation page's discriminants are.
std::optional<WholeRadical> mysqr(Shell& shell, const void* owner, const mpz_class& value);

}  // namespace zeto
