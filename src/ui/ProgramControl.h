#pragma once

#include <functional>

class QWidget;

namespace scriptloom {

// Shows a window, or brings it to the front when it is already open. A window that was not open
// is fitted to the screen and centred on `opener`, the window that opened it (on the screen when
// there is none), which gets the keyboard back when the window is put away while it has it.
void showModeless(QWidget* window, QWidget* opener = nullptr);

// Lets pending window events run once, including other handlers, then returns.
void doEvents();

// Ends the program at once: every window goes and no closing handler runs.
void endProgram();
// Whether endProgram() has been called: work that runs its own loop (the main menu) stops at once.
bool programIsEnding();
// Replaces what endProgram() does (tests); an empty function restores the default. Either way
// the program counts as running again.
void setEndProgramHandler(std::function<void()> handler);

}  // namespace scriptloom
