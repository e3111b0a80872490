#include "script/core/Randomizer.h"

#include <cstring>

namespace zeto::script {

float Randomizer::next(double x) {
    if (x < 0) {
        float f = static_cast<float>(x);
        std::uint32_t bits = 0;
        std::memcpy(&bits, &f, sizeof bits);
        seed_ = (bits + (bits >> 24)) & 0xFFFFFFu;
    }
    if (x != 0) seed_ = (seed_ * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
    return static_cast<float>(seed_) / 16777216.0f;
}

}  // namespace zeto::script
