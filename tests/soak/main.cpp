// The re-entrancy soak: random play with events nested at the yields, checked after
// every event. Usage: glimmerix_soak [events] [seed]. The seed is printed; running
// again with it replays the same game exactly.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "../core/RandomPlay.h"

int main(int argc, char* argv[]) {
  const long events = argc > 1 ? std::atol(argv[1]) : 20000;
  const std::uint64_t seed =
      argc > 2
          ? std::strtoull(argv[2], nullptr, 10)
          : static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  std::printf("soak: %ld events, seed %llu\n", events, static_cast<unsigned long long>(seed));
  std::fflush(stdout);

  constexpr long EventsPerGame = 5000;  // a fresh player now and then varies the depth of play
  long played = 0;
  for (std::uint64_t round = 0; played < events; ++round) {
    glimmerix::testing::RandomPlay play(seed + round);
    const int now = static_cast<int>(std::min(EventsPerGame, events - played));
    if (const std::string broken = play.Play(now); !broken.empty()) {
      std::printf("soak: broken after %ld events (seed %llu, round %llu): %s\n", played,
                  static_cast<unsigned long long>(seed), static_cast<unsigned long long>(round),
                  broken.c_str());
      return 1;
    }
    played += now;
  }
  std::printf("soak: %ld events, 1 passed, 0 failed\n", played);
  return 0;
}
