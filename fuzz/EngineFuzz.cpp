// Feeds arbitrary bytes to the expression engine as a procedure text, then runs the last
// defined procedure, as the program's run protocol does. Every outcome other than a
// VbError (crash, sanitizer report, hang, runaway memory) is a finding.
//
// Build and run from the repository root (clang with libclang-rt-14-dev; two cores are shared,
// hence -j2; new inputs go to the build folder, the seeds in fuzz/corpus/engine stay as they are):
//   CC=clang CXX=clang++ cmake -S . -B fuzz-build -G Ninja \
//       -DZETO_BUILD_FUZZ=ON -DZETO_BUILD_TESTS=OFF -DZETO_BUILD_BENCH=OFF
//   cmake --build fuzz-build --target EngineFuzz -j2
//   mkdir -p fuzz-build/corpus-engine
//   fuzz-build/fuzz/EngineFuzz -max_total_time=600 -timeout=5 -rss_limit_mb=2048 \
//       -dict=fuzz/EngineFuzz.dict fuzz-build/corpus-engine fuzz/corpus/engine

#include "platform/core/VbError.h"
#include "script/core/ScriptHost.h"
#include "script/core/ScriptObject.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Accepts every method; "nest" adds and runs the same text again from inside the run, the
// way a callback that lets the window work can start a second calculation.
class FuzzObject : public zeto::script::ScriptObject {
  public:
    FuzzObject(zeto::script::ScriptHost& host, const std::string& text)
        : host_(host), text_(text) {}

    void call(std::string_view method, const std::vector<zeto::script::Value>& args) override {
        for (const auto& a : args) (void)a.toText();
        // A small budget per input: a text full of "nest" calls would otherwise fan out.
        if (method == "nest" && nesting_ < 2 && nestsLeft_ > 0) {
            ++nesting_;
            --nestsLeft_;
            try {
                runLast(host_, text_);
            } catch (const zeto::VbError&) {
            }
            --nesting_;
        }
    }

    static void runLast(zeto::script::ScriptHost& host, const std::string& text) {
        host.AddCode(text);
        std::string last;
        for (const std::string& name : host.Procedures()) last = name;
        if (!last.empty()) host.Run(last);
    }

  private:
    zeto::script::ScriptHost& host_;
    const std::string& text_;
    int nesting_ = 0;
    int nestsLeft_ = 8;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    zeto::script::ScriptHost host;
    host.setTimeoutMs(200);
    FuzzObject object(host, text);
    host.AddObject("OBJsc", &object);
    try {
        FuzzObject::runLast(host, text);
    } catch (const zeto::VbError&) {
    }
    return 0;
}
