#pragma once

#include <QFrame>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QStaticText>
#include <memory>
#include <vector>

namespace scriptloom {

// A drawing surface that keeps what is drawn on it: clearing, printing and per-character text
// output paint onto a kept image, and the widget shows that image whenever it is painted, so the
// drawing survives being covered or hidden. Positions are pixels of the drawing area inside the
// frame. Presses, moves and releases of the mouse over it are told with that position and with
// the buttons (1 left, 2 right, 4 middle) and the shift state (1 Shift, 2 Ctrl, 4 Alt).
class PictureBox : public QFrame {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);
    ~PictureBox() override;

    // The size of the drawing area.
    float ScaleWidth() const;
    float ScaleHeight() const;

    QColor BackColor() const { return backColor_; }
    void setBackColor(const QColor& colour);
    QRgb ForeColor() const { return foreColor_; }
    void setForeColor(QRgb colour) { foreColor_ = colour; }

    // Fills the drawing area with the background colour and puts the print position back at the
    // top left.
    void Cls();
    // Draws a text at the print position in the text colour, then moves the position to the start
    // of the next line.
    void Print(const QString& text);
    // Draws one character in the text colour with the top-left corner of its cell at (x, y).
    void TextOut(int x, int y, QChar character);
    // Shows what has been drawn, at once.
    void Refresh();

Q_SIGNALS:
    void MouseDown(int button, int shift, float x, float y);
    void MouseMove(int button, int shift, float x, float y);
    void MouseUp(int button, int shift, float x, float y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The painter on the kept image, begun on first use and ended before the image is shown, so
    // that drawing a whole frame of characters costs one painter.
    QPainter& drawing();
    void finishDrawing();
    void fitImage();
    void markDrawn(const QRect& area);
    QPointF surfacePosition(const QMouseEvent* event) const;

    QImage image_;
    // Each character's laid-out text and the area it covers from its cell's corner, kept so that
    // drawing it again costs no new layout.
    struct LaidOutCharacter {
        QStaticText text;
        QRect area;
    };
    QHash<QChar, LaidOutCharacter> characters_;
    QFont charactersFont_;
    std::unique_ptr<QPainter> painter_;
    QColor backColor_;
    QRgb foreColor_;
    QPoint printPosition_;
    // What has been drawn since the surface was last cleared, and what has changed since it was
    // last shown, in image pixels: showing a frame repaints only the pixels that changed. Text
    // drawn along a line merges into one area per line.
    std::vector<QRect> drawnSinceClear_;
    std::vector<QRect> changed_;
};

}  // namespace scriptloom
