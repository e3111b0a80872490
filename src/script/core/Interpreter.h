#pragma once

#include "script/core/Module.h"
#include "script/core/Procedure.h"
#include "script/core/Randomizer.h"
#include "script/core/Value.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace zeto::script {

// Runs compiled procedures against the module. Runs may nest: a registered object's method
// may add code and run procedures on the same engine while a run is in progress; every run
// keeps the procedures it executes alive until it has finished with them.
class Interpreter {
  public:
    // Deeper procedure calls end with "Out of stack space".
    static constexpr int kMaxCallDepth = 200;

    explicit Interpreter(Module& module);

    // Runs a procedure without arguments. A run that executes for longer than timeoutMs
    // (time spent inside registered objects not counted; <= 0 for no limit) is stopped.
    void run(const std::shared_ptr<const Procedure>& procedure, int timeoutMs);
    // Runs a procedure with `count` arguments under the same time limit and gives the value
    // its name `resultSlot` holds when it returns: its local, else the module variable of that
    // name, else Empty.
    Value evaluate(const std::shared_ptr<const Procedure>& procedure, const Value* args,
                   std::size_t count, std::uint32_t resultSlot, int timeoutMs);

  private:
    using Clock = std::chrono::steady_clock;

    void execute(const Procedure& procedure, std::size_t argc, Value* result = nullptr,
                 std::uint32_t resultSlot = 0);
    Value valueOf(const Procedure& p, std::size_t frame, std::size_t flags, std::uint32_t slot);
    void load(const Procedure& p, std::size_t frame, std::size_t flags, std::uint32_t slot);
    void store(const Procedure& p, std::size_t frame, std::size_t flags, std::uint32_t slot);
    void callName(const Procedure& p, std::uint32_t slot, std::size_t argc);
    void callMethod(const Procedure& p, const Instruction& i);
    void callBuiltin(const Instruction& i);
    void checkClock();

    Module& module_;
    Randomizer random_;
    // Locals of every active frame followed by its operands.
    std::vector<Value> stack_;
    // Whether each local of the active frames is bound to the frame yet.
    std::vector<std::uint8_t> bound_;
    int depth_ = 0;
    unsigned steps_ = 0;
    bool limited_ = false;
    Clock::time_point deadline_{};

    friend class FrameGuard;
    friend class RunBudget;
};

}  // namespace zeto::script
