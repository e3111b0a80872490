#include "script/core/Interpreter.h"

#include "script/core/Builtins.h"
#include "script/core/Operators.h"
#include "script/core/ScriptError.h"
#include "script/core/ScriptObject.h"

#include <utility>

namespace zeto::script {

namespace {

// The clock is read once every so many steps: often enough to stop a runaway script
// promptly, rarely enough to cost nothing measurable.
constexpr unsigned kStepsPerClockCheck = 256;

}  // namespace

// Restores the stacks and the call depth when a frame ends, normally or by an error.
class FrameGuard {
  public:
    FrameGuard(Interpreter& interpreter, std::size_t stackBase, std::size_t boundBase)
        : interpreter_(interpreter), stackBase_(stackBase), boundBase_(boundBase) {
        ++interpreter_.depth_;
    }
    ~FrameGuard() {
        interpreter_.stack_.resize(stackBase_);
        interpreter_.bound_.resize(boundBase_);
        --interpreter_.depth_;
    }
    FrameGuard(const FrameGuard&) = delete;
    FrameGuard& operator=(const FrameGuard&) = delete;

  private:
    Interpreter& interpreter_;
    std::size_t stackBase_;
    std::size_t boundBase_;
};

// Gives a run its own time budget for as long as it lives; when a nested run ends, the outer
// one goes on with its own.
class RunBudget {
  public:
    RunBudget(Interpreter& interpreter, int timeoutMs)
        : interpreter_(interpreter),
          limited_(interpreter.limited_),
          deadline_(interpreter.deadline_) {
        interpreter_.limited_ = timeoutMs > 0;
        if (interpreter_.limited_) {
            interpreter_.deadline_ =
                Interpreter::Clock::now() + std::chrono::milliseconds(timeoutMs);
        }
    }
    ~RunBudget() {
        interpreter_.limited_ = limited_;
        interpreter_.deadline_ = deadline_;
    }
    RunBudget(const RunBudget&) = delete;
    RunBudget& operator=(const RunBudget&) = delete;

  private:
    Interpreter& interpreter_;
    bool limited_;
    Interpreter::Clock::time_point deadline_;
};

Interpreter::Interpreter(Module& module) : module_(module) {
    stack_.reserve(256);
    bound_.reserve(256);
}

void Interpreter::run(const std::shared_ptr<const Procedure>& procedure, int timeoutMs) {
    const RunBudget budget(*this, timeoutMs);
    std::shared_ptr<const Procedure> keep = procedure;
    if (keep->parameterCount != 0)
        throw ScriptError::standard(VbError::WrongArgumentCount, keep->name);
    execute(*keep, 0);
}

Value Interpreter::evaluate(const std::shared_ptr<const Procedure>& procedure, const Value* args,
                            std::size_t count, std::uint32_t resultSlot, int timeoutMs) {
    const RunBudget budget(*this, timeoutMs);
    std::shared_ptr<const Procedure> keep = procedure;
    if (keep->parameterCount != count)
        throw ScriptError::standard(VbError::WrongArgumentCount, keep->name);
    const std::size_t base = stack_.size();
    stack_.insert(stack_.end(), args, args + count);
    Value result;
    try {
        execute(*keep, count, &result, resultSlot);
    } catch (...) {
        // execute can fail before its frame takes the arguments over; a caller that traps the
        // error and goes on must find the stack as it left it.
        stack_.resize(base);
        throw;
    }
    return result;
}

void Interpreter::checkClock() {
    if (limited_ && Clock::now() > deadline_) {
        throw ScriptError::standard(VbError::Timeout);
    }
}

void Interpreter::execute(const Procedure& p, std::size_t argc, Value* result,
                          std::uint32_t resultSlot) {
    if (depth_ >= kMaxCallDepth) throw ScriptError::standard(VbError::OutOfStackSpace);
    // A call counts as a step, so that a wide tree of short procedures meets the clock too.
    if (++steps_ % kStepsPerClockCheck == 0) checkClock();
    const std::size_t frame = stack_.size() - argc;
    const std::size_t flags = bound_.size();
    FrameGuard guard(*this, frame, flags);
    const std::size_t slots = p.names.size();
    stack_.resize(frame + slots);
    bound_.insert(bound_.end(), p.declared.begin(), p.declared.end());
    if (p.module) {
        // Dim outside any procedure declares module variables.
        for (std::size_t slot = 0; slot < slots; ++slot) {
            if (p.declared[slot]) module_.declare(p.names[slot]);
        }
    }

    const Instruction* code = p.code.data();
    const Instruction* i = code;
    try {
        for (;; ++i) {
            if (++steps_ % kStepsPerClockCheck == 0) checkClock();
            switch (i->op) {
                case Instruction::Op::PushConstant:
                    stack_.push_back(p.constants[i->a]);
                    break;
                case Instruction::Op::Load:
                    load(p, frame, flags, i->a);
                    break;
                case Instruction::Op::Store:
                    store(p, frame, flags, i->a);
                    break;
                case Instruction::Op::Pop:
                    stack_.pop_back();
                    break;
                case Instruction::Op::Negate:
                    stack_.back() = Operators::negate(stack_.back());
                    break;
                case Instruction::Op::Not:
                    stack_.back() = Operators::logicalNot(stack_.back());
                    break;
                case Instruction::Op::Return:
                    if (result) *result = valueOf(p, frame, flags, resultSlot);
                    return;
                case Instruction::Op::CallBuiltin:
                    callBuiltin(*i);
                    break;
                case Instruction::Op::CallName:
                    callName(p, i->a, i->argc);
                    break;
                case Instruction::Op::CallMethod:
                    callMethod(p, *i);
                    break;
                case Instruction::Op::Index:
                    throw ScriptError::standard(VbError::TypeMismatch);
                default: {
                    Value& a = stack_[stack_.size() - 2];
                    const Value& b = stack_.back();
                    using Op = Instruction::Op;
                    using L = Operators::Logic;
                    switch (i->op) {
                        case Op::Add:
                            a = Operators::add(a, b);
                            break;
                        case Op::Subtract:
                            a = Operators::subtract(a, b);
                            break;
                        case Op::Multiply:
                            a = Operators::multiply(a, b);
                            break;
                        case Op::Divide:
                            a = Operators::divide(a, b);
                            break;
                        case Op::IntDivide:
                            a = Operators::intDivide(a, b);
                            break;
                        case Op::Modulo:
                            a = Operators::modulo(a, b);
                            break;
                        case Op::Power:
                            a = Operators::power(a, b);
                            break;
                        case Op::Concat:
                            a = Operators::concat(a, b);
                            break;
                        case Op::Equal:
                            a = Value::boolean(Operators::compare(a, b) == 0);
                            break;
                        case Op::NotEqual:
                            a = Value::boolean(Operators::compare(a, b) != 0);
                            break;
                        case Op::Less:
                            a = Value::boolean(Operators::compare(a, b) < 0);
                            break;
                        case Op::Greater:
                            a = Value::boolean(Operators::compare(a, b) > 0);
                            break;
                        case Op::LessEqual:
                            a = Value::boolean(Operators::compare(a, b) <= 0);
                            break;
                        case Op::GreaterEqual:
                            a = Value::boolean(Operators::compare(a, b) >= 0);
                            break;
                        case Op::And:
                            a = Operators::logic(L::And, a, b);
                            break;
                        case Op::Or:
                            a = Operators::logic(L::Or, a, b);
                            break;
                        case Op::Xor:
                            a = Operators::logic(L::Xor, a, b);
                            break;
                        case Op::Eqv:
                            a = Operators::logic(L::Eqv, a, b);
                            break;
                        case Op::Imp:
                            a = Operators::logic(L::Imp, a, b);
                            break;
                        default:
                            break;
                    }
                    stack_.pop_back();
                    break;
                }
            }
        }
    } catch (ScriptError& e) {
        if (!e.hasPosition()) {
            e.setPosition(static_cast<int>(i->line), static_cast<int>(i->column), &p);
        }
        throw;
    }
}

void Interpreter::load(const Procedure& p, std::size_t frame, std::size_t flags,
                       std::uint32_t slot) {
    if (!p.module && bound_[flags + slot]) {
        stack_.push_back(stack_[frame + slot]);
        return;
    }
    const std::string& key = p.names[slot];
    if (Value* global = module_.variable(key)) {
        stack_.push_back(*global);
        return;
    }
    if (module_.hasProcedure(key)) {
        // A procedure named without arguments is called; a Sub gives Empty.
        callName(p, slot, 0);
        return;
    }
    if (module_.object(key)) {
        throw ScriptError::standard(VbError::ObjectDoesNotSupport, p.spellings[slot]);
    }
    stack_.emplace_back();
}

Value Interpreter::valueOf(const Procedure& p, std::size_t frame, std::size_t flags,
                           std::uint32_t slot) {
    if (slot >= p.names.size()) return Value();
    if (!p.module && bound_[flags + slot]) return std::move(stack_[frame + slot]);
    if (const Value* global = module_.variable(p.names[slot])) return *global;
    return Value();
}

void Interpreter::store(const Procedure& p, std::size_t frame, std::size_t flags,
                        std::uint32_t slot) {
    if (!p.module && bound_[flags + slot]) {
        stack_[frame + slot] = std::move(stack_.back());
        stack_.pop_back();
        return;
    }
    const std::string& key = p.names[slot];
    Value* global = module_.variable(key);
    if (!global) {
        if (module_.hasProcedure(key) || module_.object(key)) {
            throw ScriptError::standard(VbError::IllegalAssignment, p.spellings[slot]);
        }
        if (p.module) {
            global = &module_.declare(key);
        } else {
            bound_[flags + slot] = 1;
            stack_[frame + slot] = std::move(stack_.back());
            stack_.pop_back();
            return;
        }
    }
    *global = std::move(stack_.back());
    stack_.pop_back();
}

void Interpreter::callName(const Procedure& p, std::uint32_t slot, std::size_t argc) {
    // Held here so that a redefinition during the call cannot free it.
    std::shared_ptr<const Procedure> callee = module_.find(p.names[slot]);
    if (!callee) throw ScriptError::standard(VbError::TypeMismatch, p.spellings[slot]);
    if (callee->parameterCount != argc) {
        throw ScriptError::standard(VbError::WrongArgumentCount, p.spellings[slot]);
    }
    execute(*callee, argc);
    stack_.emplace_back();
}

void Interpreter::callMethod(const Procedure& p, const Instruction& i) {
    ScriptObject* object = module_.object(p.names[i.a]);
    if (!object) throw ScriptError::standard(VbError::ObjectRequired, p.spellings[i.a]);
    std::vector<Value> args(std::make_move_iterator(stack_.end() - i.argc),
                            std::make_move_iterator(stack_.end()));
    stack_.resize(stack_.size() - i.argc);
    // Time spent in the object (drawing, letting the window repaint, a nested run) is the
    // host's, not the script's.
    Clock::time_point started = Clock::now();
    object->call(p.members[i.b], args);
    deadline_ += Clock::now() - started;
    stack_.emplace_back();
}

void Interpreter::callBuiltin(const Instruction& i) {
    if (!Builtins::acceptsCount(static_cast<int>(i.a), i.argc)) {
        throw ScriptError::standard(VbError::WrongArgumentCount,
                                    Builtins::name(static_cast<int>(i.a)));
    }
    const std::size_t first = stack_.size() - i.argc;
    Value result = Builtins::call(static_cast<int>(i.a), stack_.data() + first, i.argc, random_);
    stack_.resize(first);
    stack_.push_back(std::move(result));
}

}  // namespace zeto::script
