// Plays the player in the packaged program for scripts/package.sh --check. Loaded into the program
// with LD_PRELOAD, it chooses "Create New Config File" on the main menu and writes the game sets
// the picker lists, one a line, to the file SCRIPTLOOM_DRIVE_LIST names. When SCRIPTLOOM_DRIVE_SAVE
// names a game set, it then picks every set, presses "Edit Game Set" and saves all loaded entries
// under that name. Then it ends the program. It reaches the windows only through their object
// names, so the program is checked exactly as it was packaged.
//
// It ends the program with exit code 3, saying why on standard error, when a message box shows or
// when a window it waits for has not come within 30 seconds.

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

[[noreturn]] void fail(const QString& why) {
    std::fprintf(stderr, "package driver: %s\n", qPrintable(why));
    std::_Exit(3);
}

QWidget* shownWindow(const char* name) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String(name) && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

template <typename Control>
Control* control(QWidget* window, const char* name) {
    auto* found = window->findChild<Control*>(QLatin1String(name));
    if (found == nullptr) {
        fail(window->objectName() + QStringLiteral(" has no ") + QLatin1String(name));
    }
    return found;
}

// Presses the button once the driver's step has returned: a modal window opened by the press would
// otherwise hold the driver's timer, and the driver could not see a message box.
void press(QWidget* window, const char* name) {
    QMetaObject::invokeMethod(control<QAbstractButton>(window, name), &QAbstractButton::click,
                              Qt::QueuedConnection);
}

// Moves onto "Create New Config File", the first of the menu's three items (at a quarter, a half
// and three quarters of the drawing surface's height), and clicks it.
void chooseCreate(QWidget* menu) {
    auto* surface = control<QFrame>(menu, "Picture2");
    const QRect area = surface->contentsRect();
    const QPoint item = area.topLeft() + QPoint(area.width() / 2, area.height() / 4);
    for (const QEvent::Type type :
         {QEvent::MouseMove, QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, item, surface->mapToGlobal(item),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(surface, &event);
    }
}

void writeListedSets(QWidget* picker) {
    auto* list = control<QListWidget>(picker, "File1");
    QByteArray names;
    for (int i = 0; i < list->count(); ++i) {
        names += list->item(i)->text().toUtf8() + '\n';
    }
    QFile file(qEnvironmentVariable("SCRIPTLOOM_DRIVE_LIST"));
    if (!file.open(QIODevice::WriteOnly) || file.write(names) != names.size()) {
        fail(QStringLiteral("cannot write ") + file.fileName());
    }
}

struct Step {
    const char* window;  // the step runs once this window shows
    std::function<void(QWidget*)> act;
};

// Runs the steps in order, looking every 100 ms, from a second after the program started (the menu
// runs from its own timer, half a second after it shows); ends the program after the last.
void drive(std::vector<Step> steps) {
    auto* timer = new QTimer(QCoreApplication::instance());
    QObject::connect(timer, &QTimer::timeout, timer, [steps, ticks = 0, next = 0u]() mutable {
        if (++ticks > 300) {
            fail(QStringLiteral("%1 did not show within 30 s").arg(steps[next].window));
        }
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible()) {
                fail(QStringLiteral("message: ") + box->text());
            }
        }
        if (next == steps.size()) {
            QCoreApplication::exit(0);
        } else if (QWidget* window = shownWindow(steps[next].window); window && ticks > 10) {
            steps[next++].act(window);
        }
    });
    timer->start(100);
}

void startDriver() {
    if (qEnvironmentVariableIsEmpty("SCRIPTLOOM_DRIVE_LIST") ||
        qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        return;
    }
    std::vector<Step> steps{{"Form1", chooseCreate}, {"Form2", writeListedSets}};
    if (const QString name = qEnvironmentVariable("SCRIPTLOOM_DRIVE_SAVE"); !name.isEmpty()) {
        steps.push_back({"Form2", [](QWidget* picker) {
                             control<QListWidget>(picker, "File1")->selectAll();
                             press(picker, "Command1");  // OK
                         }});
        steps.push_back({"Form3", [](QWidget* editor) { press(editor, "Command3"); }});
        steps.push_back({"Form4", [name](QWidget* setEditor) {
                             control<QLineEdit>(setEditor, "Text14")->setText(name);
                             press(setEditor, "Command8");  // save
                         }});
    }
    drive(std::move(steps));
}

// Starts the driver once the program's event loop runs, and only in the windowed program.
void scheduleDriver() {
    QMetaObject::invokeMethod(QCoreApplication::instance(), &startDriver, Qt::QueuedConnection);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(scheduleDriver)
