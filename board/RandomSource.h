#pragma once

#include <cstdint>
#include <random>

namespace glimmerix {

// The game's chance: reseeded at each deal, drawn from at every dealt or refilled cell.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual void Randomize(float seed) = 0;
  // Uniform in [0, 1).
  [[nodiscard]] virtual double Rnd() = 0;
};

class SeededRandom final : public RandomSource {
 public:
  void Randomize(float seed) override;
  [[nodiscard]] double Rnd() override;

 private:
  std::mt19937_64 engine_;
};

}  // namespace glimmerix
