#include "GameFixture.h"

namespace glimmerix::testing {
namespace {

struct ScoreTest : GameTest {
  // Removes the run of three in column A rows 0-2 of a board that has only that run.
  void RemoveThree() {
    SetBoard(game.Cells, {"51341234", "54123412", "52341234", "34123412", "12341234", "34123412",
                          "12341234", "34123412"});
    game.FindMatches();
    game.RemoveMatches();
  }
};

TEST_F(ScoreTest, TheBonusIsPaidAtTheGemThatReachesTheThreshold) {
  game.ScoringOn = true;
  for (auto [bar, score, barAfter] : {std::tuple{4735.0f, 330, 2500.0f},  // first gem: 4785
                                      {4590.0f, 330, 2400.0f},            // last: exactly 4740
                                      {4580.0f, 30, 4730.0f}}) {          // never reaches it
    game.Score = 0;
    game.linTime.X2 = bar;
    game.Tally = {};
    RemoveThree();
    const int bonuses = score / 300;
    EXPECT_EQ(game.Tally, (Tallies{.GemsCleared = 3,
                                   .PointsForGems = 30,
                                   .BonusesPaid = bonuses,
                                   .PointsForBonuses = 300 * bonuses,
                                   .RunsDown = {1}}))
        << "bar " << bar;
    EXPECT_EQ(game.Score, score) << "bar " << bar;
    EXPECT_EQ(game.lblscore.Caption, std::to_string(score));
    EXPECT_EQ(game.linTime.X2, barAfter) << "bar " << bar;
  }
}

TEST_F(ScoreTest, WithoutScoringTheLabelIsRewrittenButNothingGrows) {
  game.ScoringOn = false;
  game.Score = 120;
  game.lblscore.Caption = "stale";
  game.linTime.X2 = 4735;
  RemoveThree();
  EXPECT_EQ(game.Score, 120);
  EXPECT_EQ(game.lblscore.Caption, "120");
  EXPECT_EQ(game.linTime.X2, 4735.0f);
  EXPECT_EQ(game.Tally, Tallies{}) << "gems cleared for nothing";
}

// The score is 16 bits: it stops at its largest value instead of wrapping negative.
TEST_F(ScoreTest, TheScoreStopsAt32767) {
  game.ScoringOn = true;
  game.Score = 32750;
  game.linTime.X2 = 4700;  // the first gem pays a bonus past the limit as well
  RemoveThree();
  EXPECT_EQ(game.Score, MaxScore);
  EXPECT_EQ(game.lblscore.Caption, "32767");
  RemoveThree();
  EXPECT_EQ(game.Score, MaxScore);
  EXPECT_EQ(game.Tally, (Tallies{.GemsCleared = 6,
                                 .PointsForGems = 10,
                                 .BonusesPaid = 1,
                                 .PointsForBonuses = 7,
                                 .RunsDown = {2}}))
      << "the points the score took";
}

}  // namespace
}  // namespace glimmerix::testing
