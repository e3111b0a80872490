#include "Evaluate.h"
#include "RecordingObject.h"

#include "script/core/ScriptError.h"
#include "script/core/ScriptHost.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zeto::test {
namespace {

struct ErrorCase {
    std::string expression;
    int code;
};

void expectErrors(const std::vector<ErrorCase>& cases) {
    for (const ErrorCase& c : cases) {
        SCOPED_TRACE(c.expression);
        EXPECT_EQ(errorCode(c.expression), c.code);
    }
}

TEST(EngineErrors, RunTimeErrorsCarryTheClassicCodes) {
    expectErrors({
        {"1/0", 11},
        {"0/0", 11},
        {"5\\0", 11},
        {"5 Mod 0", 11},
        {"5 \\ 0.4", 11},
        {"Sqr(-1)", 5},
        {"Log(0)", 5},
        {"Log(-1)", 5},
        {"(-8)^(1/3)", 5},
        {"0^-1", 5},
        {"Round(1.5, -1)", 5},
        {"Exp(1000)", 6},
        {"10^400", 6},
        {"1E308*10", 6},
        {"-1E308-1E308", 6},
        {"CInt(32768)", 6},
        {"CInt(32767.5)", 6},
        {"CLng(2147483648)", 6},
        {"CSng(1E300)", 6},
        {"Hex(1E10)", 6},
        {"2147483648 \\ 1", 6},
        {"si(1)", 13},
        {"si(1)(1)", 13},
        {"foo()", 13},
        {"Sqr(4)(1)", 13},
        {"\"a\"+1", 13},
        {"-\"abc\"", 13},
        {"Sqr(\"x\")", 13},
        {"Sqr(1,2)", 450},
        {"Sqr()", 450},
        {"Sqr", 450},
        {"Round(1,2,3)", 450},
        {"OBJsc", 438},
        {"nothere.method(1)", 424},
    });
}

TEST(EngineErrors, SyntaxErrorsCarryTheirCodes) {
    expectErrors({
        {"1+", 1002},
        {"", 1002},
        {"((1)", 1006},
        {"1)", 1025},
        {"1 2", 1025},
        {"2x", 1025},
        {"1 ¥ 2", 1032},
        {"1：2", 1032},
        {"\"abc", 1033},
        {"1e999", 1031},
        {"If", 1002},
        {"Sub", 1002},
        {"1 = = 2", 1002},
        {"1 # 2", 1032},
    });
}

TEST(EngineErrors, StatementSyntaxErrors) {
    struct Case {
        std::string text;
        int code;
    };
    const std::vector<Case> cases{
        {"Sub a()\r\nIf x Then y\r\nEnd Sub", 1024},
        {"Sub a()\r\nZ=1", 1014},
        {"Sub a(\r\nEnd Sub", 1010},
        {"Sub a()\r\nEnd", 1016},
        {"Sub a()\r\nSub b()\r\nEnd Sub\r\nEnd Sub", 1024},
        {"Sub a()\r\nDim q, q\r\nEnd Sub", 1041},
        {"Sub a()\r\nEnd Sub\r\nSub A()\r\nEnd Sub", 1041},
        {"Sub sqr()\r\nEnd Sub", 1041},
        {"Sub a()\r\nsqr = 1\r\nEnd Sub", 501},
        {"Sub a()\r\nCall\r\nEnd Sub", 1010},
        {"Sub a()\r\nCall OBJsc.\r\nEnd Sub", 1010},
        {"Exit Sub", 1039},
        {"End Sub", 1024},
        {"Sub a() x\r\nEnd Sub", 1025},
        {"Sub a()\r\nEnd Sub x", 1025},
        {"_", 1032},
        {"Sub 1()\r\nEnd Sub", 1010},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        script::ScriptHost host;
        try {
            host.AddCode(c.text);
            ADD_FAILURE() << "no error";
        } catch (const script::ScriptError& e) {
            EXPECT_EQ(e.code(), c.code) << e.what();
        }
        EXPECT_TRUE(host.Procedures().empty());
    }
}

TEST(EngineErrors, NestingTooDeepIsRefusedNotFatal) {
    EXPECT_EQ(evaluate(std::string(100, '(') + "1" + std::string(100, ')')).toText(), "1");
    EXPECT_EQ(evaluate(std::string(100, '-') + "1").toText(), "1");
    EXPECT_EQ(errorCode(std::string(300, '(') + "1" + std::string(300, ')')), 28);
    EXPECT_EQ(errorCode(std::string(300, '-') + "1"), 28);
    EXPECT_EQ(errorCode(std::string(10000, '(')), 28);
    std::string deepNot;
    for (int i = 0; i < 300; ++i) deepNot += "Not ";
    EXPECT_EQ(errorCode(deepNot + "0"), 28);
    std::string calls;
    for (int i = 0; i < 300; ++i) calls += "Abs(";
    EXPECT_EQ(errorCode(calls + "1" + std::string(300, ')')), 28);
}

TEST(EngineErrors, ErrorsOfTheRegisteredObjectReachTheCaller) {
    script::ScriptHost host;
    RecordingObject callback;
    callback.hook = [](const RecordingObject::Call&) {
        throw VbError(VbError::TypeMismatch, "Type mismatch");
    };
    host.AddObject("OBJsc", &callback);
    host.AddCode("Sub fc()\r\nZ=1\r\ncall OBJsc.slsum(Z)\r\ncall OBJsc.after(Z)\r\nEnd Sub");
    try {
        host.Run("fc");
        ADD_FAILURE() << "no error";
    } catch (const VbError& e) {
        EXPECT_EQ(e.code(), VbError::TypeMismatch);
    }
    ASSERT_EQ(callback.calls.size(), 1u);
    EXPECT_EQ(callback.calls[0].method, "slsum");
}

}  // namespace
}  // namespace zeto::test
