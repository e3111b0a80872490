#pragma once

#include <cstdint>

namespace zeto::script {

// One step of a compiled procedure. The procedures run on a value stack: operands are
// pushed, operators replace them by their result.
struct Instruction {
    enum class Op : std::uint8_t {
        PushConstant,  // a = constant index
        Load,          // a = name slot
        Store,         // a = name slot; pops the value
        Pop,
        Negate,
        Not,
        Add,
        Subtract,
        Multiply,
        Divide,
        IntDivide,
        Modulo,
        Power,
        Concat,
        Equal,
        NotEqual,
        Less,
        Greater,
        LessEqual,
        GreaterEqual,
        And,
        Or,
        Xor,
        Eqv,
        Imp,
        CallBuiltin,  // a = builtin, argc arguments on the stack; pushes the result
        CallName,     // a = name slot of a procedure, argc arguments; pushes Empty
        CallMethod,   // a = name slot of the object, b = member index, argc arguments; pushes Empty
        Index,        // argc arguments applied to the value below them: never valid
        Return,
    };

    Op op;
    std::uint16_t argc = 0;
    std::uint32_t a = 0;
    std::uint32_t b = 0;
    std::uint32_t line = 0;
    std::uint32_t column = 0;
};

}  // namespace zeto::script
