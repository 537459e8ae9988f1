#pragma once

#include <QPixmap>
#include <QSize>

namespace scriptloom {

// The main menu's decoration: threads on a loom, woven into a band, under a crosshair. It is
// drawn here rather than stored, at the size asked for and as sharp as the screen's density allows.
QPixmap menuPicture(QSize size, qreal density);

}  // namespace scriptloom
