#pragma once

#include <QRectF>
#include <QString>
#include <vector>

namespace scriptloom {

// One key of the keys picture: a key of a full-size US keyboard, or a button or wheel step of the
// mouse drawn beside it. Places are in key units (one letter key is 1 x 1), from the picture's
// top left corner.
struct KeyPlace {
    // The game's name for the key, as a "bind" line writes it; "" for a key the game has no name
    // for, which can never be bound.
    QString name;
    // What the key shows: its name, or a short form where the name is too long for the key.
    QString caption;
    double row;
    double column;
    double width = 1;
    double height = 1;
    bool onMouse = false;

    QRectF rect() const { return {column, row, width, height}; }
};

// The keyboard row by row (function row, main block, navigation block and arrows, keypad), then
// the mouse. Shift, Ctrl and Alt are there twice, left and right, with one name.
const std::vector<KeyPlace>& keyboardLayout();

// The whole picture, and the mouse's body around its buttons, in key units.
QRectF keyboardExtent();
QRectF mouseBody();

}  // namespace scriptloom
