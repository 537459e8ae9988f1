#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "files/Numbers.h"

namespace scriptloom {

// A colour as the menu keeps it: 0xAARRGGBB, fully opaque.
using MenuColour = std::uint32_t;
constexpr MenuColour menuRgb(int red, int green, int blue) {
    return 0xFF000000u | (static_cast<MenuColour>(red) << 16) |
           (static_cast<MenuColour>(green) << 8) | static_cast<MenuColour>(blue);
}

// The main menu's items, colours and what the mouse does over its surface. The menu window fills
// the items and colours when it loads and stores the mouse state; the menu loop reads it all and
// records which item the pointer is over. It outlives each run of the loop, so a return to the
// menu finds the items, colours and pointer position as they were.
struct MenuState {
    // Slots for item texts and hover flags; the menu uses the first MenuCount of them.
    static constexpr int kSlots = 11;

    std::array<QString, kSlots> MenuText;
    std::int16_t MenuCount = 0;
    std::array<std::int16_t, kSlots> MenuHover{};  // kTrue while the pointer is over item i
    MenuColour HighlightColor = 0;
    MenuColour NormalColor = 0;
    std::int16_t MouseX = 0;  // last pointer position over the surface, in its pixels
    std::int16_t MouseY = 0;
    std::int16_t MouseButtonDown = kFalse;  // kTrue while a button is held over the surface
    // Set by every press over the surface and cleared by the next frame: the menu draws one frame
    // per display refresh, and a quick click (a tap on a touchpad) can be pressed and released
    // between two frames. Such a press still chooses, once.
    bool pressedSinceLastFrame = false;
    // The item the keys highlighted, or -1. The highlight is one: whichever of the keys and the
    // pointer moved last decides it, so a pointer that moves or presses hands it back.
    std::int16_t keyHighlight = -1;
    // An item a key chose (Enter, Space, or Alt with the item's letter) for the next frame to act
    // on, as a click would; -1 when none.
    std::int16_t keyChoice = -1;
};

// The program-wide menu state.
MenuState& menuState();

// The item highlighted now: the one the keys chose, else the first the pointer was over in the
// last frame; -1 when none is.
int highlightedMenuItem(const MenuState& state);

// Up (step -1), Down and Tab (step 1) move the highlight to the next item in turn, round from
// the last item to the first and back. With nothing highlighted, a step forward highlights the
// first item and a step back the last.
void moveMenuHighlight(MenuState& state, int step);

// Enter and Space: the highlighted item is acted on in the next frame; nothing when none is.
void chooseHighlightedMenuItem(MenuState& state);

// Alt with an item's letter: that item is highlighted and acted on in the next frame.
void chooseMenuItem(MenuState& state, int item);

// The pointer is at (x, y) over the surface; when it has really moved, the highlight is the
// pointer's again.
void pointerMovedOverMenu(MenuState& state, std::int16_t x, std::int16_t y);
// A button went down over the surface: the highlight is the pointer's again, and the press counts
// even when it is released before the next frame.
void pointerPressedOverMenu(MenuState& state);

// The item this frame acts on, taking the key's choice: the one a key chose, else, when a button
// was pressed, the first the pointer is over; -1 when none.
int takeMenuChoice(MenuState& state, bool buttonPressed);

}  // namespace scriptloom
