#include "GameFixture.h"

namespace glimmerix::testing {
namespace {

using PicksTest = GameTest;

TEST(Neighbours, AreOneRowApartInAColumnOrOneColumnApartInARow) {
  for (std::int16_t a = 0; a < CellCount; ++a) {
    for (std::int16_t b = 0; b < CellCount; ++b) {
      const int rows = std::abs(RowOf(a) - RowOf(b));
      const int columns = std::abs(ColumnOf(a) - ColumnOf(b));
      EXPECT_EQ(AreNeighbours(a, b), rows + columns == 1) << a << " and " << b;
    }
  }
}

TEST_F(PicksTest, AFirstClickPicksAndTheGemClickTakesItBack) {
  Deal(Stuck);
  Click(10);
  EXPECT_EQ(game.Picked[1], 10);
  EXPECT_EQ(game.Cells[10].Frame, FrameLook::Picked);
  Click(10);               // the red rim: nothing
  game.imgrock_Click(11);  // another gem: nothing
  EXPECT_EQ(game.Picked[1], 10);
  EXPECT_EQ(RedFrames(), 1);
  game.imgrock_Click(10);
  EXPECT_EQ(game.Picked[1], NoCell);
  EXPECT_EQ(RedFrames(), 0);
  game.imgrock_Click(10);  // no pick: nothing
  EXPECT_EQ(game.Picked[1], NoCell);
  EXPECT_EQ(game.Tally, Tallies{.GamesDealt = 1}) << "no click on the pick is too far";
}

TEST_F(PicksTest, ClicksBeyondTheNeighboursAreIgnored) {
  Deal(Stuck);
  for (auto [picked, ignored] : {std::pair<int, std::vector<int>>{10, {1, 3, 17, 19, 26, 12}},
                                 {7, {8, 14, 5}},
                                 {0, {9, 16, 2}},
                                 {63, {54, 61, 47}}}) {
    Click(static_cast<std::int16_t>(picked));
    for (int cell : ignored) Click(static_cast<std::int16_t>(cell));
    EXPECT_EQ(game.Picked[1], picked);
    EXPECT_EQ(RedFrames(), 1);
    game.imgrock_Click(static_cast<std::int16_t>(picked));
  }
  EXPECT_EQ(Show(game.Cells), Show(Stuck));
  EXPECT_EQ(toolkit.yields, 0);
  EXPECT_EQ(game.Tally, (Tallies{.GamesDealt = 1, .ClicksTooFar = 15}));
}

TEST_F(PicksTest, AnExchangeWithoutARunIsUndoneUnseen) {
  Deal(Stuck);
  const Board before = game.Cells;
  for (auto [first, second] : {std::pair{10, 9}, {10, 11}, {10, 2}, {10, 18}, {0, 8}, {63, 62}}) {
    Click(static_cast<std::int16_t>(first));
    Click(static_cast<std::int16_t>(second));
    EXPECT_EQ(game.Cells, before) << first << " with " << second;
    EXPECT_EQ(game.Picked[1], NoCell);
    EXPECT_EQ(game.SavedPick, NoCell);
    EXPECT_EQ(game.Picked[2], second);
  }
  EXPECT_FALSE(game.MoveFound);
  EXPECT_EQ(toolkit.yields, 0);
  EXPECT_EQ(game.Tally, (Tallies{.GamesDealt = 1, .ExchangesRefused = 6}));
  Click(5);  // a fresh first pick
  EXPECT_EQ(game.Picked[1], 5);
}

}  // namespace
}  // namespace glimmerix::testing
