#include "board/RandomSource.h"

#include <bit>

namespace glimmerix {

void SeededRandom::Randomize(float seed) {
  engine_.seed(std::bit_cast<std::uint32_t>(seed));
}

double SeededRandom::Rnd() {
  // The top 53 bits as a fraction: never reaches 1, so a draw never exceeds kind 7.
  return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

}  // namespace glimmerix
