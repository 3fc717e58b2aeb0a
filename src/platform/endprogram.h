#pragma once
// Ending the program at once, after a fatal message (a 640-wide screen, no database, no sound
// device). The real program exits; tests install a handler that records the end, and the
// ProgramEnded exception then unwinds to the test so that no further step runs.
#include <functional>

namespace kwil {

struct ProgramEnded {};

// Runs the handler (the real one exits the process); when the handler returns, throws
// ProgramEnded, so EndProgram never returns to its caller.
[[noreturn]] void EndProgram();

// Installs the handler; an empty function restores the default (exit the process).
void setEndProgramHandler(std::function<void()> handler);

}  // namespace kwil
