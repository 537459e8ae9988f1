#pragma once

#include <QEventLoop>
#include <QTimer>
#include <chrono>

class QWidget;

namespace scriptloom {

// Paces a loop that draws frames to one frame per refresh of the display the window is on, and
// never more than 60 frames a second. Between frames the window events are handled as they
// arrive, so input is taken at once, and the thread sleeps instead of spinning.
class FramePacer {
public:
    using Clock = std::chrono::steady_clock;

    explicit FramePacer(const QWidget* window);

    Clock::duration period() const { return period_; }

    // Handles window events until the next frame is due: pending events at once, later ones as
    // they arrive. A loop that has fallen behind gets one pass of pending events and starts its
    // next frame at once, without trying to catch up. False when the program is ending, however
    // that was asked for: no frame should follow.
    bool waitForNextFrame();

private:
    Clock::duration period_;
    Clock::time_point next_;
    // Kept from frame to frame: a loop and a timer made anew sixty times a second cost more than
    // the frame they wait for.
    QEventLoop waiting_;
    QTimer due_;
};

}  // namespace scriptloom
