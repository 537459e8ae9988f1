#include "ui/ModelEvents.h"

#include <QCoreApplication>
#include <QPointer>
#include <utility>

namespace scriptloom {

ModelEvents* ModelEvents::instance() {
    static QPointer<ModelEvents> events;
    if (events.isNull()) {
        events = new ModelEvents(QCoreApplication::instance());
    }
    return events.data();
}

void ModelEvents::notifyValues() {
    instance()->values_ = true;
    instance()->schedule();
}

void ModelEvents::notifyEntries() {
    instance()->entries_ = true;
    instance()->schedule();
}

void ModelEvents::notifyScriptOptions() {
    instance()->options_ = true;
    instance()->schedule();
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
