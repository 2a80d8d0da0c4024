#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace glimmerix::testing {

// The exit status of a test process in which the program ended: never a pass.
constexpr int EndedInTest = 3;

// Stands in for the program's end in the window tests: the test process ends at once,
// as the program would, but with a failing status and a line that names the test.
[[noreturn]] inline void EndInTest(int status) {
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  std::fprintf(stderr, "%s: the program ended with status %d\n", test ? test->name() : "-", status);
  std::fflush(nullptr);
  std::_Exit(EndedInTest);
}

}  // namespace glimmerix::testing

// A test that expects the program to end runs the statement in a child process.
#define EXPECT_PROGRAM_END(statement, status)                                          \
  EXPECT_EXIT(statement, ::testing::ExitedWithCode(::glimmerix::testing::EndedInTest), \
              "the program ended with status " #status "\n")
