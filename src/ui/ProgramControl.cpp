#include "ui/ProgramControl.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
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

// Gives the keyboard back to the window that opened a dialog when the dialog goes away while it
// has the keyboard, or while no window has it: not every window manager does, and without one
// nothing would.
class FocusReturn : public QObject {
public:
    explicit FocusReturn(QWidget* window) : QObject(window) {
        setObjectName(QStringLiteral("focusReturn"));
        window->installEventFilter(this);
    }
    QPointer<QWidget> opener;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QWidget* active = QApplication::activeWindow();
        if (event->type() == QEvent::Hide && watched == parent() && !opener.isNull() &&
            opener->isVisible() && (active == nullptr || active == parent())) {
            opener->activateWindow();
        }
        return false;
    }
};

}  // namespace

void showModeless(QWidget* window, QWidget* opener) {
    if (!window->isVisible()) {
        placeWindow(window, opener);
        auto* focusReturn = static_cast<FocusReturn*>(
            window->findChild<QObject*>(QStringLiteral("focusReturn"), Qt::FindDirectChildrenOnly));
        if (focusReturn == nullptr) {
            focusReturn = new FocusReturn(window);
        }
        focusReturn->opener = opener;
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
