#include "editor/KeyboardPicture.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStaticText>
#include <QToolTip>
#include <algorithm>
#include <utility>

#include "model/KeyboardLayout.h"

namespace scriptloom {

namespace {

constexpr double kMargin = 4;
// Below this size, in pixels of the screen, text is not readable, so it is cut short rather than
// made smaller.
constexpr double kSmallestText = 7;

const std::vector<KeyPlace>& places() {
    return keyboardLayout();
}

// The fills are light whatever the colours of the desktop, so the text on them is dark, but on red.
QColor textOn(KeyState state) {
    switch (state) {
        case KeyState::Clash:
            return Qt::white;
        case KeyState::NoName:
            return {0x8c, 0x8c, 0x8c};
        case KeyState::Free:
        case KeyState::Bound:
        case KeyState::BoundByCommand:
            break;
    }
    return {0x20, 0x20, 0x20};
}

// The widget's font at a size in the widget's pixels, which may be fractions of a screen pixel
// (pixel sizes are whole numbers, point sizes need not be).
QFont sizedFont(const QWidget& widget, double pixels) {
    QFont font = widget.font();
    font.setPointSizeF(pixels * 72.0 / widget.logicalDpiY());
    return font;
}

// The font at this size, made smaller down to `smallest` until the text fits the width.
QFont fittedFont(const QWidget& widget, double size, double smallest, const QString& text,
                 double width) {
    size = std::max(size, smallest);
    QFont fitted = sizedFont(widget, size);
    while (size > smallest && QFontMetricsF(fitted).horizontalAdvance(text) > width) {
        size = std::max(smallest, size - 0.5);
        fitted = sizedFont(widget, size);
    }
    return fitted;
}

// The text broken at blanks into at most `most` lines of the width, the last one cut short.
QStringList fittedLines(const QString& text, const QFontMetricsF& metrics, double width,
                        qsizetype most) {
    const QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    QStringList lines;
    qsizetype next = 0;
    while (next < words.size()) {
        if (lines.size() == most - 1) {
            lines << metrics.elidedText(words.mid(next).join(u' '), Qt::ElideRight, width);
            break;
        }
        QString line = words[next++];
        while (next < words.size() &&
               metrics.horizontalAdvance(line + u' ' + words[next]) <= width) {
            line += u' ' + words[next++];
        }
        lines << metrics.elidedText(line, Qt::ElideRight, width);
    }
    return lines;
}

}  // namespace

KeyboardPicture::KeyboardPicture(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    keys_.resize(places().size());
    texts_.resize(places().size());
}

void KeyboardPicture::setKeys(std::vector<KeyShown> keys) {
    keys.resize(places().size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i].label != keys_[i].label) {
            texts_[i].reset();
        }
    }
    keys_ = std::move(keys);
    update();
}

KeyShown KeyboardPicture::shownFor(const QString& name) const {
    for (std::size_t i = 0; i < places().size(); ++i) {
        if (places()[i].name == name) {
            return keys_[i];
        }
    }
    return {};
}

QRectF KeyboardPicture::keyRect(const QString& name) const {
    for (std::size_t i = 0; i < places().size(); ++i) {
        if (places()[i].name == name) {
            return placeRect(i);
        }
    }
    return {};
}

QColor KeyboardPicture::fillOf(KeyState state) {
    switch (state) {
        case KeyState::Free:
            return {0xfb, 0xfb, 0xfb};
        case KeyState::Bound:
            return {0xa9, 0xcb, 0xf5};
        case KeyState::BoundByCommand:
            return {0xf3, 0xd2, 0x7a};
        case KeyState::Clash:
            return {0xd3, 0x2f, 0x2f};
        case KeyState::NoName:
            break;
    }
    return {0xd6, 0xd6, 0xd6};
}

QSize KeyboardPicture::sizeHint() const {
    const QRectF extent = keyboardExtent();
    return QSizeF(extent.width() * 38 + 2 * kMargin, extent.height() * 38 + 2 * kMargin).toSize();
}

QSize KeyboardPicture::minimumSizeHint() const {
    const QRectF extent = keyboardExtent();
    return QSizeF(extent.width() * 18 + 2 * kMargin, extent.height() * 18 + 2 * kMargin).toSize();
}

double KeyboardPicture::unit() const {
    const QRectF extent = keyboardExtent();
    return std::max(1.0, std::min((width() - 2 * kMargin) / extent.width(),
                                  (height() - 2 * kMargin) / extent.height()));
}

// The picture keeps its proportions and stands in the middle of the space it is given.
QPointF KeyboardPicture::origin() const {
    const QRectF extent = keyboardExtent();
    return {(width() - extent.width() * unit()) / 2, (height() - extent.height() * unit()) / 2};
}

QRectF KeyboardPicture::placeRect(std::size_t place) const {
    const QRectF r = places()[place].rect();
    const double u = unit();
    return {origin() + r.topLeft() * u, r.size() * u};
}

int KeyboardPicture::namedKeyAt(const QPointF& point) const {
    for (std::size_t i = 0; i < places().size(); ++i) {
        if (!places()[i].name.isEmpty() && placeRect(i).contains(point)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void KeyboardPicture::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double u = unit();
    const QRectF body = mouseBody();
    painter.setPen(QPen(palette().color(QPalette::Mid), 1));
    painter.setBrush(palette().color(QPalette::Button));
    painter.drawRoundedRect(QRectF(origin() + body.topLeft() * u, body.size() * u), u * 1.2,
                            u * 1.2);
    for (std::size_t i = 0; i < places().size(); ++i) {
        drawKey(painter, i);
    }
}

// A key: its fill, then its text.
void KeyboardPicture::drawKey(QPainter& painter, std::size_t place) {
    const double u = unit();
    const KeyShown& shown = keys_[place];
    const QRectF key = placeRect(place).adjusted(u * 0.04, u * 0.04, -u * 0.04, -u * 0.04);
    const bool hovered = static_cast<int>(place) == hovered_;
    painter.setPen(
        QPen(hovered ? palette().color(QPalette::Highlight) : palette().color(QPalette::Dark),
             hovered ? 2 : 1));
    painter.setBrush(fillOf(shown.state));
    painter.drawRoundedRect(key, u * 0.1, u * 0.1);

    std::optional<KeyText>& text = texts_[place];
    if (!text) {
        text = layOutText(place, key);
    }
    painter.setPen(textOn(shown.state));
    for (const KeyText::Line& line : text->lines) {
        painter.setFont(line.font);
        painter.drawStaticText(line.at, line.text);
    }
}

// The caption at the top of the key and, below it, what binds it, each cut short to fit. Laid
// out once for each size of the picture and each label, as laying out text is the slow part of
// drawing.
KeyboardPicture::KeyText KeyboardPicture::layOutText(std::size_t place, const QRectF& key) const {
    const double u = unit();
    const QRectF inside = key.adjusted(u * 0.06, u * 0.03, -u * 0.06, -u * 0.03);
    const double smallest = kSmallestText / devicePixelRatioF();
    KeyText laidOut;
    const auto addLine = [&laidOut, &inside](const QFont& font, const QString& text, double top) {
        QStaticText line(text);
        line.setTextFormat(Qt::PlainText);
        line.prepare({}, font);
        const double left = inside.left() + (inside.width() - line.size().width()) / 2;
        laidOut.lines.push_back({font, QPointF(left, top), line});
    };
    const QString& caption = places()[place].caption;
    const QFont captionFont = fittedFont(*this, u * 0.25, smallest, caption, inside.width());
    const QFontMetricsF captionMetrics(captionFont);
    addLine(captionFont, captionMetrics.elidedText(caption, Qt::ElideRight, inside.width()),
            inside.top());
    const QString& label = keys_[place].label;
    if (label.isEmpty()) {
        return laidOut;
    }
    const QFont labelFont = sizedFont(*this, std::max(smallest, u * 0.23));
    const QFontMetricsF labelMetrics(labelFont);
    const double top = inside.top() + captionMetrics.height();
    const double room = inside.bottom() - top;
    const auto most = std::max<qsizetype>(
        1, static_cast<qsizetype>(1 + (room - labelMetrics.height()) / labelMetrics.lineSpacing()));
    const QStringList lines = fittedLines(label, labelMetrics, inside.width(), most);
    // The lines stand in the middle of the room under the caption.
    double lineTop = top + (room - labelMetrics.height() -
                            labelMetrics.lineSpacing() * static_cast<double>(lines.size() - 1)) /
                               2;
    for (const QString& line : lines) {
        addLine(labelFont, line, lineTop);
        lineTop += labelMetrics.lineSpacing();
    }
    return laidOut;
}

bool KeyboardPicture::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        for (std::size_t i = 0; i < places().size(); ++i) {
            if (placeRect(i).contains(help->pos())) {
                QToolTip::showText(help->globalPos(), keys_[i].tip, this,
                                   placeRect(i).toAlignedRect());
                return true;
            }
        }
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    return QWidget::event(event);
}

void KeyboardPicture::resizeEvent(QResizeEvent* /*event*/) {
    forgetTexts();
}

void KeyboardPicture::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        forgetTexts();
    }
    QWidget::changeEvent(event);
}

void KeyboardPicture::forgetTexts() {
    texts_.assign(places().size(), std::nullopt);
}

void KeyboardPicture::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton ? namedKeyAt(event->position()) : -1;
}

void KeyboardPicture::mouseReleaseEvent(QMouseEvent* event) {
    const int pressed = std::exchange(pressed_, -1);
    if (event->button() == Qt::LeftButton && pressed >= 0 &&
        namedKeyAt(event->position()) == pressed) {
        Q_EMIT keyClicked(places()[static_cast<std::size_t>(pressed)].name);
    }
}

// The key under the pointer is outlined, and the pointer tells that it can be clicked.
void KeyboardPicture::mouseMoveEvent(QMouseEvent* event) {
    setHovered(namedKeyAt(event->position()));
}

void KeyboardPicture::leaveEvent(QEvent* /*event*/) {
    setHovered(-1);
}

void KeyboardPicture::setHovered(int place) {
    if (place == hovered_) {
        return;
    }
    hovered_ = place;
    setCursor(place >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    update();
}

void KeyboardPicture::contextMenuEvent(QContextMenuEvent* event) {
    if (const int place = namedKeyAt(event->pos()); place >= 0) {
        Q_EMIT keyMenuRequested(places()[static_cast<std::size_t>(place)].name, event->globalPos());
    }
}

}  // namespace scriptloom
