#include "editor/ValueHistory.h"

#include <QAction>
#include <QUndoCommand>
#include <QUndoStack>

#include "ui/ModelEvents.h"

namespace scriptloom {

// One step: the values of the entries of one kind and Name before and after an edit.
class ValueEdit : public QUndoCommand {
public:
    ValueEdit(ValueHistory* history, ValueSnapshot before, ValueSnapshot after, int typingRun)
        : history_(history),
          before_(std::move(before)),
          after_(std::move(after)),
          typingRun_(typingRun) {}

    // Every typed edit shares one id; mergeWith() tells whether it continues this step.
    int id() const override { return typingRun_ >= 0 ? 1 : -1; }

    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const ValueEdit*>(other);
        if (next->typingRun_ != typingRun_ || next->before_ != after_) {
            return false;
        }
        after_ = next->after_;
        // Typing that ends where it began leaves nothing to take back.
        setObsolete(after_ == before_);
        return true;
    }

    void undo() override { history_->apply(before_); }

    // The edit is already in the tables when it is recorded; only a redo stores it again.
    void redo() override {
        if (recorded_) {
            history_->apply(after_);
        }
        recorded_ = true;
    }

private:
    ValueHistory* history_;
    ValueSnapshot before_;
    ValueSnapshot after_;
    int typingRun_;
    bool recorded_ = false;
};

ValueHistory::ValueHistory(QObject* parent)
    : QObject(parent),
      stack_(new QUndoStack(this)),
      undoAction_(stack_->createUndoAction(this, QStringLiteral("Undo"))),
      redoAction_(stack_->createRedoAction(this, QStringLiteral("Redo"))) {}

void ValueHistory::record(ValueSnapshot before, ValueSnapshot after, int typingRun) {
    if (before == after) {
        return;
    }
    stack_->push(new ValueEdit(this, std::move(before), std::move(after), typingRun));
}

void ValueHistory::undo() {
    stack_->undo();
}

void ValueHistory::redo() {
    stack_->redo();
}

void ValueHistory::clear() {
    stack_->clear();
}

bool ValueHistory::canUndo() const {
    return stack_->canUndo();
}

bool ValueHistory::canRedo() const {
    return stack_->canRedo();
}

void ValueHistory::apply(const ValueSnapshot& values) {
    const QString name = restoreValues(programTables(), values);
    ModelEvents::notifyValues();
    Q_EMIT applied(values.kind, name);
}

}  // namespace scriptloom
