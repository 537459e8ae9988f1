#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace scriptloom {

// Where a window opens, as the rectangle of its contents: as large as it asks to be (`wanted`),
// but shrunk to fit, with its frame, into the screen's free area (`available`), never below its
// `minimum`; then centred on `opener` (a window's frame, or the free area itself) and moved back
// inside the free area, its top-left corner first, so a window larger than the screen still shows
// its title bar.
QRect placedWindowRect(QSize wanted, QSize minimum, QMargins frame, QRect opener, QRect available);

// Sizes and places a window that is about to be shown: centred on the window that opened it
// (the screen, when there is none), and fitted to that window's screen. A window that has been
// on screen before knows its frame; for one that has not, a title bar and borders are allowed for.
void placeWindow(QWidget* window, const QWidget* opener);

}  // namespace scriptloom
