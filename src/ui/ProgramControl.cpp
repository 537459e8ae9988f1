#include "ui/ProgramControl.h"

#include <QApplication>
#include <QWidget>

#include "ui/WindowPlacement.h"

namespace scriptloom {

namespace {
std::function<void()>& endHandler() {
    static std::function<void()> handler;
    return handler;
}

bool& ending() {
    static bool flag = false;
    return flag;
}

void endNow() {
    // Hiding runs no close handler, so nothing can ask or save on the way out.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->hide();
    }
    QCoreApplication::exit(0);
}
}  // namespace

void showModeless(QWidget* window, const QWidget* opener) {
    if (!window->isVisible()) {
        placeWindow(window, opener);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void doEvents() {
    QCoreApplication::processEvents();
}

void endProgram() {
    ending() = true;
    if (endHandler()) {
        endHandler()();
    } else {
        endNow();
    }
}

bool programIsEnding() {
    return ending();
}

void setEndProgramHandler(std::function<void()> handler) {
    endHandler() = std::move(handler);
    ending() = false;
}

}  // namespace scriptloom
