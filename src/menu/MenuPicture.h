#pragma once

#include <QPixmap>
#include <QSize>

namespace scriptloom {

// The main menu's decoration: threads on a loom, woven into a band, under a crosshair. It is
// drawn here rather than stored, at the size asked for.
QPixmap menuPicture(QSize size);

}  // namespace scriptloom
