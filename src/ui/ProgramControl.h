#pragma once

#include <functional>

namespace scriptloom {

// Lets pending window events run once, including other handlers, then returns.
void doEvents();

// Ends the program at once: every window goes and no closing handler runs.
void endProgram();
// Replaces what endProgram() does (tests); an empty function restores the default.
void setEndProgramHandler(std::function<void()> handler);

}  // namespace scriptloom
