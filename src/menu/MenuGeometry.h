#pragma once

#include <QChar>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include "menu/MenuState.h"

namespace scriptloom {

// The size a text is drawn at on the menu's surface, in its pixels, as the measuring label
// reports it.
struct TextSize {
    std::int16_t width = 0;
    std::int16_t height = 0;
};

// Sets the measuring label's caption to a text and reads the label's size.
using MeasureText = std::function<TextSize(const QString& text)>;

// The drawing area of the menu's surface, in its pixels.
struct SurfaceSize {
    float width = 0;
    float height = 0;
};

// What one run of the menu carries from frame to frame. A run starts at zero.
struct MenuRun {
    float WavePhase = 0;
    // x of the character drawn last, carried from character to character, item to item and
    // frame to frame: the first character of an item is hit-tested against it.
    std::int16_t glyphX = 0;
};

// One character of a frame, drawn with the top-left corner of its cell at (x, y).
struct MenuGlyph {
    std::int16_t x = 0;
    std::int16_t y = 0;
    QChar character;
    MenuColour colour = 0;
};

// Lays out one frame of the menu into `glyphs`, one per character of every item, and records in
// the state which items the pointer is over.
//
// The items share the surface's height in equal bands, each centred across its width. Every
// character is lifted or lowered by a wave that travels with the phase: about two periods over an
// item's width, half as high as the item's text. An item the pointer was over in the previous
// frame is drawn in the highlight colour with half the wave. Before a character is placed, the
// pointer is tested against the box of the character drawn just before it (for an item's first
// character, the last one drawn before the item, as wide as the whole item text), widened by 5 to
// the left and upwards, at the height of the character about to be drawn. While the keys hold the
// highlight, the item they highlighted counts as the one the pointer is over, and no other.
void layOutMenuFrame(MenuState& state, MenuRun& run, SurfaceSize surface,
                     const MeasureText& measure, std::vector<MenuGlyph>& glyphs);

// The item a held button chooses: the first of items 0 to 2 the pointer is over, or -1.
int chosenMenuItem(const MenuState& state);

// The phase of the next frame: 0.1 further on, and brought back by 6.28 once it passes 6.28.
float nextWavePhase(float phase);

}  // namespace scriptloom
