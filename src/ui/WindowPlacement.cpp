#include "ui/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace scriptloom {

namespace {

// The frame a window manager usually adds, for a window that has not been on screen yet.
constexpr QMargins kUsualFrame(4, 32, 4, 4);

QMargins frameOf(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QRect inside = window->geometry();
    if (!window->testAttribute(Qt::WA_WState_Created) || frame == inside) {
        return kUsualFrame;
    }
    return {inside.left() - frame.left(), inside.top() - frame.top(),
            frame.right() - inside.right(), frame.bottom() - inside.bottom()};
}

}  // namespace

QRect placedWindowRect(QSize wanted, QSize minimum, QMargins frame, QRect opener, QRect available) {
    const QSize room = available.size().shrunkBy(frame);
    const QSize size(std::max(minimum.width(), std::min(wanted.width(), room.width())),
                     std::max(minimum.height(), std::min(wanted.height(), room.height())));
    QRect outer(QPoint(), size.grownBy(frame));
    outer.moveCenter(opener.center());
    // Back inside the free area: the right and bottom edges first, then the left and top, so
    // the title bar stays reachable whatever happens below it.
    outer.moveRight(std::min(outer.right(), available.right()));
    outer.moveBottom(std::min(outer.bottom(), available.bottom()));
    outer.moveLeft(std::max(outer.left(), available.left()));
    outer.moveTop(std::max(outer.top(), available.top()));
    return outer.marginsRemoved(frame);
}

void placeWindow(QWidget* window, const QWidget* opener) {
    const QScreen* screen = opener != nullptr ? opener->screen() : window->screen();
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return;
    }
    const QRect available = screen->availableGeometry();
    const QRect centre =
        opener != nullptr && opener->isVisible() ? opener->frameGeometry() : available;
    const QRect placed = placedWindowRect(
        window->size(), window->minimumSizeHint().expandedTo(window->minimumSize()),
        frameOf(window), centre, available);
    window->resize(placed.size());
    // A top-level window's position is that of its frame.
    window->move(placed.topLeft() - QPoint(frameOf(window).left(), frameOf(window).top()));
}

}  // namespace scriptloom
