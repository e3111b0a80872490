#pragma once

#include <string_view>

namespace zeto::script {

// Reserved words. Those the engine does not implement are still reserved, so that a text
// using them is a syntax error rather than a call of an unknown name.
enum class Keyword {
    None,
    And,
    Or,
    Not,
    Xor,
    Eqv,
    Imp,
    Mod,
    Call,
    Dim,
    Sub,
    End,
    Exit,
    True,
    False,
    Empty,
    Rem,
    ByVal,
    ByRef,
    Reserved,
};

// The keyword spelled by `word` (any letter case), or Keyword::None.
Keyword keywordOf(std::string_view word);

}  // namespace zeto::script
