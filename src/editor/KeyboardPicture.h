#pragma once

#include <QFont>
#include <QStaticText>
#include <QWidget>
#include <optional>
#include <vector>

#include "model/KeyStates.h"

namespace scriptloom {

// The drawing of the keys window: the keyboard and the mouse of keyboardLayout(), each key
// filled as what it stands for and carrying its caption and what binds it. It scales with its
// size, and tells which key is clicked; what a click does is the window's business.
class KeyboardPicture : public QWidget {
    Q_OBJECT

public:
    explicit KeyboardPicture(QWidget* parent = nullptr);

    // What each key of the layout shows, in the layout's order.
    void setKeys(std::vector<KeyShown> keys);
    // What the first key of this game name shows; a key the layout lacks shows as free.
    KeyShown shownFor(const QString& name) const;
    // Where the first key of this game name is drawn; empty when the layout lacks it.
    QRectF keyRect(const QString& name) const;

    // The fill of keys in this state, for the legend as well.
    static QColor fillOf(KeyState state);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    // The left button was pressed and released over a key the game has a name for.
    void keyClicked(const QString& name);
    // The menu was asked for over a key the game has a name for.
    void keyMenuRequested(const QString& name, const QPoint& globalPos);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // The text of a key, laid out for the picture's size.
    struct KeyText {
        struct Line {
            QFont font;
            QPointF at;
            QStaticText text;
        };
        std::vector<Line> lines;
    };

    // The layout's place in the widget: the size of a key unit and the picture's top left.
    double unit() const;
    QPointF origin() const;
    QRectF placeRect(std::size_t place) const;
    // The named key under a point, or -1.
    int namedKeyAt(const QPointF& point) const;
    void setHovered(int place);
    void drawKey(QPainter& painter, std::size_t place);
    KeyText layOutText(std::size_t place, const QRectF& key) const;
    void forgetTexts();

    std::vector<KeyShown> keys_;
    std::vector<std::optional<KeyText>> texts_;
    int pressed_ = -1;
    int hovered_ = -1;
};

}  // namespace scriptloom
