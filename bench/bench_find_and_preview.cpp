// Times the editor's find box and the update that follows one value edit (the tree's marks and
// the script preview), with the 30,000-entry game set and with the ten shipped sets loaded.
// Each time runs until the window has drawn the result. Prints the numbers; asserts nothing.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "BenchSupport.h"
#include "editor/Form3.h"
#include "editor/GameSetLoading.h"
#include "files/TextFile.h"
#include "model/GameSetTables.h"
#include "ui/TreeView.h"

using namespace scriptloom;

namespace {

// Runs the event loop's pending work and draws the editor, as the screen would show it.
void settle(Form3* editor) {
    QCoreApplication::processEvents();
    editor->repaint();
}

double msSince(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void measure(const char* label, const QStringList& paths, const QString& typed,
             const QString& entry) {
    Form3* editor = Form3::instance();
    auto* find = editor->findChild<QLineEdit*>(QStringLiteral("txtFind"));
    auto* bindTo = editor->findChild<QLineEdit*>(QStringLiteral("Text1"));
    TreeView* tree = editor->TreeView1();
    programTables().resetAll();
    tree->nodes().removeAll();
    find->clear();
    editor->setFocus();
    QElapsedTimer load;
    load.start();
    for (const QString& path : paths) {
        loadGameSetIntoEditor(path);
    }
    settle(editor);
    std::printf("%s: %d nodes, loaded and drawn in %.1f ms\n", label, tree->nodes().count(),
                msSince(load));

    // Ctrl+F: the box takes the focus and gathers the texts it searches.
    QElapsedTimer focus;
    focus.start();
    find->setFocus();
    settle(editor);
    std::printf("  find box taking the focus: %.2f ms\n", msSince(focus));

    // Each keystroke of the text, then each backspace back to the whole tree.
    std::vector<double> keystrokes;
    QString text;
    const auto key = [&](const QString& now) {
        QElapsedTimer timer;
        timer.start();
        find->setText(now);
        settle(editor);
        keystrokes.push_back(msSince(timer));
    };
    for (const QChar c : typed) {
        key(text += c);
    }
    while (!text.isEmpty()) {
        text.chop(1);
        key(text);
    }
    std::printf("  find keystroke (\"%s\" typed and erased): median %.2f ms, worst %.2f ms\n",
                qPrintable(typed), bench::median(keystrokes),
                *std::max_element(keystrokes.begin(), keystrokes.end()));

    // A value typed into the entry shown, key by key, with the tree and the preview redrawn.
    tree->selectNode(tree->nodes().firstNodeWithText(entry));
    Q_EMIT tree->Click();
    settle(editor);
    std::vector<double> edits;
    QString value;
    for (const QChar c : QStringLiteral("MOUSE2")) {
        QElapsedTimer timer;
        timer.start();
        bindTo->setText(value += c);
        settle(editor);
        edits.push_back(msSince(timer));
    }
    std::printf("  value edit to marks and preview: median %.2f ms, worst %.2f ms\n",
                bench::median(edits), *std::max_element(edits.begin(), edits.end()));
}

}  // namespace

int main(int argc, char* argv[]) {
    bench::preferOffscreen();
    QApplication app(argc, argv);
    QTemporaryDir folder;
    const QString big = folder.filePath(QStringLiteral("big.set"));
    QFile file(big);
    if (!file.open(QIODevice::WriteOnly) || file.write(bench::bigGameSet()) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(big));
        return 1;
    }
    file.close();
    Form3* editor = Form3::instance();
    editor->show();
    editor->activateWindow();
    QCoreApplication::processEvents();

    measure("30,000-entry set", {big}, QStringLiteral("binding 9999"),
            QStringLiteral("BINDING 9999"));

    QStringList shipped;
    const QDir config(QStringLiteral(SCRIPTLOOM_SHIPPED_SETS));
    for (const QString& name : config.entryList({QStringLiteral("*.set")}, QDir::Files)) {
        shipped << config.filePath(name);
    }
    measure("ten shipped sets", shipped, QStringLiteral("sens"), QStringLiteral("Jump"));
    return 0;
}
