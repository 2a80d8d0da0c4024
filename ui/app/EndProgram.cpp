#include "ui/app/EndProgram.h"

#include <cstdio>
#include <cstdlib>

namespace glimmerix {

namespace {

void ExitAtOnce(int status) {
  std::fflush(nullptr);
  std::_Exit(status);
}

ProgramEnd programEnd = ExitAtOnce;

}  // namespace

void EndProgram(int status) {
  programEnd(status);
  std::abort();  // a stand-in that returned
}

void ReplaceProgramEnd(ProgramEnd end) {
  programEnd = end;
}

}  // namespace glimmerix
