#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace zeto::script {

// A stretch of the text the user typed, in UTF-16 code units of its QString.
struct SourceSpan {
    int start = 0;
    int length = 0;
};

// A formula the user typed, rewritten into the engine's language, and where each byte of the
// rewritten text came from.
struct RewrittenFormula {
    // UTF-8.
    std::string text;
    // One per byte of text: the stretch of the user's text the byte stands for. What was
    // inserted (a "*", a closing bracket) has an empty stretch where it went in.
    std::vector<SourceSpan> origins;
    // The one-letter names the formula uses, lower case, in order of first appearance.
    std::vector<std::string> letters;

    // The stretch of the user's text that bytes [first, last) of text stand for together.
    SourceSpan userSpan(std::size_t first, std::size_t last) const;
};

}  // namespace zeto::script
