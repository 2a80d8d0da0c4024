#include "GameFixture.h"

namespace glimmerix::testing {
namespace {

// Events delivered at the yields of a player's cascade run nested, on the state of
// that moment; the cascade then goes on. Column A's run of the board below is made
// by exchanging cells 0 and 8; the wave yields five times before its refill.
struct NestingTest : GameTest, ::testing::WithParamInterface<int> {
  void ExchangeWith(std::function<void()> atYield) {
    Deal(FirstPairMove);
    toolkit.atYield[GetParam()] = std::move(atYield);
    random.kinds = {1, 1, 2};
    Click(0);
    Click(8);
  }
  void ExpectSettledFullBoard() {
    EXPECT_TRUE(AllShownAndUntagged());
    EXPECT_FALSE(HoldsRun());
    EXPECT_EQ(game.SavedPick, NoCell);
    EXPECT_FALSE(game.TestingMoves);
    EXPECT_TRUE(game.ScoringOn);
  }
};

TEST_P(NestingTest, NewGameDealsUnderTheCascadeWhichThenFillsItsGaps) {
  ExchangeWith([&] { game.mnuNewGame_Click(); });
  ExpectSettledFullBoard();
  EXPECT_EQ(RedFrames(), 0);
  EXPECT_EQ(game.TimeLeft, 90.0);
  EXPECT_LE(game.Score, 30) << "only gems removed after the new deal count for it";
}

TEST_P(NestingTest, APickAtAYieldSurvivesTheChecksAndStaysTheOnlyRedFrame) {
  ExchangeWith([&] { Click(45); });
  ExpectSettledFullBoard();
  EXPECT_EQ(game.Picked[1], 45);
  EXPECT_EQ(game.Cells[45].Frame, FrameLook::Picked);
  EXPECT_EQ(RedFrames(), 1);
}

TEST_P(NestingTest, AnExchangeAtAYieldRunsItsOwnCascadeInside) {
  ExchangeWith([&] {
    Click(62);
    Click(63);
  });
  ExpectSettledFullBoard();
  EXPECT_EQ(game.Picked[1], NoCell);
  EXPECT_EQ(RedFrames(), 0);
}

TEST_P(NestingTest, TimeRunningOutShowsTheScoreOfThatMomentWhileTheCascadeGoesOn) {
  ExchangeWith([&] {
    game.TimeLeft = 0.05;
    game.tmrTimeline_Timer();
  });
  ExpectSettledFullBoard();
  EXPECT_EQ(game.Score, 30);
  const int scoredBeforeTheEnd = GetParam() == 1 ? 0 : 30;
  EXPECT_EQ(toolkit.overScore, std::to_string(scoredBeforeTheEnd));
  EXPECT_TRUE(toolkit.visible[Form::Over]);
  EXPECT_FALSE(toolkit.visible[Form::Main]);
  EXPECT_EQ(game.lblDisplayTime.Caption, "Game Over");
}

TEST_P(NestingTest, APauseHoldsTheCascadeUntilTheBoxIsDismissed) {
  bool boxSeen = false;
  toolkit.whileBoxOpen = [&] {
    boxSeen = true;
    EXPECT_FALSE(toolkit.timelineEnabled);
  };
  ExchangeWith([&] { game.Form_KeyDown(KeyEscape, 0); });
  EXPECT_TRUE(boxSeen);
  ExpectSettledFullBoard();
  EXPECT_EQ(game.Score, 30);
  EXPECT_TRUE(toolkit.timelineEnabled);
  EXPECT_TRUE(toolkit.visible[Form::Main]);
}

TEST_P(NestingTest, ExitEndsTheProgramFromInsideTheCascade) {
  EXPECT_THROW(ExchangeWith([&] { game.mnuExit_Click(); }), ProgramEnded);
  EXPECT_EQ(toolkit.log.back(), "End");
}

INSTANTIATE_TEST_SUITE_P(AtEachYieldOfAWave, NestingTest, ::testing::Range(1, 6));

}  // namespace
}  // namespace glimmerix::testing
