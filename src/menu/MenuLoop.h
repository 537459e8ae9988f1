#pragma once

#include <cstdint>

class QLabel;

namespace scriptloom {

class PictureBox;

// Runs the main menu on a surface until the user chooses an item: each frame draws the items
// rippling, acts on a button held over an item, and lets window events run until the next frame.
// A button already down when the menu starts is not taken as a choice. Clicks are acted on only
// while clickFlag is 0. It returns once "Create New Config File" has opened the game set picker
// or an existing config has been opened, and as soon as the program is ending ("Exit" ends it).
void MenuLoop(PictureBox& surface, std::int16_t clickFlag, QLabel& measuringLabel);

// How many frames the menu has drawn since the program started (benchmarks, tests).
std::uint64_t menuFramesDrawn();

}  // namespace scriptloom
