#pragma once

#include <QObject>
#include <QString>

#include "model/ValueSnapshot.h"

class QAction;
class QUndoStack;

namespace scriptloom {

// The undo history of the values the user sets in the config editor. Each step keeps the values
// of every entry the edit changed, before and after, so that taking it back or doing it again puts
// exactly those values in place, entries of the same Name included.
class ValueHistory : public QObject {
    Q_OBJECT

public:
    explicit ValueHistory(QObject* parent = nullptr);

    // Records an edit that has already been stored. An edit that changed nothing is no step.
    // Consecutive edits of one kind and Name with the same run of typing (0 or more) merge into
    // one step; a negative run stands alone.
    void record(ValueSnapshot before, ValueSnapshot after, int typingRun);
    void undo();
    void redo();
    void clear();
    bool canUndo() const;
    bool canRedo() const;

    // "Undo" and "Redo", enabled while there is a step to take.
    QAction* undoAction() const { return undoAction_; }
    QAction* redoAction() const { return redoAction_; }

Q_SIGNALS:
    // A step was taken back or done again: the entries of this kind, the first of them named
    // `name`, hold other values now.
    void applied(EntryKind kind, const QString& name);

private:
    friend class ValueEdit;
    void apply(const ValueSnapshot& values);

    QUndoStack* stack_;
    QAction* undoAction_;
    QAction* redoAction_;
};

}  // namespace scriptloom
