#include <benchmark/benchmark.h>

#include "game/frmMain.h"

namespace glimmerix {
namespace {

// A window system that does nothing, so only the rules are timed.
class SilentToolkit final : public Toolkit {
 public:
  void DoEvents() override {}
  void MsgBox(const std::string&, const std::string&) override {}
  [[noreturn]] void End() override { std::abort(); }
  [[nodiscard]] float Timer() const override { return seed += 1.0f; }
  void SetTimelineEnabled(bool) override {}
  void Show(Form) override {}
  void SetVisible(Form, bool) override {}
  [[nodiscard]] int WindowState(Form) const override { return Normal; }
  void SetWindowState(Form, int) override {}
  void SetSize(Form, int, int) override {}
  void SetOverScore(const std::string&) override {}

 private:
  mutable float seed = 0;
};

struct Bench {
  Bench() { game.Form_Load(); }
  SilentToolkit toolkit;
  SeededRandom random;
  frmMain game{toolkit, random};
};

void FindMatchesOnASettledBoard(benchmark::State& state) {
  Bench bench;
  for (auto _ : state) {
    bench.game.FindMatches();
    benchmark::DoNotOptimize(bench.game.MatchFound);
  }
}
BENCHMARK(FindMatchesOnASettledBoard);

// All 112 trial exchanges, each judged by a scan of the whole board.
void MovesCheck(benchmark::State& state) {
  Bench bench;
  for (auto _ : state) {
    bench.game.CheckForMoves();
    benchmark::DoNotOptimize(bench.game.MoveFound);
  }
}
BENCHMARK(MovesCheck);

// A new game: the deal, its settling cascade and the checks that end each wave.
void DealAndSettle(benchmark::State& state) {
  Bench bench;
  for (auto _ : state) {
    bench.game.Form_Load();
    benchmark::DoNotOptimize(bench.game.Cells);
  }
}
BENCHMARK(DealAndSettle);

}  // namespace
}  // namespace glimmerix
