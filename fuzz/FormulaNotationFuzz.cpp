// Feeds arbitrary bytes to the reader of a sequence's general term, as the sequence page
// hands it whatever the user typed, and writes the result out as the steps window does.
// Every outcome other than a formula or "not understood" (crash, sanitizer report, hang,
// runaway memory) is a finding.
//
// Build and run from the repository root (see EngineFuzz.cpp for the configuration):
//   cmake --build fuzz-build --target FormulaNotationFuzz -j2
//   mkdir -p fuzz-build/corpus-formula
//   fuzz-build/fuzz/FormulaNotationFuzz -max_total_time=600 -timeout=5 -rss_limit_mb=2048 \
//       -dict=fuzz/FormulaNotationFuzz.dict fuzz-build/corpus-formula fuzz/corpus/formula

#include "tools/core/FormulaNotation.h"
#include "tools/core/SequenceSteps.h"

#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString formula =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (const std::optional<zeto::MathBox> box = zeto::FormulaNotation::read(formula))
        (void)box->linear();
    (void)zeto::MathBox::linear(zeto::SequenceSteps::custom(formula));
    return 0;
}
