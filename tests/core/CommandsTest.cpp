#include "GameFixture.h"

namespace glimmerix::testing {
namespace {

using CommandsTest = GameTest;

TEST_F(CommandsTest, BoxesHideTheBoardAndStopTheClockWhileOpen) {
  Deal(Stuck);
  game.tmrTimeline_Timer();
  const Board board = game.Cells;
  const double time = game.TimeLeft;
  toolkit.whileBoxOpen = [&] {
    EXPECT_FALSE(toolkit.timelineEnabled);
    EXPECT_FALSE(toolkit.visible[Form::Main]);
  };
  for (auto command :
       {&frmMain::mnuPauseGame_Click, &frmMain::mnuHow_Click, &frmMain::mnuAbout_Click}) {
    toolkit.log.clear();
    (game.*command)();
    EXPECT_EQ(toolkit.log[0], "Clock off");
    EXPECT_EQ(toolkit.log[1], "Main Hidden");
    EXPECT_EQ(toolkit.log[3], "Main Visible");
    EXPECT_EQ(toolkit.log[4], "Clock on");
  }
  EXPECT_EQ(game.Cells, board);
  EXPECT_EQ(game.TimeLeft, time);
}

TEST_F(CommandsTest, TheBoxesSayWhatTheGameSays) {
  game.mnuPauseGame_Click();
  game.mnuHow_Click();
  game.mnuAbout_Click();
  ASSERT_EQ(toolkit.boxes.size(), 3u);
  EXPECT_EQ(toolkit.boxes[0].title, "Glimmerix");
  EXPECT_EQ(toolkit.boxes[0].prompt, "Glimmerix is paused.  Click OK to unpause the game.");
  EXPECT_EQ(toolkit.boxes[1].title, "How to Play Glimmerix");
  const std::string& how = toolkit.boxes[1].prompt;
  EXPECT_EQ(how.rfind("The object of Glimmerix is to create horizontal", 0), 0u);
  EXPECT_NE(how.find("additional points.\r\n\r\nYou have only 90 seconds"), std::string::npos);
  EXPECT_TRUE(how.ends_with("right edge of the board.  Good luck!"));
  EXPECT_EQ(how.find("\r\n"), how.rfind("\r\n") - 2) << "one empty line between the paragraphs";
  EXPECT_EQ(toolkit.boxes[2].title, "About Glimmerix");
  const std::string& about = toolkit.boxes[2].prompt;
  EXPECT_EQ(std::count(about.begin(), about.end(), '\n'), 1);
  EXPECT_NE(about.find("\r\n"), std::string::npos);
}

TEST_F(CommandsTest, EscapePausesAndOtherKeysDoNothing) {
  game.Form_KeyDown('P', 0);
  game.Form_KeyDown(13, 0);
  EXPECT_TRUE(toolkit.boxes.empty());
  game.Form_KeyDown(KeyEscape, 2);
  ASSERT_EQ(toolkit.boxes.size(), 1u);
  EXPECT_EQ(toolkit.boxes[0].title, "Glimmerix");
}

TEST_F(CommandsTest, MinimisingStopsTheClockAndRestoringStartsIt) {
  Deal(Stuck);
  toolkit.state[Form::Main] = Minimized;
  game.Form_Resize();
  EXPECT_FALSE(toolkit.timelineEnabled);
  toolkit.state[Form::Main] = Maximized;
  game.Form_Resize();
  EXPECT_FALSE(toolkit.timelineEnabled) << "a maximised window changes nothing";
  toolkit.state[Form::Main] = Normal;
  game.Form_Resize();
  EXPECT_TRUE(toolkit.timelineEnabled);
}

TEST_F(CommandsTest, NewGameDealsAtOnceWithoutAQuestion) {
  Deal(Stuck);
  game.Score = 990;
  game.TimeLeft = 3;
  game.linTime.X2 = 100;
  random.kinds = KindsOf(FirstPairMove);
  game.mnuNewGame_Click();
  EXPECT_TRUE(toolkit.boxes.empty());
  EXPECT_EQ(game.lblscore.Caption, "0");
  EXPECT_EQ(game.lblDisplayTime.Caption, "90.0");
  EXPECT_EQ(game.linTime.X2, 4485.0f);
  EXPECT_EQ(Show(game.Cells), Show(FirstPairMove));
}

TEST_F(CommandsTest, ExitAndClosingEndTheProgram) {
  EXPECT_THROW(game.mnuExit_Click(), ProgramEnded);
  EXPECT_THROW(game.Form_Unload(), ProgramEnded);
}

}  // namespace
}  // namespace glimmerix::testing
