// game/: the game window's menu commands and window events. They touch only the
// game state and the Toolkit, so they build with the rules and are tested with them.
#include "game/Translatable.h"
#include "game/frmMain.h"

namespace glimmerix {

namespace {
constexpr auto AppTitle = "Glimmerix";
constexpr auto PausePrompt =
    TRANSLATE_NOOP("frmMain", "Glimmerix is paused.  Click OK to unpause the game.");
constexpr auto HowTitle = TRANSLATE_NOOP("frmMain", "How to Play Glimmerix");
constexpr auto HowPrompt = TRANSLATE_NOOP(
    "frmMain",
    "The object of Glimmerix is to create horizontal or vertical rows of three or more "
    "identical stones as quickly as possible.  This is accomplished by swapping adjacent "
    "gems.  To swap two gems, click on both of the gems to be moved.  Gems can be swapped "
    "only if doing so creates a row of three or more identical stones.  The larger the row "
    "that you create, the greater the number of points that you earn.  When a row of gems is "
    "created, that row disappears and new gems fall into its place.  Sometimes that causes "
    "more rows of gems to be created, earning you additional points."
    "\r\n\r\n"
    "You have only 90 seconds to play each game.  As you play, the blue bonus bar gets "
    "smaller, but every time that you create a row, the blue bar gets a little larger.  You "
    "will receive 300 bonus points if you can get the blue bar to reach the right edge of the "
    "board.  Good luck!");
constexpr auto AboutTitle = TRANSLATE_NOOP("frmMain", "About Glimmerix");
constexpr auto AboutPrompt =
    TRANSLATE_NOOP("frmMain", "Glimmerix 1.00\r\nWritten and drawn by the Glimmerix developers.");
}  // namespace

void frmMain::mnuNewGame_Click() {
  Form_Load();
}

void frmMain::mnuPauseGame_Click() {
  ShowPausingBox(PausePrompt, AppTitle);
}

void frmMain::mnuExit_Click() {
  toolkit_.End();
}

void frmMain::mnuHow_Click() {
  ShowPausingBox(HowPrompt, HowTitle);
}

void frmMain::mnuAbout_Click() {
  ShowPausingBox(AboutPrompt, AboutTitle);
}

void frmMain::Form_KeyDown(std::int16_t KeyCode, std::int16_t /*Shift*/) {
  if (KeyCode == KeyEscape) mnuPauseGame_Click();
}

// Restoring always starts the clock, whatever had stopped it.
void frmMain::Form_Resize() {
  if (toolkit_.WindowState(Form::Main) == Minimized) toolkit_.SetTimelineEnabled(false);
  if (toolkit_.WindowState(Form::Main) == Normal) toolkit_.SetTimelineEnabled(true);
}

void frmMain::Form_Unload() {
  toolkit_.End();
}

// While the box is open the board is out of sight and costs the player no time.
void frmMain::ShowPausingBox(const std::string& prompt, const std::string& title) {
  toolkit_.SetTimelineEnabled(false);
  toolkit_.SetVisible(Form::Main, false);
  toolkit_.MsgBox(prompt, title);
  ++Tally.BoxesShown;
  toolkit_.SetVisible(Form::Main, true);
  toolkit_.SetTimelineEnabled(true);
}

}  // namespace glimmerix
