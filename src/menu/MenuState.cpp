#include "menu/MenuState.h"

#include <algorithm>

#include "menu/MenuGeometry.h"

namespace scriptloom {

MenuState& menuState() {
    static MenuState state;
    return state;
}

namespace {

int itemCount(const MenuState& state) {
    return std::clamp<int>(state.MenuCount, 0, MenuState::kSlots);
}

int firstHoveredItem(const MenuState& state) {
    for (int item = 0; item < itemCount(state); ++item) {
        if (state.MenuHover[static_cast<std::size_t>(item)] != kFalse) {
            return item;
        }
    }
    return -1;
}

}  // namespace

int highlightedMenuItem(const MenuState& state) {
    return state.keyHighlight >= 0 ? state.keyHighlight : firstHoveredItem(state);
}

void moveMenuHighlight(MenuState& state, int step) {
    const int count = itemCount(state);
    if (count == 0) {
        return;
    }
    const int from = highlightedMenuItem(state);
    const int to = from < 0 ? (step > 0 ? 0 : count - 1) : ((from + step) % count + count) % count;
    state.keyHighlight = static_cast<std::int16_t>(to);
}

void chooseHighlightedMenuItem(MenuState& state) {
    state.keyChoice = static_cast<std::int16_t>(highlightedMenuItem(state));
}

void chooseMenuItem(MenuState& state, int item) {
    if (item < 0 || item >= itemCount(state)) {
        return;
    }
    state.keyHighlight = static_cast<std::int16_t>(item);
    state.keyChoice = static_cast<std::int16_t>(item);
}

void pointerMovedOverMenu(MenuState& state, std::int16_t x, std::int16_t y) {
    if (x != state.MouseX || y != state.MouseY) {
        state.keyHighlight = -1;
    }
    state.MouseX = x;
    state.MouseY = y;
}

void pointerPressedOverMenu(MenuState& state) {
    state.MouseButtonDown = kTrue;
    state.pressedSinceLastFrame = true;
    state.keyHighlight = -1;
}

int takeMenuChoice(MenuState& state, bool buttonPressed) {
    const int keyChoice = state.keyChoice;
    state.keyChoice = -1;
    if (keyChoice >= 0) {
        return keyChoice;
    }
    return buttonPressed ? chosenMenuItem(state) : -1;
}

}  // namespace scriptloom
