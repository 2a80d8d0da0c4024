#include "GameFixture.h"

namespace glimmerix::testing {
namespace {

using CommandsTest = GameTest;

constexpr auto HowToPlay =
    "The object of Glimmerix is to create horizontal or vertical rows of three or more identical "
    "stones as quickly as possible.  This is accomplished by swapping adjacent gems.  To swap two "
    "gems, click on both of the gems to be moved.  Gems can be swapped only if doing so creates a "
    "row of three or more identical stones.  The larger the row that you create, the greater the "
    "number of points that you earn.  When a row of gems is created, that row disappears and new "
    "gems fall into its place.  Sometimes that causes more rows of gems to be created, earning "
    "you additional points.\r\n\r\nYou have only 90 seconds to play each game.  As you play, the "
    "blue bonus bar gets smaller, but every time that you create a row, the blue bar gets a "
    "little larger.  You will receive 300 bonus points if you can get the blue bar to reach the "
    "right edge of the board.  Good luck!";

// Each box hides the board and stops the clock while it is open; the game then goes
// on where it stood.
TEST_F(CommandsTest, BoxesSayTheirTextWhileTheBoardIsHiddenAndTheClockStopped) {
  Deal(Stuck);
  game.tmrTimeline_Timer();
  const Board board = game.Cells;
  const GameState state = State();
  toolkit.whileBoxOpen = [&] {
    EXPECT_FALSE(toolkit.timelineEnabled);
    EXPECT_FALSE(toolkit.visible[Form::Main]);
  };
  for (auto [command, title, prompt] :
       {std::tuple{&frmMain::mnuPauseGame_Click, "Glimmerix",
                   "Glimmerix is paused.  Click OK to unpause the game."},
        {&frmMain::mnuHow_Click, "How to Play Glimmerix", HowToPlay},
        {&frmMain::mnuAbout_Click, "About Glimmerix",
         "Glimmerix 1.00\r\nWritten and drawn by the Glimmerix developers."}}) {
    toolkit.log.clear();
    toolkit.boxes.clear();
    (game.*command)();
    EXPECT_EQ(toolkit.log,
              (std::vector<std::string>{"Clock off", "Main Hidden", std::string("MsgBox ") + title,
                                        "Main Visible", "Clock on"}));
    ASSERT_EQ(toolkit.boxes.size(), 1u);
    EXPECT_EQ(toolkit.boxes[0].title, title);
    EXPECT_EQ(toolkit.boxes[0].prompt, prompt);
  }
  EXPECT_EQ(game.Cells, board);
  EXPECT_EQ(State(), state);
  EXPECT_EQ(game.Tally, (Tallies{.GamesDealt = 1, .BoxesShown = 3}));
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
  EXPECT_EQ(game.Tally.GamesDealt, 2);
}

TEST_F(CommandsTest, ExitAndClosingEndTheProgram) {
  EXPECT_THROW(game.mnuExit_Click(), ProgramEnded);
  EXPECT_THROW(game.Form_Unload(), ProgramEnded);
}

}  // namespace
}  // namespace glimmerix::testing
