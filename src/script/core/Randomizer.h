#pragma once

#include <cstdint>

namespace zeto::script {

// The sequence behind Rnd: a 24-bit linear congruential generator, so that a script sees
// the same numbers from the same start, and Rnd(negative) restarts from that number.
class Randomizer {
  public:
    // Rnd(x): x > 0 (or no argument) the next number, x = 0 the last one again, x < 0 the
    // number that seed x gives. Always in [0, 1).
    float next(double x);

  private:
    std::uint32_t seed_ = 0x50000;
};

}  // namespace zeto::script
