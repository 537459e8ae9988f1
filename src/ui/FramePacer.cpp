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
      next_(Clock::now()) {}

bool FramePacer::waitForNextFrame() {
    doEvents();
    next_ += period_;
    const Clock::time_point now = Clock::now();
    if (next_ <= now) {
        next_ = now;
        return !programIsEnding();
    }
    if (programIsEnding()) {
        return false;
    }
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(next_ - now);
    QEventLoop waiting;
    QTimer::singleShot(wait, Qt::PreciseTimer, &waiting, &QEventLoop::quit);
    // An event loop refuses to run once the application has been asked to quit; a frame loop
    // that went on regardless would spin without ever waiting.
    constexpr int kRefused = -1;
    return waiting.exec() != kRefused && !programIsEnding();
}

}  // namespace scriptloom
