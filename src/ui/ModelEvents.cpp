#include "ui/ModelEvents.h"

#include <QCoreApplication>
#include <QPointer>
#include <utility>

namespace scriptloom {

// Without an application there is no event loop to deliver to, nor any view to tell.
ModelEvents* ModelEvents::instance() {
    static QPointer<ModelEvents> events;
    if (QCoreApplication::instance() == nullptr) {
        return nullptr;
    }
    if (events.isNull()) {
        events = new ModelEvents(QCoreApplication::instance());
    }
    return events.data();
}

void ModelEvents::notifyValues() {
    if (ModelEvents* events = instance()) {
        events->values_ = true;
        events->schedule();
    }
}

void ModelEvents::notifyEntries() {
    if (ModelEvents* events = instance()) {
        events->entries_ = true;
        events->schedule();
    }
}

void ModelEvents::notifyScriptOptions() {
    if (ModelEvents* events = instance()) {
        events->options_ = true;
        events->schedule();
    }
}

void ModelEvents::schedule() {
    if (!scheduled_) {
        scheduled_ = true;
        QMetaObject::invokeMethod(this, &ModelEvents::deliver, Qt::QueuedConnection);
    }
}

// Entries first: a view that rebuilds on new entries then finds the values already in them.
void ModelEvents::deliver() {
    scheduled_ = false;
    const bool entries = std::exchange(entries_, false);
    const bool values = std::exchange(values_, false);
    const bool options = std::exchange(options_, false);
    if (entries) {
        Q_EMIT entriesChanged();
    }
    if (values) {
        Q_EMIT valuesChanged();
    }
    if (options) {
        Q_EMIT scriptOptionsChanged();
    }
}

}  // namespace scriptloom
