#pragma once

// game/: the game window as a whole, its state, its commands and its one door to the
// window system; its rules live beside it in board/ and scoring/.

#include <array>
#include <cstdint>
#include <string>

#include "board/Board.h"
#include "board/RandomSource.h"
#include "game/Toolkit.h"
#include "game/Translatable.h"

namespace glimmerix {

// Fixed numbers of the game. Lengths are twips (15 to a pixel).
constexpr double GameSeconds = 90.0;
constexpr float DealtBarEnd = 4485;
constexpr float BarPerGem = 50;
constexpr float BarPerTick = 5;
constexpr float BarFloor = 20;  // a scoring player's bar stops shrinking here
constexpr float BonusThreshold = 4740;
constexpr float BarAfterBonus = 2400;
constexpr std::int16_t PointsPerGem = 10;
constexpr std::int16_t BonusPoints = 300;
constexpr std::int16_t MaxScore = 32767;
constexpr int DealtWidth = 4890;  // outer size of the game window at every deal
constexpr int DealtHeight = 6270;
constexpr std::int16_t KeyEscape = 27;
// The title of the box that stands over a board without moves.
constexpr auto NoMovesTitle = TRANSLATE_NOOP("frmMain", "No More Moves");

struct Label {
  std::string Caption;
};

// What the game has done since the program started, counted where the rules do it.
// The counts only grow: whoever wants to know what one event did compares them before
// and after it. The moves check's trial exchanges count nothing.
struct Tallies {
  int GamesDealt = 0;
  int BoardsRedealt = 0;     // dealt again after No More Moves
  int BoxesShown = 0;        // boxes that stopped the clock while they stood
  int ExchangesMade = 0;     // exchanges that made a run and stood
  int ExchangesRefused = 0;  // exchanges taken back: no run
  int ClicksTooFar = 0;      // a second click neither on the pick nor beside it
  int GemsCleared = 0;       // removed for points
  int PointsForGems = 0;
  int BonusesPaid = 0;
  int PointsForBonuses = 0;
  std::array<int, Rows> RunsAcross{};   // runs cleared for points along each row
  std::array<int, Columns> RunsDown{};  // and down each column

  friend bool operator==(const Tallies&, const Tallies&) = default;
};

struct Line {
  float X2 = 0;  // right end, twips; the left end is fixed
};

// The game window: the board, the score, the clock and every procedure that plays
// on them. It owns no widget; the view reads this state when it paints, and the
// game reaches the window system only through the Toolkit.
//
// Every handler may run nested inside another: at each DoEvents the pending clicks,
// ticks and commands run at once on the state of that moment. Nothing guards
// against that but TestingMoves, which keeps the moves check's trial exchanges
// from starting a cascade.
class frmMain {
 public:
  frmMain(Toolkit& toolkit, RandomSource& random) : toolkit_(toolkit), random_(random) {}

  // Events of the game window.
  void Form_Load();  // the deal: every new game starts here
  void lblColumn_Click(std::int16_t Column, std::int16_t Index);  // lblA_Click .. lblH_Click
  void imgrock_Click(std::int16_t Index);
  void tmrTimeline_Timer();
  void tmrFlicker_Timer();
  void mnuNewGame_Click();
  void mnuPauseGame_Click();
  void mnuExit_Click();
  void mnuHow_Click();
  void mnuAbout_Click();
  void Form_KeyDown(std::int16_t KeyCode, std::int16_t Shift);
  void Form_Resize();
  void Form_Unload();
  // The game-over window's YES: it only brings back this window with a new game.
  void cmdYes_Click();

  // The rules, one step at a time. Each takes its input from the state below and
  // reports through it.
  void FindMatches();
  void RemoveMatches();
  void DropGems();
  void RefillBoard();
  void CheckForMoves();
  void SwapGems();
  void CheckBonusBar();

  // The game state. Before the first deal everything is zero.
  Board Cells{};
  Label lblscore;
  Label lblDisplayTime;
  Line linTime;
  std::int16_t Score = 0;
  double TimeLeft = 0;
  bool ScoringOn = false;
  std::int16_t GemKind = 0;
  std::array<std::int16_t, 3> Picked{};  // Picked[1] first pick, Picked[2] second; [0] unused
  std::int16_t SavedPick = 0;
  bool MatchFound = false;
  bool TestingMoves = false;
  bool MoveFound = false;
  std::int16_t imgSwap = 0;  // the picture parked while two cells exchange theirs
  Tallies Tally;

 private:
  void DealGems();
  void DrawGem(std::int16_t cell);
  void SettleBoard();
  void RunCascade();
  void MarkRunsInLine(std::int16_t first, std::int16_t step);
  void CountRun(std::int16_t first, std::int16_t step);
  void TryAllPairs();
  void TryPair(std::int16_t column, std::int16_t row, std::int16_t toColumn, std::int16_t toRow);
  void ResetBoard();
  void ScoreGem();
  // The points the score actually took: it stops at MaxScore.
  std::int16_t AddToScore(std::int16_t points);
  void EndGame();
  void ShowPausingBox(const std::string& prompt, const std::string& title);

  Toolkit& toolkit_;
  RandomSource& random_;
};

// TimeLeft as the clock shows it: at least two digits, one decimal ("90.0", "05.0").
[[nodiscard]] std::string FormatTime(double seconds);

}  // namespace glimmerix
