#pragma once

namespace glimmerix {

// Ends the program at once with this exit status, from any depth of nesting: no handler,
// destructor or event runs after it. Whatever in ui/ ends the program ends it here.
[[noreturn]] void EndProgram(int status);

// What EndProgram does instead, for the tests: a test in which the program ends must
// fail unless it expects the end. The stand-in must not return either.
using ProgramEnd = void (*)(int status);
void ReplaceProgramEnd(ProgramEnd end);

}  // namespace glimmerix
