#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "board/RandomSource.h"
#include "game/Toolkit.h"
#include "game/frmMain.h"

namespace glimmerix::testing {

// Thrown by End so a test can see the program stop at any depth of nesting.
struct ProgramEnded {};

// A window system that records what the game asks of it and runs scripted events
// at chosen yields, nested as the real event loop would run them.
class FakeToolkit : public Toolkit {
 public:
  void DoEvents() override {
    ++yields;
    log.push_back("DoEvents");
    if (onEveryYield) onEveryYield();
    if (auto at = atYield.find(yields); at != atYield.end()) {
      auto action = std::move(at->second);
      atYield.erase(at);
      action();
    }
  }
  void MsgBox(const std::string& prompt, const std::string& title) override {
    boxes.push_back({title, prompt});
    log.push_back("MsgBox " + title);
    if (whileBoxOpen) whileBoxOpen();
  }
  [[noreturn]] void End() override {
    log.push_back("End");
    throw ProgramEnded{};
  }
  [[nodiscard]] float Timer() const override { return clock; }
  void SetTimelineEnabled(bool enabled) override {
    timelineEnabled = enabled;
    log.push_back(enabled ? "Clock on" : "Clock off");
  }
  void Show(Form form) override {
    visible[form] = true;
    log.push_back(Name(form) + " Show");
  }
  void SetVisible(Form form, bool v) override {
    visible[form] = v;
    log.push_back(Name(form) + (v ? " Visible" : " Hidden"));
  }
  [[nodiscard]] int WindowState(Form form) const override { return state.at(form); }
  void SetWindowState(Form form, int s) override {
    state[form] = s;
    log.push_back(Name(form) + " WindowState " + std::to_string(s));
  }
  void SetSize(Form, int w, int h) override {
    size = {w, h};
    ++sizeChanges;
  }
  void SetOverScore(const std::string& caption) override {
    overScore = caption;
    log.push_back("Over score " + caption);
  }

  struct Box {
    std::string title, prompt;
  };

  int yields = 0;
  std::vector<std::string> log;
  std::map<int, std::function<void()>> atYield;  // by yield number, counted from 1
  std::function<void()> onEveryYield;
  std::function<void()> whileBoxOpen;
  std::vector<Box> boxes;
  float clock = 36000.5f;
  bool timelineEnabled = false;
  std::map<Form, bool> visible{{Form::Main, false}, {Form::Over, false}};
  std::map<Form, int> state{{Form::Main, Normal}, {Form::Over, Normal}};
  std::pair<int, int> size{};
  int sizeChanges = 0;
  std::string overScore;

 private:
  static std::string Name(Form form) { return form == Form::Main ? "Main" : "Over"; }
};

// Chance on a script: each listed kind is drawn in turn; once the script runs out,
// a fixed-seed generator takes over. Every Randomize is recorded.
class ScriptedRandom : public RandomSource {
 public:
  void Randomize(float seed) override {
    seeds.push_back(seed);
    fallback.Randomize(seed);
  }
  [[nodiscard]] double Rnd() override {
    if (kinds.empty()) return fallback.Rnd();
    const int kind = kinds.front();
    kinds.pop_front();
    return (kind - 0.5) / GemKinds;
  }
  std::deque<int> kinds;
  std::vector<float> seeds;
  SeededRandom fallback;
};

}  // namespace glimmerix::testing
