// Feeds arbitrary bytes to the analysis of the graphs on the plane as up to four graphs of any
// kind, with any coefficients and domains (infinities and NaN included), and asks for every
// graph's facts and intersections. Every outcome other than a result (an exception, a crash, a
// sanitizer report, a hang) is a finding.
//
// Build and run from the repository root as EngineFuzz.cpp describes, with this target:
//   cmake --build fuzz-build --target AnalysisFuzz -j2
//   mkdir -p fuzz-build/corpus-analysis
//   fuzz-build/fuzz/AnalysisFuzz -max_total_time=600 -timeout=10 -rss_limit_mb=2048 \
//       fuzz-build/corpus-analysis

#include "plane/core/PlaneAnalysis.h"
#include "platform/core/VbError.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

class Reader {
  public:
    Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool more() const { return at_ < size_; }
    std::uint8_t byte() { return more() ? data_[at_++] : 0; }
    // Small whole numbers and halves most of the time, any bit pattern now and then.
    double number() {
        const std::uint8_t kind = byte();
        if (kind < 200) return (static_cast<int>(byte()) - 128) / (kind % 2 ? 2.0 : 1.0);
        double v = 0;
        std::uint8_t bytes[sizeof v] = {};
        for (std::uint8_t& b : bytes) b = byte();
        std::memcpy(&v, bytes, sizeof v);
        return v;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Reader in(data, size);
    std::vector<zeto::GraphSpec> graphs;
    while (in.more() && graphs.size() < 4) {
        zeto::GraphSpec g;
        g.kind = static_cast<zeto::GraphKind>(in.byte() % 18);
        for (double& c : g.c) c = in.number();
        g.from = in.number();
        g.to = in.number();
        if (g.kind == zeto::GraphKind::Formula) {
            // A formula with a pole, a gap and a touching zero.
            g.f = [](double x) {
                if (x > 3) throw zeto::VbError(zeto::VbError::InvalidProcedureCall);
                return (x - 1) * (x - 1) / (x + 2);
            };
        }
        for (std::uint8_t n = in.byte() % 4; n > 0; --n)
            g.points.emplace_back(in.number(), in.number());
        graphs.push_back(g);
    }
    zeto::PlaneAnalysis analysis(graphs);
    for (std::size_t k = 0; k < graphs.size(); ++k) analysis.report(k);
    return 0;
}
