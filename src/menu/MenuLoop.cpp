#include "menu/MenuLoop.h"

#include <QHash>
#include <QLabel>
#include <QPointer>
#include <vector>

#include "menu/MenuActions.h"
#include "menu/MenuGeometry.h"
#include "menu/MenuState.h"
#include "ui/FramePacer.h"
#include "ui/PictureBox.h"
#include "ui/ProgramControl.h"

namespace scriptloom {

namespace {

std::uint64_t framesDrawn = 0;

enum MenuItem { kCreateNewConfig = 0, kEditExistingConfig = 1, kExit = 2 };

// Performs the item a held button chose; true when the menu is done.
bool actOn(int item, QWidget* window) {
    switch (item) {
        case kCreateNewConfig:
            createNewConfigFile();
            return true;
        case kEditExistingConfig:
            return editExistingConfigFileFromMenu(window);
        case kExit:
            endProgram();
            return true;
        default:
            return false;
    }
}

}  // namespace

std::uint64_t menuFramesDrawn() {
    return framesDrawn;
}

void MenuLoop(PictureBox& surfaceBox, std::int16_t clickFlag, QLabel& measuringLabel) {
    const QPointer<PictureBox> surface(&surfaceBox);
    const QPointer<QLabel> label(&measuringLabel);
    MenuState& state = menuState();
    doEvents();
    state.MouseButtonDown = kFalse;
    state.pressedSinceLastFrame = false;
    state.keyChoice = -1;

    // The label sizes itself to its caption; its size is the size the text is drawn at. A text's
    // size cannot change while the menu runs, so each text is put to the label once per run and
    // its size kept, rather than some forty times a frame.
    QHash<QString, TextSize> sizes;
    const MeasureText measure = [&label, &sizes](const QString& text) {
        const auto known = sizes.constFind(text);
        if (known != sizes.cend()) {
            return *known;
        }
        label->setText(text);
        label->adjustSize();
        const TextSize size{static_cast<std::int16_t>(label->width()),
                            static_cast<std::int16_t>(label->height())};
        sizes.insert(text, size);
        return size;
    };
    MenuRun run;
    std::vector<MenuGlyph> glyphs;
    FramePacer pacer(surface);
    while (!surface.isNull() && !label.isNull() && !programIsEnding()) {
        surface->Cls();
        layOutMenuFrame(state, run, {surface->ScaleWidth(), surface->ScaleHeight()}, measure,
                        glyphs);
        for (const MenuGlyph& glyph : glyphs) {
            surface->setForeColor(glyph.colour);
            surface->TextOut(glyph.x, glyph.y, glyph.character);
        }
        const bool pressed = state.MouseButtonDown != kFalse || state.pressedSinceLastFrame;
        state.pressedSinceLastFrame = false;
        const int chosen = takeMenuChoice(state, pressed);
        if (clickFlag == 0 && actOn(chosen, surface->window())) {
            return;
        }
        // A choice that asked the user something let events run: the window may be gone.
        if (surface.isNull()) {
            return;
        }
        run.WavePhase = nextWavePhase(run.WavePhase);
        surface->Refresh();
        ++framesDrawn;
        if (!pacer.waitForNextFrame()) {
            return;
        }
    }
}

}  // namespace scriptloom
