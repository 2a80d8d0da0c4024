#include "GameFixture.h"

namespace glimmerix::testing {
namespace {

struct ClockTest : GameTest {
  void Tick(int ticks) {
    for (int i = 0; i < ticks; ++i) game.tmrTimeline_Timer();
  }
};

TEST_F(ClockTest, OneTickTakesATenthAndFiveTwipsOfBar) {
  Deal(Stuck);
  Tick(1);
  EXPECT_EQ(game.TimeLeft, 90.0 - 0.1);
  EXPECT_EQ(game.lblDisplayTime.Caption, "89.9");
  EXPECT_EQ(game.linTime.X2, 4480.0f);
}

TEST_F(ClockTest, TheLastTenthShowsAndTheNextTickEndsTheGame) {
  Deal(Stuck);
  Tick(850);
  EXPECT_EQ(game.lblDisplayTime.Caption, "05.0");
  Tick(50);
  EXPECT_EQ(game.lblDisplayTime.Caption, "00.0");
  EXPECT_GT(game.TimeLeft, 0.0);
  EXPECT_TRUE(toolkit.timelineEnabled);
  EXPECT_FALSE(toolkit.visible[Form::Over]);
  toolkit.log.clear();
  Tick(1);
  EXPECT_EQ(game.lblDisplayTime.Caption, "Game Over");
  EXPECT_EQ(toolkit.log,
            (std::vector<std::string>{"Clock off", "Main Hidden", "Over score 0", "Over Visible"}));
}

TEST_F(ClockTest, AScorelessBarRunsOffTheLeftAndAScoringOneStopsAt20) {
  Deal(Stuck);
  Tick(892);
  EXPECT_EQ(game.linTime.X2, 25.0f);
  Tick(1);
  EXPECT_EQ(game.linTime.X2, 20.0f);
  Tick(8);
  EXPECT_EQ(game.linTime.X2, -20.0f);

  Deal(Stuck);
  game.Score = 10;
  Tick(901);
  EXPECT_EQ(game.linTime.X2, 20.0f);
}

TEST_F(ClockTest, TheRedrawTickLeavesTheBarAsItWas) {
  game.linTime.X2 = 1234;
  game.tmrFlicker_Timer();
  EXPECT_EQ(game.linTime.X2, 1234.0f);
}

TEST_F(ClockTest, YesDealsAFreshGameAndTheNextEndReusesTheWindow) {
  Deal(Stuck);
  game.Score = 250;
  Tick(901);
  EXPECT_EQ(toolkit.overScore, "250");
  toolkit.log.clear();
  toolkit.state[Form::Main] = Minimized;
  random.kinds = KindsOf(Stuck);
  game.cmdYes_Click();
  EXPECT_EQ(toolkit.log,
            (std::vector<std::string>{"Over Hidden", "Main Visible", "Clock on",
                                      "Main WindowState 0", "Clock on", "Main Show", "DoEvents"}));
  EXPECT_EQ(game.lblscore.Caption, "0");
  EXPECT_EQ(game.lblDisplayTime.Caption, "90.0");
  EXPECT_EQ(game.linTime.X2, 4485.0f);
  EXPECT_TRUE(toolkit.visible[Form::Main]);
  EXPECT_FALSE(toolkit.visible[Form::Over]);
  game.Score = 20;
  Tick(901);
  EXPECT_EQ(toolkit.overScore, "20");
  EXPECT_TRUE(toolkit.visible[Form::Over]);
}

TEST(FormatTime, ShowsTwoDigitsAndOneDecimal) {
  EXPECT_EQ(FormatTime(90.0), "90.0");
  EXPECT_EQ(FormatTime(90.0 - 0.1), "89.9");
  EXPECT_EQ(FormatTime(5.0), "05.0");
  EXPECT_EQ(FormatTime(0.1), "00.1");
  EXPECT_EQ(FormatTime(8e-13), "00.0");
  EXPECT_EQ(FormatTime(-0.1), "-00.1");
}

}  // namespace
}  // namespace glimmerix::testing
