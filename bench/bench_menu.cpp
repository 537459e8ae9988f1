// Runs the real main menu for 10 seconds in a real window and reports its frame rate and the share
// of one core it takes, and how long the program takes from its start until the menu is on screen
// with its first words. Needs a display: run it under xvfb-run. Prints the numbers; asserts
// nothing.
#include <sys/resource.h>
#include <unistd.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>

#include "menu/Form1.h"
#include "menu/MenuLoop.h"
#include "ui/DefaultInstance.h"
#include "ui/ProgramControl.h"

using namespace scriptloom;

namespace {

constexpr int kMeasuredMs = 10000;
// The first menu frame follows the menu timer's first tick; measuring starts a little after it.
constexpr int kSettleMs = 700;

double secondsSinceBoot() {
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// When this process started, in seconds since boot (field 22 of /proc/self/stat, in clock ticks).
double processStartSinceBoot() {
    std::ifstream stat("/proc/self/stat");
    std::string line;
    std::getline(stat, line);
    // The command name may hold blanks; the fields are counted from after its closing parenthesis.
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    for (int number = 3; number <= 22 && fields >> field; ++number) {
    }
    return std::stod(field) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

struct Sample {
    std::uint64_t frames = 0;
    double cpu = 0;
    qint64 wallMs = 0;
};

}  // namespace

int main(int argc, char* argv[]) {
    const double started = processStartSinceBoot();
    QApplication app(argc, argv);
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        std::fprintf(stderr, "bench_menu needs a display: run it under xvfb-run\n");
        return 2;
    }

    Form1* menu = Form1::instance();
    while (menu->windowHandle() == nullptr || !menu->windowHandle()->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    const double onScreenMs = (secondsSinceBoot() - started) * 1000.0;

    QElapsedTimer wall;
    wall.start();
    Sample first;
    Sample last;
    const auto sample = [&wall] { return Sample{menuFramesDrawn(), cpuSeconds(), wall.elapsed()}; };
    QTimer::singleShot(kSettleMs, menu, [&] { first = sample(); });
    QTimer::singleShot(kSettleMs + kMeasuredMs, menu, [&] {
        last = sample();
        endProgram();
    });
    QApplication::exec();
    discardAllWindows();

    const double seconds = static_cast<double>(last.wallMs - first.wallMs) / 1000.0;
    const auto frames = static_cast<double>(last.frames - first.frames);
    std::printf("menu on screen with its first words: %.0f ms after the process started\n",
                onScreenMs);
    std::printf(
        "menu running %.1f s: %.0f frames, %.1f frames/s, %.2f %% of one core (%.3f ms "
        "CPU per frame)\n",
        seconds, frames, frames / seconds, 100.0 * (last.cpu - first.cpu) / seconds,
        1000.0 * (last.cpu - first.cpu) / frames);
    return 0;
}
