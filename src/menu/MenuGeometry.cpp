#include "menu/MenuGeometry.h"

#include <algorithm>
#include <cmath>

#include "files/Numbers.h"

namespace scriptloom {

namespace {

// The wave runs through about 4 x 3.14 over an item's width. The factor is 3.14 rather than pi,
// which is what gives the menu its exact look.
constexpr double kHalfTurn = 3.14;
// The hit box reaches this far left of and above the character it belongs to.
constexpr int kHitSlack = 5;

// Whether the pointer is in the box of the character drawn last (at x `previousX`, measured
// `previous`), widened to the left and upwards, at the height `glyphY` of the next character.
bool pointerOver(const MenuState& state, float glyphY, std::int16_t previousX, TextSize previous) {
    const auto mouseX = static_cast<float>(state.MouseX);
    const auto mouseY = static_cast<float>(state.MouseY);
    return glyphY - static_cast<float>(kHitSlack) < mouseY &&
           mouseY < glyphY + static_cast<float>(previous.height) &&
           state.MouseX > previousX - kHitSlack &&
           mouseX < static_cast<float>(previousX) + static_cast<float>(previous.width);
}

}  // namespace

void layOutMenuFrame(MenuState& state, MenuRun& run, SurfaceSize surface,
                     const MeasureText& measure, std::vector<MenuGlyph>& glyphs) {
    glyphs.clear();
    const int count = std::clamp<int>(state.MenuCount, 0, MenuState::kSlots);
    for (int item = 0; item < count; ++item) {
        const QString& text = state.MenuText[static_cast<std::size_t>(item)];
        std::int16_t& hover = state.MenuHover[static_cast<std::size_t>(item)];
        TextSize measured = measure(text);
        const std::int16_t quarterWidth = roundToInt16(measured.width / 4.0);
        const std::int16_t halfHeight = roundToInt16(measured.height / 2.0);
        const double band = surface.height / static_cast<double>(count + 1) * (item + 1);
        // The colour shows where the pointer was in the previous frame; this frame finds anew.
        const MenuColour colour = hover != kFalse ? state.HighlightColor : state.NormalColor;
        hover = item == state.keyHighlight ? kTrue : kFalse;
        std::int16_t advance = 0;
        for (const QChar character : text) {
            // An item too narrow to have a quarter width does not ripple.
            const double along = quarterWidth == 0 ? 0.0 : advance / double(quarterWidth);
            double wave = std::sin(along * kHalfTurn + run.WavePhase) * halfHeight / 2.0;
            if (colour == state.HighlightColor) {
                wave /= 2;
            }
            const auto glyphY = static_cast<float>(wave + band - halfHeight / 2.0);
            // While the keys hold the highlight, the pointer's place does not count.
            if (state.keyHighlight < 0 && pointerOver(state, glyphY, run.glyphX, measured)) {
                hover = kTrue;
            }
            run.glyphX = roundToInt16(surface.width / 2.0 + advance - quarterWidth * 2);
            glyphs.push_back({run.glyphX, roundToInt16(glyphY), character, colour});
            measured = measure(QString(character));
            advance = static_cast<std::int16_t>(advance + measured.width);
        }
    }
}

int chosenMenuItem(const MenuState& state) {
    for (int item = 0; item < 3; ++item) {
        if (state.MenuHover[static_cast<std::size_t>(item)] != kFalse) {
            return item;
        }
    }
    return -1;
}

float nextWavePhase(float phase) {
    auto next = static_cast<float>(phase + 0.1);
    if (next > 6.28) {
        next = static_cast<float>(next - 6.28);
    }
    return next;
}

}  // namespace scriptloom
