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
};

// The program-wide menu state.
MenuState& menuState();

}  // namespace scriptloom
