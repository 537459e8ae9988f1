#include "menu/MenuPicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace scriptloom {

namespace {

constexpr int kThreadSpacing = 10;

// Dark blue fading to black, lit from the middle.
void drawBackground(QPainter& painter, const QRectF& area) {
    QRadialGradient light(area.center(), area.height() * 0.7);
    light.setColorAt(0.0, QColor(46, 62, 92));
    light.setColorAt(1.0, QColor(10, 12, 20));
    painter.fillRect(area, light);
}

// The warp: threads running from top to bottom.
void drawWarp(QPainter& painter, const QRectF& area) {
    painter.setPen(QPen(QColor(150, 170, 200, 90), 1.5));
    for (qreal x = area.left() + kThreadSpacing / 2.0; x < area.right(); x += kThreadSpacing) {
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    }
}

// The weft: amber threads passing over and under the warp in a band across the middle, each row
// shifted by one thread, as in a plain weave.
void drawWeave(QPainter& painter, const QRectF& area) {
    const qreal bandTop = area.top() + area.height() * 0.38;
    const int rows = 7;
    for (int row = 0; row < rows; ++row) {
        const qreal y = bandTop + row * 8.0;
        QLinearGradient thread(0, y, 0, y + 6);
        thread.setColorAt(0.0, QColor(255, 214, 120));
        thread.setColorAt(1.0, QColor(190, 120, 30));
        int column = row % 2;
        for (qreal x = area.left() + 1; x < area.right() - 1; x += kThreadSpacing, ++column) {
            if (column % 2 == 0) {
                painter.fillRect(QRectF(x, y, kThreadSpacing - 1, 6), thread);
            }
        }
    }
}

// A crosshair over the weave: a ring with four ticks and a dot.
void drawCrosshair(QPainter& painter, const QRectF& area) {
    const QPointF centre(area.center().x(), area.top() + area.height() * 0.38 + 26);
    const qreal radius = area.width() * 0.3;
    painter.setPen(QPen(QColor(255, 255, 255, 220), 2.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius, radius);
    const qreal inner = radius * 0.45;
    const qreal outer = radius * 1.35;
    painter.drawLine(centre + QPointF(-outer, 0), centre + QPointF(-inner, 0));
    painter.drawLine(centre + QPointF(inner, 0), centre + QPointF(outer, 0));
    painter.drawLine(centre + QPointF(0, -outer), centre + QPointF(0, -inner));
    painter.drawLine(centre + QPointF(0, inner), centre + QPointF(0, outer));
    painter.setBrush(QColor(255, 70, 50));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(centre, 3.0, 3.0);
}

}  // namespace

QPixmap menuPicture(QSize size, qreal density) {
    QPixmap picture(size * density);
    picture.setDevicePixelRatio(density);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(QPointF(0, 0), QSizeF(size));
    drawBackground(painter, area);
    drawWarp(painter, area);
    drawWeave(painter, area);
    drawCrosshair(painter, area);
    return picture;
}

}  // namespace scriptloom
