// Times the keys window with the 30,000-entry game set, 2,000 of whose Bindings bind keys, each
// bound to one of the picture's keys (so every key is bound by many Names and clashes): a value
// change until the picture has been drawn again, and one whole drawing of the picture. Each time
// is given as the thread's processor time, which other work on a shared machine does not stretch,
// and as wall-clock time. Prints the numbers; asserts nothing.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

#include "BenchSupport.h"
#include "editor/Form3.h"
#include "editor/GameSetLoading.h"
#include "editor/KeyboardPicture.h"
#include "editor/KeyboardWindow.h"
#include "model/GameSetTables.h"
#include "model/KeyboardLayout.h"
#include "model/ValueStore.h"
#include "ui/ModelEvents.h"
#include "ui/TreeView.h"

using namespace scriptloom;

namespace {

constexpr int kKeyBindings = 2000;
constexpr int kRuns = 30;

double threadMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Runs `step` kRuns times and prints the medians and the worst of both times.
void measure(const char* what, const std::function<void(int run)>& step) {
    std::vector<double> processor;
    std::vector<double> wall;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        const double start = threadMs();
        step(run);
        processor.push_back(threadMs() - start);
        wall.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("  %s: processor median %.2f ms, worst %.2f ms; wall median %.2f ms\n", what,
                bench::median(processor), *std::max_element(processor.begin(), processor.end()),
                bench::median(wall));
}

// Counts the picture's drawings, so a step can tell that the picture has been drawn.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return false;
    }
};

// Binds every key Binding to a key of the picture, in turn.
void bindEveryKeyBinding() {
    QStringList keys;
    for (const KeyPlace& place : keyboardLayout()) {
        if (!place.name.isEmpty() && !keys.contains(place.name)) {
            keys << place.name;
        }
    }
    GameSetTables& tables = programTables();
    for (int i = 0; i < kKeyBindings; ++i) {
        storeValueAt(tables, tables.Bindings, &BindingEntry::Value, i,
                     keys[i % static_cast<int>(keys.size())]);
    }
    ModelEvents::notifyValues();
}

// Lets the event loop run until the picture has been drawn; false when it never was.
bool untilDrawn(const PaintCounter& counter, int before) {
    for (int pass = 0; pass < 10 && counter.paints == before; ++pass) {
        QCoreApplication::processEvents();
    }
    return counter.paints != before;
}

QString keyOfRun(int run) {
    return run % 2 == 0 ? QStringLiteral("MOUSE2") : QStringLiteral("w");
}

}  // namespace

int main(int argc, char* argv[]) {
    bench::preferOffscreen();
    QApplication app(argc, argv);
    QTemporaryDir folder;
    const QString big = folder.filePath(QStringLiteral("big.set"));
    QFile file(big);
    if (!file.open(QIODevice::WriteOnly) || file.write(bench::bigGameSet(kKeyBindings)) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(big));
        return 1;
    }
    file.close();
    Form3* editor = Form3::instance();
    editor->show();
    loadGameSetIntoEditor(big);
    bindEveryKeyBinding();
    TreeView* tree = editor->TreeView1();
    tree->selectNode(tree->nodes().firstNodeWithText(QStringLiteral("BINDING 5")));
    Q_EMIT tree->Click();
    auto* value = editor->findChild<QLineEdit*>(QStringLiteral("Text1"));
    std::printf("30,000 entries, %d key Bindings bound to the picture's keys\n", kKeyBindings);
    QCoreApplication::processEvents();
    // What the editor's own views take, for comparison: the keys window is not open.
    measure("value typed, the editor's views without the keys window", [&](int run) {
        value->setText(keyOfRun(run));
        QCoreApplication::processEvents();
    });

    KeyboardWindow* window = KeyboardWindow::instance();
    window->resize(1200, 400);
    window->show();
    QCoreApplication::processEvents();
    KeyboardPicture* picture = window->picKeyboard();
    PaintCounter counter;
    picture->installEventFilter(&counter);

    // The key typed into the key Binding on the panel: the editor stores it and records the
    // undo step, then every view follows, the picture among them.
    int missed = 0;
    measure("value typed, the editor's views and the picture drawn", [&](int run) {
        const int before = counter.paints;
        value->setText(keyOfRun(run));
        missed += untilDrawn(counter, before) ? 0 : 1;
    });

    for (const QSize size : {QSize(1200, 400), QSize(900, 320), QSize(1900, 700)}) {
        window->resize(size);
        QCoreApplication::processEvents();
        picture->repaint();
        const QByteArray what = QStringLiteral("whole picture drawn, window %1 x %2")
                                    .arg(size.width())
                                    .arg(size.height())
                                    .toLatin1();
        measure(what.constData(), [&](int) { picture->repaint(); });
    }
    window->resize(1200, 400);
    QCoreApplication::processEvents();

    // The picture's own road: a value stored and its notice, with the editor's views no longer
    // listening; what is left is the clash index built again, every key's state and the drawing.
    for (QObject* part : editor->findChildren<QObject*>()) {
        QObject::disconnect(ModelEvents::instance(), nullptr, part, nullptr);
    }
    GameSetTables& tables = programTables();
    measure("value stored to picture drawn", [&](int run) {
        const int before = counter.paints;
        storeValueAt(tables, tables.Bindings, &BindingEntry::Value, 5, keyOfRun(run));
        ModelEvents::notifyValues();
        missed += untilDrawn(counter, before) ? 0 : 1;
    });
    if (missed > 0) {
        std::printf("  (%d changes ended before the picture was drawn)\n", missed);
    }
    return 0;
}
