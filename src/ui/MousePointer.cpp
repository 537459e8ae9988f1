#include "ui/MousePointer.h"

#include <QVariant>
#include <QWidget>

namespace scriptloom {

namespace {
constexpr const char* kPointerProperty = "MousePointer";
}

void setMousePointer(QWidget* window, std::int16_t pointer) {
    window->setProperty(kPointerProperty, static_cast<int>(pointer));
    if (pointer == kBusyPointer) {
        window->setCursor(Qt::BusyCursor);
    } else {
        window->unsetCursor();
    }
}

std::int16_t mousePointer(const QWidget* window) {
    return static_cast<std::int16_t>(window->property(kPointerProperty).toInt());
}

}  // namespace scriptloom
