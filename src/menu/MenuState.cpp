#include "menu/MenuState.h"

namespace scriptloom {

MenuState& menuState() {
    static MenuState state;
    return state;
}

}  // namespace scriptloom
