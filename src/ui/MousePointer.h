#pragma once

#include <cstdint>

class QWidget;

namespace scriptloom {

// A window's mouse pointer by number: the arrow with an hourglass while the window is busy, the
// default pointer otherwise.
enum MousePointer : std::int16_t {
    kDefaultPointer = 0,
    kBusyPointer = 13,
};

void setMousePointer(QWidget* window, std::int16_t pointer);
std::int16_t mousePointer(const QWidget* window);

}  // namespace scriptloom
