#include "RecordingObject.h"

#include "platform/core/VbError.h"
#include "script/core/ScriptHost.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace zeto::test {
namespace {

using script::ScriptHost;
using Names = std::vector<std::string>;
using namespace std::string_literals;

// "Sub <name>()" computing the expression and handing it to OBJsc.SS.
std::string procedure(const std::string& name, const std::string& expression) {
    return "Sub " + name + "()\r\nZ=" + expression + "\r\ncall OBJsc.SS(Z)\r\nEnd Sub";
}

// Adds the text, takes the last procedure's name and runs it.
std::string runProtocol(ScriptHost& host, const std::string& text) {
    host.AddCode(text);
    std::string last;
    for (const std::string& name : host.Procedures()) last = name;
    host.Run(last);
    return last;
}

int errorOf(ScriptHost& host, const std::string& text) {
    try {
        runProtocol(host, text);
    } catch (const VbError& e) {
        return e.code();
    }
    return 0;
}

class Host : public ::testing::Test {
  protected:
    void SetUp() override { host.AddObject("OBJsc", &callback); }

    ScriptHost host;
    RecordingObject callback;
};

TEST_F(Host, ProcedureCallingItselfRunsOutOfStack) {
    EXPECT_EQ(errorOf(host, procedure("eq", "eq")), VbError::OutOfStackSpace);
    EXPECT_EQ(errorOf(host, procedure("eq", "1:eq")), VbError::OutOfStackSpace);
    EXPECT_EQ(errorOf(host, procedure("eq", "fc()")), VbError::TypeMismatch);
    EXPECT_EQ(errorOf(host, "Sub fc(): Z=1: Call fc: Call fc: End Sub"), VbError::OutOfStackSpace);
    EXPECT_EQ(errorOf(host, procedure("fc", "1:fc")), VbError::OutOfStackSpace);
    // A formula may not assign to the procedure's own name either.
    EXPECT_EQ(errorOf(host, procedure("eq", "1:eq = 1")), 501);
    EXPECT_TRUE(callback.calls.empty());
    // The engine stays usable afterwards.
    runProtocol(host, procedure("eq", "1+1"));
    EXPECT_EQ(callback.calls.at(0).args.at(0).toText(), "2");
}

TEST_F(Host, StatementForms) {
    host.AddCode(
        "Sub show(a, b)\r\n"
        "  OBJsc.pair a, b\r\n"
        "End Sub\r\n"
        "Sub t()\r\n"
        "  Dim q, r : q = 1 : r = 2\r\n"
        "  Rem a remark\r\n"
        "  show q, r  ' a comment\r\n"
        "  Call show(3, 4)\r\n"
        "  call OBJsc.one(q + r)\r\n"
        "  OBJsc.none\r\n"
        "  OBJsc.empty()\r\n"
        "  OBJsc.paren (q)\r\n"
        "  q = q + _\r\n"
        "      10\r\n"
        "  Call OBJsc.SS(q)\r\n"
        "  Exit Sub\r\n"
        "  Call OBJsc.never\r\n"
        "End Sub");
    host.Run("T");
    std::vector<std::string> methods;
    for (const auto& c : callback.calls) methods.push_back(c.method);
    EXPECT_EQ(methods, (Names{"pair", "pair", "one", "none", "empty", "paren", "SS"}));
    EXPECT_EQ(callback.calls[1].args[1].toText(), "4");
    EXPECT_EQ(callback.calls[2].args[0].toText(), "3");
    EXPECT_EQ(callback.calls[3].args.size(), 0u);
    EXPECT_EQ(callback.calls[5].args[0].toText(), "1");
    EXPECT_EQ(callback.calls[6].args[0].toText(), "11");
}

TEST_F(Host, LocalsDoNotOutliveTheirRun) {
    host.AddCode("Sub t()\r\ncall OBJsc.SS(Z)\r\nZ=5\r\nEnd Sub");
    host.Run("t");
    host.Run("t");
    EXPECT_TRUE(callback.calls.at(0).args.at(0).isEmpty());
    EXPECT_TRUE(callback.calls.at(1).args.at(0).isEmpty());
}

TEST_F(Host, LongTextsAndOddBytes) {
    std::string sum = "1";
    while (sum.size() < 10000) sum += "+1";
    runProtocol(host, procedure("eq", sum));
    EXPECT_EQ(callback.calls.at(0).args.at(0).toText(), "5001");

    std::string junk;
    for (int i = 0; i < 10000; ++i) junk += static_cast<char>((i * 7919) % 256);
    EXPECT_NE(errorOf(host, procedure("eq", junk)), 0);
    EXPECT_NE(errorOf(host, std::string(10000, '(')), 0);
    EXPECT_EQ(errorOf(host, "Sub eq()\r\nZ=1\0+1\r\nEnd Sub"s), 1032);
    EXPECT_EQ(errorOf(host, procedure("eq", "1＋1")), 1032);
    EXPECT_EQ(errorOf(host, procedure("eq", "\"é\" & \"\"")), 0);
}

TEST_F(Host, ManyRunsKeepOneProcedureOfEachName) {
    for (int i = 0; i < 100000; ++i) {
        runProtocol(host, procedure("eq", std::to_string(i) + "+1"));
        runProtocol(host, procedure("fc", std::to_string(i % 100) + "^2"));
        if (i % 2) callback.calls.clear();
    }
    EXPECT_EQ(host.procedureCount(), 2u);
    EXPECT_EQ(host.Procedures(), (Names{"eq", "fc"}));
}

TEST_F(Host, RunawayRunsEndWithTheTimeout) {
    EXPECT_EQ(host.timeoutMs(), 10000);
    host.setTimeoutMs(50);
    EXPECT_EQ(host.timeoutMs(), 50);
    // A call tree 2^40 calls wide but only 40 deep: only the clock can end it. r1 comes last,
    // so it is the procedure that runs.
    std::string text = "Sub r40()\r\nZ = Z + 1\r\nEnd Sub";
    for (int level = 39; level >= 1; --level) {
        const std::string next = "r" + std::to_string(level + 1);
        text += "\r\nSub r" + std::to_string(level) + "()\r\n" + next + ": " + next + "\r\nEnd Sub";
    }
    EXPECT_EQ(errorOf(host, text), VbError::Timeout);
}

TEST_F(Host, TimeSpentInTheObjectIsNotTheScripts) {
    host.setTimeoutMs(20);
    callback.hook = [](const RecordingObject::Call&) {
        std::this_thread::sleep_for(std::chrono::milliseconds(60));
    };
    // Enough statements after the call for the clock to be read again before the end.
    std::string text = "Sub t()\r\ncall OBJsc.SS(1)\r\n";
    for (int k = 0; k < 1000; ++k) text += "Z=1\r\n";
    runProtocol(host, text + "End Sub");
    EXPECT_EQ(callback.calls.size(), 1u);
}

TEST_F(Host, ReplacingTheRunningProcedureFromItsCallback) {
    // A callback that lets the window run a second calculation on the same engine.
    int nested = 0;
    callback.hook = [&](const RecordingObject::Call& call) {
        if (call.method != "fcf" || nested > 0) return;
        ++nested;
        runProtocol(host, procedure("fc", "7*10"));
        EXPECT_EQ(errorOf(host, procedure("eq", "1/0")), VbError::DivisionByZero);
    };
    host.AddCode(
        "Sub fc()\r\nZ=2\r\ncall OBJsc.fcf(Z,Z)\r\nZ=Z+1\r\ncall OBJsc.after(Z)\r\nEnd Sub");
    host.Run("fc");
    std::vector<std::string> methods;
    for (const auto& c : callback.calls) methods.push_back(c.method);
    EXPECT_EQ(methods, (Names{"fcf", "SS", "after"}));
    EXPECT_EQ(callback.calls[1].args[0].toText(), "70");
    EXPECT_EQ(callback.calls[2].args[0].toText(), "3");
    EXPECT_EQ(host.Procedures(), (Names{"fc", "eq"}));
}

}  // namespace
}  // namespace zeto::test
