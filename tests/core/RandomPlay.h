#pragma once

#include <random>
#include <sstream>

#include "BoardPicture.h"
#include "FakeToolkit.h"

namespace glimmerix::testing {

// Plays the game with random events: clicks on frames and gems, clock ticks, the
// menu commands, Esc, minimise and restore, and YES when the game is over. Events
// arrive between others and, nested up to a bounded depth, at the game's yields,
// as the real event loop would deliver them. After every outermost event it checks
// what must always hold and reports the first broken rule; so it does at every yield,
// and a box saying no move is left is checked against the board behind it.
class RandomPlay {
 public:
  explicit RandomPlay(std::uint64_t seed, int maxDepth = 3) : chance_(seed), maxDepth_(maxDepth) {
    random_.Randomize(static_cast<float>(seed % 86400));
    toolkit_.clock = static_cast<float>(seed % 86400);
    toolkit_.onEveryYield = [this] {
      // No exchange is half made and no check is trying pairs when the game yields.
      if (game_.SavedPick != NoCell) brokenInside_ = "SavedPick set at a yield";
      if (game_.TestingMoves) brokenInside_ = "TestingMoves set at a yield";
      MaybeNested();
    };
    toolkit_.whileBoxOpen = [this] {
      ++boxes_;
      if (toolkit_.boxes.back().title == "No More Moves" && !Moves(game_.Cells, 1).empty()) {
        brokenInside_ = "no more moves, but the board has one";
      }
    };
    game_.Form_Load();
    NewGameStarted();
  }

  // Runs events until one breaks a rule; returns what broke, or "" after all ran.
  std::string Play(int events) {
    for (int event = 0; event < events; ++event) {
      const int before = eventsRun_;
      RunEvent();
      if (std::string broken = Check(eventsRun_ - before == 1); !broken.empty()) {
        return "event " + std::to_string(event) + ": " + broken + "\n" + Show(game_.Cells);
      }
    }
    return {};
  }

  [[nodiscard]] int Boxes() const { return boxes_; }
  [[nodiscard]] int Games() const { return games_; }

 private:
  int Roll(int below) { return std::uniform_int_distribution<int>(0, below - 1)(chance_); }

  void MaybeNested() {
    if (depth_ >= maxDepth_ || Roll(4) != 0) return;
    RunEvent();
  }

  // Only what the window system could deliver now: a hidden or minimised game
  // window takes no clicks or keys, and a stopped clock does not tick.
  void RunEvent() {
    ++depth_;
    ++eventsRun_;
    const bool mainUp = toolkit_.visible[Form::Main] && toolkit_.state[Form::Main] == Normal;
    const std::int16_t cell = static_cast<std::int16_t>(Roll(CellCount));
    switch (Roll(20)) {
      case 0:
      case 1:
      case 2:
      case 3:
      case 4:
      case 5:
        if (mainUp) game_.lblColumn_Click(ColumnOf(cell), RowOf(cell));
        break;
      case 6:
        if (mainUp)
          game_.imgrock_Click(game_.Picked[1] != NoCell && Roll(2) ? game_.Picked[1] : cell);
        break;
      case 7:
      case 8:
      case 9:
      case 10:
      case 11:
        if (toolkit_.timelineEnabled) game_.tmrTimeline_Timer();
        break;
      case 12:
        game_.tmrFlicker_Timer();
        break;
      case 13:
        if (mainUp) game_.mnuNewGame_Click();
        break;
      case 14:
        if (mainUp) game_.mnuPauseGame_Click();
        break;
      case 15:
        if (mainUp) (Roll(2) ? game_.mnuHow_Click() : game_.mnuAbout_Click());
        break;
      case 16:
        if (mainUp) game_.Form_KeyDown(KeyEscape, 0);
        break;
      case 17:
        if (toolkit_.visible[Form::Main]) {
          toolkit_.state[Form::Main] = Minimized - toolkit_.state[Form::Main];
          game_.Form_Resize();
        }
        break;
      default:
        if (toolkit_.visible[Form::Over]) game_.cmdYes_Click();
        break;
    }
    --depth_;
  }

  void NewGameStarted() {
    ++games_;
    deals_ = toolkit_.sizeChanges;
    lastScore_ = game_.Score;
    lastTime_ = game_.TimeLeft;
  }

  std::string Check(bool nothingNested) {
    if (!brokenInside_.empty()) return brokenInside_;
    int red = 0;
    for (std::int16_t cell = 0; cell < CellCount; ++cell) {
      const Cell& c = game_.Cells[cell];
      if (c.Kind < 1 || c.Kind > GemKinds) return "kind out of range at " + std::to_string(cell);
      if (c.Tag != CellTag::Empty) return "tag left at " + std::to_string(cell);
      if (!c.Visible) return "hidden cell at " + std::to_string(cell);
      if (c.Frame == FrameLook::Picked) {
        ++red;
        if (game_.Picked[1] != cell)
          return "red frame that is not the pick at " + std::to_string(cell);
      }
    }
    if (red > 1) return "more than one red frame";
    if ((game_.Picked[1] == NoCell) != (red == 0)) return "pick without its red frame";
    if (game_.SavedPick != NoCell) return "SavedPick left set";
    if (game_.TestingMoves) return "TestingMoves left set";
    if (!game_.ScoringOn) return "ScoringOn left off";
    if (game_.linTime.X2 >= BonusThreshold) return "bar at or past the bonus threshold";
    if (game_.Score < 0 || game_.Score > MaxScore) return "score out of range";
    if (HasRun(game_.Cells)) return "the board holds a run";
    // Only a check finds a move; a board dealt without runs is not checked.
    if (game_.MoveFound && Moves(game_.Cells, 1).empty()) return "a move found where none is";
    if (game_.lblscore.Caption != std::to_string(game_.Score)) return "score label is stale";
    const bool over = toolkit_.visible[Form::Over];
    if (game_.lblDisplayTime.Caption != (over ? "Game Over" : FormatTime(game_.TimeLeft)))
      return "clock label is stale";
    if (toolkit_.sizeChanges != deals_) {  // only a deal sets the window's size
      if (nothingNested && (game_.Score != 0 || game_.linTime.X2 != DealtBarEnd))
        return "a new game that does not start from nothing";
      NewGameStarted();
      return {};
    }
    if (game_.Score < lastScore_) return "score fell within a game";
    if (game_.TimeLeft > lastTime_) return "time rose within a game";
    lastScore_ = game_.Score;
    lastTime_ = game_.TimeLeft;
    return {};
  }

  std::mt19937_64 chance_;
  int maxDepth_;
  int depth_ = 0;
  int boxes_ = 0;
  int games_ = 0;
  int deals_ = 0;
  int eventsRun_ = 0;
  std::string brokenInside_;  // a rule broken inside the event, at a yield or in a box
  std::int16_t lastScore_ = 0;
  double lastTime_ = 0;
  FakeToolkit toolkit_;
  SeededRandom random_;
  frmMain game_{toolkit_, random_};
};

}  // namespace glimmerix::testing
