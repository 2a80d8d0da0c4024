#pragma once

#include <gtest/gtest.h>

#include "BoardPicture.h"
#include "FakeToolkit.h"

namespace glimmerix::testing {

// A board without runs and without moves.
constexpr Picture Stuck{"12341234", "34123412", "12341234", "34123412",
                        "12341234", "34123412", "12341234", "34123412"};
// Without runs; the only move is the first pair the check tries, A0 with B0.
constexpr Picture FirstPairMove{"17341234", "74123412", "72341234", "34123412",
                                "12341234", "34123412", "12341234", "34123412"};
// Without runs; the only move is the last pair the check tries, H7 with H6.
constexpr Picture LastPairMove{"12341234", "34123412", "12341234", "34123412",
                               "12341234", "34123412", "12341234", "34123442"};

// The kinds a deal must draw, cell by cell, to lay out a picture.
inline std::deque<int> KindsOf(const Picture& picture) {
  std::deque<int> kinds;
  for (std::int16_t cell = 0; cell < CellCount; ++cell) {
    kinds.push_back(picture[RowOf(cell)][ColumnOf(cell)] - '0');
  }
  return kinds;
}

// Everything a deal, a check or an exchange sets besides the board and its frames.
struct GameState {
  std::int16_t Score;
  std::string ScoreLabel;
  double TimeLeft;
  std::string TimeLabel;
  float Bar;
  std::array<std::int16_t, 3> Picks;  // Picked(1), Picked(2), SavedPick
  bool ScoringOn, TestingMoves, MoveFound, ClockOn;

  friend bool operator==(const GameState&, const GameState&) = default;
  friend void PrintTo(const GameState& s, std::ostream* os) {
    *os << "Score " << s.Score << " \"" << s.ScoreLabel << "\", time " << s.TimeLeft << " \""
        << s.TimeLabel << "\", bar " << s.Bar << ", picks " << s.Picks[0] << " " << s.Picks[1]
        << " " << s.Picks[2] << ", scoring " << s.ScoringOn << ", testing " << s.TestingMoves
        << ", move found " << s.MoveFound << ", clock " << s.ClockOn;
  }
};

}  // namespace glimmerix::testing

namespace glimmerix {
inline void PrintTo(const Tallies& t, std::ostream* os) {
  const auto counts = [os](const auto& lines) {
    for (int runs : lines) *os << runs;
  };
  *os << "dealt " << t.GamesDealt << ", redealt " << t.BoardsRedealt << ", boxes " << t.BoxesShown
      << ", exchanges " << t.ExchangesMade << " made " << t.ExchangesRefused << " refused, too far "
      << t.ClicksTooFar << ", gems " << t.GemsCleared << " for " << t.PointsForGems << ", bonuses "
      << t.BonusesPaid << " for " << t.PointsForBonuses << ", runs across rows ";
  counts(t.RunsAcross);
  *os << " down columns ";
  counts(t.RunsDown);
}
}  // namespace glimmerix

namespace glimmerix::testing {

struct GameTest : ::testing::Test {
  FakeToolkit toolkit;
  ScriptedRandom random;
  frmMain game{toolkit, random};

  // Deals a new game whose board is the picture; then forgets what the deal logged.
  void Deal(const Picture& picture) {
    random.kinds = KindsOf(picture);
    game.Form_Load();
    ASSERT_EQ(Show(game.Cells), Show(picture)) << "the deal settled the board";
    toolkit.log.clear();
    toolkit.yields = 0;
  }
  void Click(std::int16_t cell) { game.lblColumn_Click(ColumnOf(cell), RowOf(cell)); }
  [[nodiscard]] bool HoldsRun() const { return HasRun(game.Cells); }
  [[nodiscard]] GameState State() const {
    return {game.Score,      game.lblscore.Caption,
            game.TimeLeft,   game.lblDisplayTime.Caption,
            game.linTime.X2, {game.Picked[1], game.Picked[2], game.SavedPick},
            game.ScoringOn,  game.TestingMoves,
            game.MoveFound,  toolkit.timelineEnabled};
  }
  [[nodiscard]] int RedFrames() const {
    int red = 0;
    for (const Cell& cell : game.Cells) red += cell.Frame == FrameLook::Picked;
    return red;
  }
  [[nodiscard]] bool AllShownAndUntagged() const {
    for (const Cell& cell : game.Cells) {
      if (!cell.Visible || cell.Tag != CellTag::Empty) return false;
    }
    return true;
  }
};

}  // namespace glimmerix::testing
