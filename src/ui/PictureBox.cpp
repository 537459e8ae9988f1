#include "ui/PictureBox.h"

#include <QMouseEvent>
#include <QPaintEvent>

namespace scriptloom {

namespace {

int buttonCode(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}

int shiftCode(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

}  // namespace

PictureBox::PictureBox(QWidget* parent)
    : QFrame(parent), backColor_(palette().color(QPalette::Window)), foreColor_(qRgb(0, 0, 0)) {
    // A sunken border two pixels wide, drawn around the drawing area.
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    // Moves are told without a button held too, so the pointer can be followed.
    setMouseTracking(true);
    // The kept image covers the whole drawing area; nothing behind it needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

PictureBox::~PictureBox() = default;

float PictureBox::ScaleWidth() const {
    return static_cast<float>(contentsRect().width());
}

float PictureBox::ScaleHeight() const {
    return static_cast<float>(contentsRect().height());
}

void PictureBox::setBackColor(const QColor& colour) {
    backColor_ = colour;
    Cls();
    changed_.assign(1, QRect(QPoint(0, 0), contentsRect().size()));
    update();
}

// The image follows the drawing area's size; a new size starts from a cleared surface. A hidden
// widget learns its size only when it is shown, so the image is checked before every use.
void PictureBox::fitImage() {
    const QSize size = contentsRect().size();
    // On a high-density screen the image holds device pixels, so text stays sharp; drawing on it
    // still goes by the surface's own pixels.
    const qreal density = devicePixelRatioF();
    if (image_.deviceIndependentSize().toSize() != size || image_.devicePixelRatio() != density) {
        finishDrawing();
        image_ = QImage(size * density, QImage::Format_RGB32);
        image_.setDevicePixelRatio(density);
        image_.fill(backColor_);
        printPosition_ = QPoint(0, 0);
        drawnSinceClear_.clear();
        changed_.assign(1, QRect(QPoint(0, 0), size));
    }
}

namespace {

// Adds an area to a list of changed areas, joining it to the last one when they share rows, as
// the characters of one line of text do.
void addArea(std::vector<QRect>& areas, const QRect& area) {
    if (!areas.empty() && areas.back().top() <= area.bottom() &&
        area.top() <= areas.back().bottom()) {
        areas.back() |= area;
    } else {
        areas.push_back(area);
    }
}

}  // namespace

void PictureBox::markDrawn(const QRect& area) {
    addArea(drawnSinceClear_, area);
    addArea(changed_, area);
}

QPainter& PictureBox::drawing() {
    fitImage();
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setFont(font());
    }
    return *painter_;
}

void PictureBox::finishDrawing() {
    painter_.reset();
}

void PictureBox::Cls() {
    finishDrawing();
    fitImage();
    // Only what was drawn differs from the background, so only that is filled again.
    if (!drawnSinceClear_.empty()) {
        QPainter clearing(&image_);
        for (const QRect& area : drawnSinceClear_) {
            clearing.fillRect(area, backColor_);
            addArea(changed_, area);
        }
    }
    printPosition_ = QPoint(0, 0);
    drawnSinceClear_.clear();
}

void PictureBox::Print(const QString& text) {
    QPainter& painter = drawing();
    painter.setPen(QColor::fromRgb(foreColor_));
    painter.drawText(printPosition_ + QPoint(0, fontMetrics().ascent()), text);
    const QFontMetrics metrics = fontMetrics();
    markDrawn((QRect(printPosition_, metrics.size(Qt::TextSingleLine, text)) |
               metrics.boundingRect(text).translated(printPosition_ + QPoint(0, metrics.ascent())))
                  .adjusted(-1, -1, 1, 1));
    printPosition_ = QPoint(0, printPosition_.y() + fontMetrics().height());
}

void PictureBox::TextOut(int x, int y, QChar character) {
    QPainter& painter = drawing();
    painter.setPen(QColor::fromRgb(foreColor_));
    // Text is placed by the top left of its cell; the painter places it by its baseline.
    if (charactersFont_ != font()) {
        characters_.clear();
        charactersFont_ = font();
    }
    auto laidOut = characters_.find(character);
    if (laidOut == characters_.end()) {
        LaidOutCharacter entry{QStaticText(character), {}};
        entry.text.setTextFormat(Qt::PlainText);
        entry.text.prepare(QTransform(), font());
        // The cell, and the ink of glyphs that reach past it, with a pixel for smoothed edges.
        const QFontMetrics metrics(font());
        entry.area = (QRect(QPoint(0, 0), entry.text.size().toSize()) |
                      metrics.boundingRect(character).translated(0, metrics.ascent()))
                         .adjusted(-1, -1, 1, 1);
        laidOut = characters_.insert(character, entry);
    }
    // Laid-out text is placed by the top left of its line, as a character cell is.
    painter.drawStaticText(QPoint(x, y), laidOut->text);
    markDrawn(laidOut->area.translated(x, y));
}

void PictureBox::Refresh() {
    finishDrawing();
    if (isVisible() && !changed_.empty()) {
        QRegion region;
        for (const QRect& area : changed_) {
            region += area.translated(contentsRect().topLeft()) & contentsRect();
        }
        repaint(region);
    }
    changed_.clear();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    finishDrawing();
    fitImage();
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), image_);
    painter.end();
    // The border is drawn by the frame, outside the drawing area.
    if (!contentsRect().contains(event->rect())) {
        QPainter border(this);
        drawFrame(&border);
    }
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    fitImage();
}

QPointF PictureBox::surfacePosition(const QMouseEvent* event) const {
    return event->position() - QPointF(contentsRect().topLeft());
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    const QPointF at = surfacePosition(event);
    Q_EMIT MouseDown(buttonCode(event->button()), shiftCode(event->modifiers()),
                     static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = surfacePosition(event);
    Q_EMIT MouseMove(buttonCode(event->buttons()), shiftCode(event->modifiers()),
                     static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF at = surfacePosition(event);
    Q_EMIT MouseUp(buttonCode(event->button()), shiftCode(event->modifiers()),
                   static_cast<float>(at.x()), static_cast<float>(at.y()));
}

}  // namespace scriptloom
