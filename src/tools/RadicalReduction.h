#pragma once

#include "tools/core/RadicalReducer.h"

#include <optional>

namespace zeto {

class TaskHost;

// The square-root simplification the radical and equation pages share, as a short task:
// shows "计算中...", lets pending events run once, and ends with "就绪" and the completion
// sound. Returns nothing, having touched nothing more, when the program started closing or
// the page `owner` started a newer run or cleared its result during the pending events.
std::optional<Radical> reduceRadical(TaskHost& host, const void* owner, double value);
// The same for a whole number of any size, as the equation page's discriminants are.
std::optional<WholeRadical> reduceRadical(TaskHost& host, const void* owner,
                                          const mpz_class& value);

}  // namespace zeto
