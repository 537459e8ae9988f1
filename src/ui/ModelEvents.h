#pragma once

#include <QObject>

namespace scriptloom {

// The program-wide notice that the entries, their values or what else goes into a config script
// have changed. Views that show them listen here. A burst of notices, such as a script being
// opened line by line, becomes one signal of each kind on the event loop's next pass.
class ModelEvents : public QObject {
    Q_OBJECT

public:
    // The one notifier, made on first use; none before the application exists.
    static ModelEvents* instance();

    // A value was stored or cleared.
    static void notifyValues();
    // Entries were added, rewritten or all discarded.
    static void notifyEntries();
    // The other commands, the game sets in use or the comments choice changed.
    static void notifyScriptOptions();

Q_SIGNALS:
    void valuesChanged();
    void entriesChanged();
    void scriptOptionsChanged();

private:
    explicit ModelEvents(QObject* parent) : QObject(parent) {}
    void schedule();
    void deliver();

    bool values_ = false;
    bool entries_ = false;
    bool options_ = false;
    bool scheduled_ = false;
};

}  // namespace scriptloom
