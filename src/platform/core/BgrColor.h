#pragma once

#include <cstdint>

namespace zeto {

// Colours are held as 32-bit values laid out 0x00BBGGRR (red in the low byte).
using BgrColor = std::uint32_t;

}  // namespace zeto
