// Loads one game set of 30,000 entries (10,000 of each kind over 300 sections) into the tables and
// the editor's tree, and times a click on the last entry. Prints the numbers; asserts nothing.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "BenchSupport.h"
#include "editor/Form3.h"
#include "editor/GameSetLoading.h"
#include "files/TextFile.h"
#include "model/GameSetLoader.h"
#include "model/GameSetTables.h"
#include "model/NodeTree.h"
#include "ui/DefaultInstance.h"
#include "ui/TreeView.h"

using namespace scriptloom;

int main(int argc, char* argv[]) {
    bench::preferOffscreen();
    QApplication app(argc, argv);
    const double rssAtStart = bench::procStatusMiB("VmRSS:");
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("big.set"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bench::bigGameSet()) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    file.close();
    std::printf("game set: %d entries, %lld bytes\n", 3 * bench::kBigGameSetPerKind, file.size());

    // The program's own road: the editor on screen, its tree filled through the view.
    Form3* editor = Form3::instance();
    editor->show();
    QCoreApplication::processEvents();
    const double rssBefore = bench::procStatusMiB("VmRSS:");
    std::vector<double> editorRuns;
    std::vector<double> drawnRuns;
    for (int run = 0; run < 5; ++run) {
        programTables().resetAll();
        editor->TreeView1()->nodes().removeAll();
        QCoreApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        loadGameSetIntoEditor(path);
        editorRuns.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        // The work the load leaves for the event loop, and the first drawing of the window.
        QCoreApplication::processEvents();
        editor->repaint();
        drawnRuns.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    QCoreApplication::processEvents();
    std::printf(
        "load into the tables and the editor's tree: median %.1f ms over 5 runs (min %.1f)\n",
        bench::median(editorRuns), *std::min_element(editorRuns.begin(), editorRuns.end()));
    std::printf("load until the editor is drawn: median %.1f ms over 5 runs (min %.1f)\n",
                bench::median(drawnRuns), *std::min_element(drawnRuns.begin(), drawnRuns.end()));
    std::printf(
        "memory: resident %.1f MiB at start, %.1f MiB with the editor shown, %.1f MiB loaded; "
        "peak %.1f MiB\n",
        rssAtStart, rssBefore, bench::procStatusMiB("VmRSS:"), bench::procStatusMiB("VmHWM:"));

    TreeView* tree = editor->TreeView1();
    tree->selectNode(tree->nodes().count());
    constexpr int kClicks = 2000;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kClicks; ++i) {
        Q_EMIT tree->Click();
    }
    std::printf("click on the last entry (\"%s\"): %.2f us each over %d clicks\n",
                qPrintable(tree->selectedText()),
                static_cast<double>(timer.nsecsElapsed()) / 1e3 / kClicks, kClicks);

    // The loader alone, into a tree with no view, for comparison.
    std::vector<double> coreRuns;
    for (int run = 0; run < 5; ++run) {
        GameSetTables tables;
        tables.resetAll();
        NodeTree tree;
        QElapsedTimer timer;
        timer.start();
        loadGameSet(path, tables, tree);
        coreRuns.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("load into tables and a bare node tree: median %.1f ms over 5 runs\n",
                bench::median(coreRuns));

    discardAllWindows();
    return 0;
}
