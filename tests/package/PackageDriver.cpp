// Plays the player in the packaged program for scripts/package.sh --check. Loaded into the program
// with LD_PRELOAD, it chooses "Create New Config File" on the main menu and writes the game sets
// the picker lists, one a line, to the file SCRIPTLOOM_DRIVE_LIST names. When SCRIPTLOOM_DRIVE_SAVE
// names a game set, it then picks every set, presses "Edit Game Set" and saves all loaded entries
// under that name. Then it ends the program. It reaches the windows only through their object
// names, so the program is checked exactly as it was packaged.
//
// It ends the program with exit code 3, telling why on standard error, when a message box shows
// (its text) or when a step does not come within 30 seconds.

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

namespace {

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
        std::fprintf(stderr, "package driver: %s has no %s\n", qPrintable(window->objectName()),
                     name);
        std::_Exit(3);
    }
    return found;
}

// Presses the button once the driver's step has returned: a step that opened a modal window would
// otherwise hold the driver's timer, and the driver could no longer see a message box.
void press(QWidget* window, const char* name) {
    QMetaObject::invokeMethod(control<QAbstractButton>(window, name), &QAbstractButton::click,
                              Qt::QueuedConnection);
}

[[noreturn]] void fail(const QString& why) {
    std::fprintf(stderr, "package driver: %s\n", qPrintable(why));
    std::_Exit(3);
}

// A left-button event on the widget at the point, as the window system sends it.
void sendMouse(QWidget* widget, QEvent::Type type, QPoint at) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::MouseButtons();
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

class Driver : public QObject {
public:
    explicit Driver(QObject* parent) : QObject(parent) {
        connect(&timer_, &QTimer::timeout, this, &Driver::step);
        timer_.start(100);
    }

private:
    void step();
    void chooseCreate(QWidget* menu);
    void listAndPick(QWidget* picker);

    QTimer timer_;
    int stage_ = 0;
    int ticks_ = 0;
};

void Driver::step() {
    if (++ticks_ > 300) {
        fail(QStringLiteral("stage %1 did not come within 30 s").arg(stage_));
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(window); box != nullptr && box->isVisible()) {
            fail(QStringLiteral("message: ") + box->text());
        }
    }
    QWidget* window = nullptr;
    switch (stage_) {
        case 0:  // the menu runs from its timer, half a second after it shows
            if ((window = shownWindow("Form1")) != nullptr && ticks_ > 10) {
                chooseCreate(window);
                ++stage_;
            }
            break;
        case 1:
            if ((window = shownWindow("Form2")) != nullptr) {
                listAndPick(window);
                ++stage_;
            }
            break;
        case 2:
            if ((window = shownWindow("Form3")) != nullptr) {
                press(window, "Command3");  // "Edit Game Set"
                ++stage_;
            }
            break;
        case 3:
            if ((window = shownWindow("Form4")) != nullptr) {
                control<QLineEdit>(window, "Text14")
                    ->setText(qEnvironmentVariable("SCRIPTLOOM_DRIVE_SAVE"));
                press(window, "Command8");  // "save"
                ++stage_;
            }
            break;
        default:
            QCoreApplication::exit(0);
    }
}

// Presses and releases the left button over "Create New Config File", the first of the menu's three
// items, which lie at a quarter, a half and three quarters of the drawing surface's height.
void Driver::chooseCreate(QWidget* menu) {
    auto* surface = control<QFrame>(menu, "Picture2");
    const QRect area = surface->contentsRect();
    const QPoint item = area.topLeft() + QPoint(area.width() / 2, area.height() / 4);
    sendMouse(surface, QEvent::MouseMove, item);
    sendMouse(surface, QEvent::MouseButtonPress, item);
    sendMouse(surface, QEvent::MouseButtonRelease, item);
}

void Driver::listAndPick(QWidget* picker) {
    auto* list = control<QListWidget>(picker, "File1");
    QByteArray names;
    for (int i = 0; i < list->count(); ++i) {
        names += list->item(i)->text().toUtf8() + '\n';
    }
    QFile listFile(qEnvironmentVariable("SCRIPTLOOM_DRIVE_LIST"));
    if (!listFile.open(QIODevice::WriteOnly) || listFile.write(names) != names.size()) {
        fail(QStringLiteral("cannot write %1").arg(listFile.fileName()));
    }
    listFile.close();
    if (qEnvironmentVariableIsEmpty("SCRIPTLOOM_DRIVE_SAVE")) {
        stage_ = 99;
        return;
    }
    list->selectAll();
    press(picker, "Command1");  // "OK"
}

// Starts once the program's event loop runs, and only in the windowed program.
void startDriver() {
    if (!qEnvironmentVariableIsEmpty("SCRIPTLOOM_DRIVE_LIST") &&
        qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) {
        new Driver(QCoreApplication::instance());
    }
}

void scheduleDriver() {
    QMetaObject::invokeMethod(QCoreApplication::instance(), &startDriver, Qt::QueuedConnection);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(scheduleDriver)
