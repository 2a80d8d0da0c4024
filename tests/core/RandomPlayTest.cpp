#include <gtest/gtest.h>

#include "RandomPlay.h"

namespace glimmerix::testing {
namespace {

// Thousands of short random games, with events nested at the yields: the board
// stays whole, the pick stays single, and score and time only move one way.
TEST(RandomPlay, KeepsTheGameWholeWhateverArrivesAtTheYields) {
  int games = 0;
  int boxes = 0;
  for (std::uint64_t seed = 1; seed <= 40; ++seed) {
    RandomPlay play(seed);
    const std::string broken = play.Play(1500);
    ASSERT_EQ(broken, "") << "seed " << seed;
    games += play.Games();
    boxes += play.Boxes();
  }
  EXPECT_GT(games, 1000) << "the random player should start many games";
  EXPECT_GT(boxes, 1000) << "and open many boxes";
}

}  // namespace
}  // namespace glimmerix::testing
