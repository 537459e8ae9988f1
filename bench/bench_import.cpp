// Times bringing a script's commands in as entries: a 300-line script in the game's q3config.cfg
// format against the ten shipped game sets, and a 10,000-line one against a game set of 30,000
// entries (with the shipped sets beside it). For each: the core's planning and bringing in
// without windows, and the real road in the windows (opening the script with its offer, then
// "Bring them in"), with the longest time the windows went without their turn. Prints the
// numbers; asserts nothing.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "BenchSupport.h"
#include "editor/Form3.h"
#include "files/ProgramFolder.h"
#include "files/TextFile.h"
#include "importing/BringingIn.h"
#include "menu/ExistingConfig.h"
#include "model/GameSetLoader.h"
#include "model/GameSetTables.h"
#include "model/NodeTree.h"
#include "ui/DefaultInstance.h"

using namespace scriptloom;

namespace {

double timeMs(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void report(const char* what, std::vector<double> runs) {
    std::printf("  %s: median %.1f ms over %zu runs (max %.1f)\n", what, bench::median(runs),
                runs.size(), *std::max_element(runs.begin(), runs.end()));
}

// The first 300 lines of a q3config.cfg as the game writes it: LF line ends, unbindall, a bind
// per key and then seta lines.
QByteArray gameConfig() {
    QByteArray file = textfile::readWholeFile(SCRIPTLOOM_Q3CONFIG).bytes;
    const QList<QByteArray> lines = file.split('\n');
    return lines.mid(0, 300).join('\n') + '\n';
}

// 10,000 LF lines: three in four give a value to an entry of the big game set, the rest fit
// none.
QByteArray bigConfig() {
    QByteArray script;
    for (int i = 0; i < 10000; ++i) {
        const int entry = i * 3 / 4;
        switch (i % 4) {
            case 0:
                script += "seta sel_" + QByteArray::number(entry) + " \"3\"\n";
                break;
            case 1:
                script += "seta SWITCH_" + QByteArray::number(entry) + " \"1\"\n";
                break;
            case 2:
                script += "seta BINDING_" + QByteArray::number(entry) + " \"v" +
                          QByteArray::number(i) + "\"\n";
                break;
            default:
                script += "seta unknown_" + QByteArray::number(i) + " \"x\"\n";
        }
    }
    return script;
}

QList<importing::CandidateSet> folderSets() {
    QList<importing::CandidateSet> sets;
    for (const QString& name : QDir(programfolder::configDirectory()).entryList({"*.set"})) {
        sets.append({name, textfile::readWholeFile(programfolder::gameSetPath(name)).bytes});
    }
    return sets;
}

// Plans and brings in without windows, with the longest stretch between two yields.
void timeCore(const QByteArray& script, int runs) {
    const QString otherCommands = textfile::decode(script) + QStringLiteral("\r\n");
    const QList<importing::CandidateSet> sets = folderSets();
    std::vector<double> planRuns;
    std::vector<double> bringRuns;
    std::vector<double> gaps;
    importing::BringInPlan plan;
    for (int run = 0; run < runs; ++run) {
        GameSetTables tables;
        tables.resetAll();
        QElapsedTimer sinceYield;
        double longest = 0;
        sinceYield.start();
        planRuns.push_back(timeMs([&] {
            plan = importing::planBringingIn(otherCommands, tables, sets, [&] {
                longest = std::max(longest, static_cast<double>(sinceYield.nsecsElapsed()) / 1e6);
                sinceYield.restart();
            });
        }));
        gaps.push_back(longest);
        NodeTree tree;
        bringRuns.push_back(timeMs([&] {
            for (const importing::CandidateSet& set : sets) {
                if (plan.sets.contains(set.fileName)) {
                    loadGameSetBytes(set.bytes, set.fileName, tables, tree);
                }
            }
            importing::bringIn(plan, tables, otherCommands);
        }));
    }
    std::printf("  %d commands fit entries of %lld sets\n", plan.commands,
                static_cast<long long>(plan.sets.size()));
    report("plan (no windows)", planRuns);
    report("longest stretch between two yields while planning", gaps);
    report("load the chosen sets and bring the commands in (no windows)", bringRuns);
}

// The real road: open the script (the reader and the offer), then press "Bring them in". A timer
// that fires whenever the windows have their turn measures the longest time without one.
void timeWindows(const QString& path, int runs) {
    std::vector<double> openRuns;
    std::vector<double> bringRuns;
    std::vector<double> gaps;
    std::vector<double> openGaps;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer sinceTurn;
        double longest = 0;
        QTimer turns;
        turns.setInterval(0);
        QObject::connect(&turns, &QTimer::timeout, [&] {
            longest = std::max(longest, static_cast<double>(sinceTurn.nsecsElapsed()) / 1e6);
            sinceTurn.restart();
        });
        turns.start();
        sinceTurn.start();
        openRuns.push_back(timeMs([&] { editExistingConfigFile(path); }));
        openGaps.push_back(std::max(longest, static_cast<double>(sinceTurn.nsecsElapsed()) / 1e6));
        longest = 0;
        auto* bringIn = Form3::instance()->findChild<QPushButton*>("cmdImport");
        sinceTurn.restart();
        bringRuns.push_back(timeMs([&] { bringIn->click(); }));
        turns.stop();
        gaps.push_back(std::max(longest, static_cast<double>(sinceTurn.nsecsElapsed()) / 1e6));
    }
    report("open it in the windows, with the offer", openRuns);
    report("longest time the windows went without their turn while opening", openGaps);
    report("press \"Bring them in\"", bringRuns);
    report("longest time the windows went without their turn while bringing in", gaps);
}

}  // namespace

int main(int argc, char* argv[]) {
    bench::preferOffscreen();
    QApplication app(argc, argv);
    QTemporaryDir folder;
    programfolder::setOverride(folder.path());
    QDir(folder.path()).mkpath(QStringLiteral("config"));
    for (const QString& name : QDir(SCRIPTLOOM_SHIPPED_SETS).entryList({"*.set"})) {
        QFile::copy(SCRIPTLOOM_SHIPPED_SETS "/" + name, programfolder::gameSetPath(name));
    }

    const QByteArray small = gameConfig();
    textfile::writeWholeFile(folder.filePath("q3config.cfg"), small);
    std::printf("a 300-line q3config.cfg against the ten shipped game sets:\n");
    timeCore(small, 21);
    timeWindows(folder.filePath("q3config.cfg"), 9);

    textfile::writeWholeFile(programfolder::gameSetPath("big.set"), bench::bigGameSet());
    const QByteArray big = bigConfig();
    textfile::writeWholeFile(folder.filePath("big.cfg"), big);
    std::printf(
        "a 10,000-line script against a game set of 30,000 entries and the shipped sets:\n");
    timeCore(big, 5);
    timeWindows(folder.filePath("big.cfg"), 3);
    std::printf("peak resident memory %.1f MiB\n", bench::procStatusMiB("VmHWM:"));

    discardAllWindows();
    return 0;
}
