#include "Evaluate.h"
#include "RecordingObject.h"

#include "platform/core/NumberText.h"
#include "script/core/CompiledFormula.h"
#include "script/core/LiteralValue.h"
#include "script/core/ScriptHost.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace zeto::test {
namespace {

using script::CompiledFormula;
using script::FormulaError;
using script::literalValue;
using script::ScriptHost;
using script::Value;
using Names = std::vector<std::string>;

QString qs(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// The formula with every letter x or X replaced by the number's text in brackets, as the plot
// used to paste its abscissa in.
std::string substitute(const std::string& formula, const std::string& text) {
    std::string out;
    for (char c : formula) out += (c == 'x' || c == 'X') ? "(" + text + ")" : std::string(1, c);
    return out;
}

// The plot wrote a sample's text form into the formula in brackets; binding x to the literal
// value of that text must give the very same value, subtype included, or the same error.
TEST(CompiledFormula, BindsWhatThePastedNumberTextGave) {
    const std::vector<std::string> texts{"5",
                                         "-5",
                                         "0",
                                         "300",
                                         "-300",
                                         "32767",
                                         "32768",
                                         "-32768",
                                         "70000",
                                         "-70000",
                                         "2147483647",
                                         "2147483648",
                                         "0.5",
                                         "-0.5",
                                         "1E-05",
                                         "-4.994764",
                                         "-4.98476385116577",
                                         "1E+15",
                                         "0.01",
                                         "6.33825300114115E+29"};
    const std::vector<std::string> formulas{
        "X*X",    "X\\2",    "X mod 3", "TypeName(X)", "X^2",         "1/X",
        "X+1/X",  "-X",      "X+X",     "X*300",       "CInt(X)",     "X & \"\"",
        "Abs(X)", "X = 0.5", "Not X",   "X And 255",   "X-2147483647"};
    ScriptHost host;
    for (const std::string& formula : formulas) {
        const CompiledFormula compiled = CompiledFormula::function(host, qs(formula));
        for (const std::string& text : texts) {
            SCOPED_TRACE(formula + " at " + text);
            const std::string pasted = substitute(formula, text);
            const int expectedError = errorCode(pasted);
            try {
                const Value bound = compiled.evaluate(literalValue(text));
                ASSERT_EQ(expectedError, 0);
                const Value old = evaluate(pasted);
                EXPECT_STREQ(bound.typeName(), old.typeName());
                EXPECT_EQ(bound.toText(), old.toText());
                EXPECT_EQ(bound.raw(), old.raw());
            } catch (const FormulaError& e) {
                EXPECT_EQ(e.code(), expectedError);
            }
        }
    }
    for (const char* bad : {"", "x", "1+1", "--1", "\"1\""}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(literalValue(bad), VbError);
    }
}

// A plot binds the literal value of a number's text form without writing the text: the same
// value and subtype as the text gives, for the abscissas of a plot, their neighbours 0.01 on,
// term indices and the edges of the subtypes.
TEST(CompiledFormula, LiteralOfAValueIsTheLiteralOfItsText) {
    std::vector<double> values{0.5,          -0.5,     32767,  32768,  -32768, 2147483647,
                               2147483648.0, 1e-5,     1.5e-5, 1e15,   1e16,   123456.7,
                               9999999,      99999995, -1e300, 1e-300, 0.1,    3.1415926535};
    for (float x = -20.0f; x <= 20.0f; x = zeto::toSingle(x + 3.1415926535 / 600)) {
        values.push_back(x);
        values.push_back(static_cast<double>(x) + 0.01);
    }
    for (int k = 1; k <= 100000; k += 97) values.push_back(k);
    for (double v : values) {
        for (int precision : {7, 15}) {
            if (precision == 7 && !std::isfinite(zeto::toSingle(v))) continue;
            const std::string text =
                precision == 7 ? zeto::formatSingle(zeto::toSingle(v)) : zeto::formatNumber(v);
            const double bound = precision == 7 ? zeto::toSingle(v) : v;
            const Value fromText = literalValue(text);
            const Value fromValue = script::literalValueOf(bound, precision);
            ASSERT_STREQ(fromValue.typeName(), fromText.typeName()) << text;
            ASSERT_EQ(fromValue.raw(), fromText.raw()) << text;
        }
    }
    EXPECT_THROW(script::literalValueOf(std::nan(""), 15), VbError);
}

// Values worked out by hand, shown as the calculator shows them.
TEST(CompiledFormula, TextbookNotation) {
    const struct {
        std::string formula;
        std::string variable;
        std::string at;
        std::string expected;
    } cases[] = {
        {"2x²+3x-1", "x", "2", "13"},
        {"√(x+1)", "x", "3", "2"},
        {"√x+√ 4", "x", "9", "5"},
        {"√√x", "x", "16", "2"},
        {"√√lg(100)", "x", "0", "1.18920711500272"},
        {"√2x", "x", "3", "4.24264068711929"},
        {"2√3", "x", "0", "3.46410161513775"},
        {"sqrt(x)*SQRT(4)", "x", "9", "6"},
        {"lg(1000)", "x", "0", "3"},
        {"2lg(x)lg(x)", "x", "100", "8"},
        {"2π", "x", "0", "6.28318530717959"},
        {"Pi*x-pi", "x", "1", "0"},
        {"πx²", "x", "1", "3.14159265358979"},
        {"3(x+1)", "x", "1", "6"},
        {"(x+1)(x-1)", "x", "3", "8"},
        {"(x+1)2", "x", "3", "8"},
        {"2sin(x)+2cos(x)", "x", "0", "2"},
        {"ln(1)+LN(x)", "x", "1", "0"},
        {"1/2x", "x", "4", "2"},
        {"2x mod 3", "x", "4", "2"},
        {"x³-x²", "x", "2", "4"},
        {"ｘ（ｘ＋１）×２÷４−１", "x", "3", "5"},
        {"x　+　1", "x", "1", "2"},
        {"sin(n)", "n", "0", "0"},
        {"int(n/2)", "n", "5", "2"},
        {"exp(X)", "x", "1", "2.71828182845905"},
        // What the engine read before keeps its meaning.
        {"2E3", "x", "0", "2000"},
        {"2e", "x", "0", "0"},
        {"&H1F", "x", "0", "31"},
        {"Log(1)", "x", "0", "0"},
        {"x2", "x", "5", ""},
        {"2 mod 3", "x", "0", "2"},
        {"\"2x²\" & x", "x", "5", "2x²5"},
        {"x 'π", "x", "5", "5"},
    };
    ScriptHost host;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.formula);
        const CompiledFormula compiled(host, qs(c.formula), "fc", {c.variable});
        EXPECT_EQ(compiled.evaluate(literalValue(c.at)).toText(), c.expected)
            << compiled.procedureText();
    }
}

// The stretch of the user's text an error selects, in UTF-16 code units; x is 0.
TEST(CompiledFormula, ErrorsSelectTheUsersToken) {
    const struct {
        std::string formula;
        int code;
        int start;
        int length;
    } cases[] = {
        {"1/0", 11, 1, 1},
        {"2+)", 1002, 2, 1},
        {"1+", 1002, 2, 0},
        // Two numbers side by side are no product.
        {"2 3", 1025, 2, 1},
        {"√(x-9)", 5, 0, 1},
        {"1+√√(x-9)", 5, 3, 1},
        {"sqrt(x-1)", 5, 0, 4},
        {"2x+ln(x)", 5, 3, 2},
        {"lg(x)", 5, 0, 2},
        {"（１＋ｘ）÷0", 11, 5, 1},
        {"π²/x", 11, 2, 1},
        {"x+😀+1", 1032, 2, 2},
        {"\"abc", 1033, 0, 4},
        {"1e999", 1031, 0, 5},
        {"sin(x) = Sqr(x-1)", 5, 9, 3},
        {"1\r\nZ=x/0", 11, 6, 1},
        // Raised by the object, in another text, in what the program wrote around the formula.
        {"OBJsc.fail(1)", 13, -1, 0},
        {"other()", 11, -1, 0},
        {"1:End Sub:Sub Z():End Sub:Sub q()", 501, -1, 0},
    };
    ScriptHost host;
    RecordingObject object;
    object.hook = [](const RecordingObject::Call&) { throw VbError(VbError::TypeMismatch); };
    host.AddObject("OBJsc", &object);
    host.AddCode("Sub other()\r\nZ=1/0\r\nEnd Sub");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.formula);
        try {
            CompiledFormula::function(host, qs(c.formula)).evaluate(Value::integer(0));
            ADD_FAILURE() << "no error";
        } catch (const VbError& e) {
            const auto* located = dynamic_cast<const FormulaError*>(&e);
            ASSERT_NE(located, nullptr);
            EXPECT_EQ(located->code(), c.code);
            EXPECT_EQ(located->start(), c.start);
            EXPECT_EQ(located->length(), c.length);
        }
    }
}

TEST(CompiledFormula, DefinesItsProcedureOnTheHost) {
    ScriptHost host;
    host.AddCode("Sub other()\r\nEnd Sub");
    CompiledFormula::function(host, "x");
    const CompiledFormula sum = CompiledFormula::function(host, "x+q:End Sub:q = 5:Sub w()");
    const CompiledFormula calculator = CompiledFormula::calculator(host, "q*2");
    EXPECT_EQ(host.Procedures(), (Names{"other", "fc", "w", "eq"}));
    EXPECT_EQ(sum.evaluate(Value::integer(2)).toText(), "7");
    EXPECT_EQ(calculator.evaluate({}).toText(), "10");
    EXPECT_EQ(host.variable("Q").toText(), "5");
    EXPECT_TRUE(host.variable("none").isEmpty());

    // Sliders bind letters beside x; until then they are letters the formula uses.
    const QString waves = QStringLiteral("A*sin(X)+B+a*(x-1)");
    EXPECT_EQ(CompiledFormula::function(host, waves).oneLetterNames(), (Names{"a", "b"}));
    const CompiledFormula bound(host, waves, "fc", {"X", "a", "B"});
    EXPECT_TRUE(bound.oneLetterNames().empty());
    EXPECT_EQ(bound.evaluate({Value::integer(1), Value::integer(2), Value::integer(3)}).toText(),
              "4.68294196961579");
    EXPECT_EQ(sum.oneLetterNames(), (Names{"q"}));

    try {
        bound.evaluate(Value::integer(1));
        ADD_FAILURE() << "no error";
    } catch (const FormulaError& e) {
        EXPECT_EQ(e.code(), VbError::WrongArgumentCount);
    }
}

TEST(CompiledFormula, EachEvaluationMeetsTheTimeLimit) {
    ScriptHost host;
    host.setTimeoutMs(30);
    // A call tree 2^30 calls wide: only the clock ends it.
    std::string formula = "r1";
    for (int level = 1; level < 30; ++level) {
        const std::string next = "r" + std::to_string(level + 1);
        formula += ":End Sub:Sub r" + std::to_string(level) + "():" + next + ":" + next;
    }
    formula += ":End Sub:Sub r30():Z=1";
    const CompiledFormula runaway = CompiledFormula::function(host, qs(formula));
    for (int run = 0; run < 2; ++run) {
        try {
            runaway.evaluate(Value::integer(0));
            ADD_FAILURE() << "no error";
        } catch (const FormulaError& e) {
            EXPECT_EQ(e.code(), VbError::Timeout);
        }
    }
}

}  // namespace
}  // namespace zeto::test
