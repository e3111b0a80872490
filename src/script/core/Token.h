#pragma once

#include "script/core/Keyword.h"

#include <string>
#include <string_view>

namespace zeto::script {

// One lexical unit of a procedure text.
struct Token {
    enum class Kind {
        End,
        Newline,
        Colon,
        Identifier,
        Keyword,
        Integer,  // a whole-number literal that fits 16 bits
        Long,     // a whole-number literal that fits 32 bits
        Double,
        String,
        Plus,
        Minus,
        Star,
        Slash,
        Backslash,
        Caret,
        Ampersand,
        Equal,
        NotEqual,
        Less,
        Greater,
        LessEqual,
        GreaterEqual,
        LeftParen,
        RightParen,
        Comma,
        Dot,
    };

    Kind kind = Kind::End;
    Keyword keyword = Keyword::None;
    int line = 1;
    int column = 1;
    // The spelling of an identifier or keyword, a view into the text being read.
    std::string_view spelling;
    double number = 0;
    // The contents of a string literal, with doubled quotes undone.
    std::string text;
};

}  // namespace zeto::script
