#include "ui/FramePacer.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "ui/ProgramControl.h"

namespace scriptloom {

namespace {

constexpr double kHighestRate = 60.0;

// A display that reports no sensible rate is taken to refresh 60 times a second.
double refreshRate(const QWidget* window) {
    const QScreen* screen = window != nullptr ? window->screen() : QGuiApplication::primaryScreen();
    const double rate = screen != nullptr ? screen->refreshRate() : 0.0;
    return rate >= 1.0 ? std::min(rate, kHighestRate) : kHighestRate;
}

}  // namespace

FramePacer::FramePacer(const QWidget* window)
    : period_(std::chrono::duration_cast<Clock::duration>(
          std::chrono::duration<double>(1.0 / refreshRate(window)))),
      next_(Clock::now()) {
    due_.setSingleShot(true);
    due_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&due_, &QTimer::timeout, &waiting_, &QEventLoop::quit);
}

bool FramePacer::waitForNextFrame() {
    next_ += period_;
    const Clock::time_point now = Clock::now();
    if (next_ <= now || programIsEnding()) {
        next_ = now;
        doEvents();
        return !programIsEnding();
    }
    due_.start(std::chrono::ceil<std::chrono::milliseconds>(next_ - now));
    // An event loop refuses to run once the application has been asked to quit; a frame loop
    // that went on regardless would spin without ever waiting.
    constexpr int kRefused = -1;
    const bool ran = waiting_.exec() != kRefused;
    due_.stop();
    return ran && !programIsEnding();
}

}  // namespace scriptloom
