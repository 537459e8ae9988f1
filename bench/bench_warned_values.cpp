// Times the save dialog's count of values the game would not read as typed, over 30,000 entries,
// and the warning under one value box for a 1,100-character value, which is worked out on every
// keystroke. Prints the numbers; asserts nothing.
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "BenchSupport.h"
#include "console/WrittenValueWarning.h"
#include "model/GameSetTables.h"
#include "output/WarnedValues.h"

using namespace scriptloom;

namespace {

// As the shipped game sets have them: keys bound to commands, cvars set in quotes, names with
// blanks; one Binding in 50 holds a value that breaks out of its command, one in 50 a lone quote.
void fillTables(GameSetTables& tables, int perKind) {
    tables.resetAll();
    for (int i = 0; i < perKind; ++i) {
        const QString n = QString::number(i);
        const QString section = "Section " + QString::number(i % 50);
        if (i % 2 == 0) {
            tables.Bindings.append({section, "Binding " + n, "bind *x \"weapon " + n + "\"",
                                    "Selects weapon " + n, "KP_F" + n});
        } else {
            const QString value = i % 50 == 1   ? "22\"; unbindall; echo \"" + n
                                  : i % 50 == 3 ? "2\"" + n
                                                : "Player " + n + " of the blue team";
            tables.Bindings.append({section, "Binding " + n, "seta name_" + n + " \"*x\"",
                                    "Names player " + n, value});
        }
        tables.Selections.append({section,
                                  "Selection " + n,
                                  "seta sel_" + n + " \"*x\"",
                                  "Picks selection " + n,
                                  {"0 - Off", "1 - Low", "2 - High"},
                                  3,
                                  "2 - High"});
        tables.Switches.append(
            {section, "Switch " + n, "seta sw_" + n + " \"*x\"", "Turns switch " + n + " on", "1"});
    }
}

double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Wall-clock time and this thread's processor time of one piece of work, in ms. On a machine
// shared with other work the processor time is the steadier of the two.
struct Timing {
    double wall = 0;
    double cpu = 0;
};

Timing timeMs(const auto& work) {
    QElapsedTimer timer;
    const double cpuBefore = threadCpuMs();
    timer.start();
    work();
    return {static_cast<double>(timer.nsecsElapsed()) / 1e6, threadCpuMs() - cpuBefore};
}

void report(const char* what, const std::vector<Timing>& runs, int rounds = 1) {
    std::vector<double> wall;
    std::vector<double> cpu;
    for (const Timing& run : runs) {
        wall.push_back(run.wall / rounds);
        cpu.push_back(run.cpu / rounds);
    }
    std::printf("%s: median %.4f ms wall, %.4f ms processor over %zu runs (min %.4f / %.4f)\n",
                what, bench::median(wall), bench::median(cpu), runs.size(),
                *std::min_element(wall.begin(), wall.end()),
                *std::min_element(cpu.begin(), cpu.end()));
}

}  // namespace

int main() {
    GameSetTables tables;
    fillTables(tables, 10000);
    std::vector<Timing> countRuns;
    QString notice;
    for (int run = 0; run < 15; ++run) {
        countRuns.push_back(
            timeMs([&] { notice = warnedValuesNotice(entriesWithWarnedValues(tables)); }));
    }
    std::printf("%d entries\n",
                tables.Bindings.Count() + tables.Selections.Count() + tables.Switches.Count());
    report("save dialog's count", countRuns);
    std::printf("  %s\n", qPrintable(notice.left(70)));

    // The warning line for one entry, as the editor works it out on each keystroke.
    const QString command = QStringLiteral("seta cg_zoomfov \"*x\"");
    const QString value(1100, u'a');
    constexpr int kRounds = 1000;
    std::vector<Timing> oneRuns;
    QString warning;
    for (int run = 0; run < 15; ++run) {
        oneRuns.push_back(timeMs([&] {
            for (int i = 0; i < kRounds; ++i) {
                warning = console::writtenValueWarning(console::judgeWrittenValue(command, value));
            }
        }));
    }
    report("one entry's warning, 1,100-character value", oneRuns, kRounds);
    std::printf("  %s\n", qPrintable(warning));
    return 0;
}
