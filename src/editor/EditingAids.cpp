#include "editor/EditingAids.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QSignalBlocker>

#include "editor/ValueHistory.h"
#include "model/GameSetTables.h"
#include "model/KeyNames.h"
#include "ui/CheckBox.h"
#include "ui/KeyCaptureButton.h"
#include "ui/ModelEvents.h"
#include "ui/TreeView.h"

namespace scriptloom {

EditingAids::EditingAids(const Controls& controls)
    : QObject(controls.window),
      controls_(controls),
      choiceLine_(controls.choice->lineEdit()),
      history_(new ValueHistory(this)) {
    connectClearing();
    connectHistory();
    connectKeyCapture();
}

void EditingAids::entryShown(EntryKind kind, const QString& name) {
    kind_ = kind;
    name_ = name;
    ++typingRun_;
    showKeyButton();
}

void EditingAids::recordEdit(ValueSnapshot before, ValueSnapshot after) {
    history_->record(std::move(before), std::move(after), typing_ ? typingRun_ : -1);
}

void EditingAids::clearHistory() {
    history_->clear();
}

void EditingAids::connectClearing() {
    const auto clear = [this](EntryKind kind) {
        switch (kind) {
            case EntryKind::Selection: {
                const QSignalBlocker blocker(controls_.choice);
                controls_.choice->setEditText(QString());
                break;
            }
            case EntryKind::Switch:
                controls_.check->setValue(CheckBox::kGreyed);
                break;
            case EntryKind::Binding: {
                const QSignalBlocker blocker(controls_.value);
                controls_.value->clear();
                break;
            }
        }
        Q_EMIT controlCleared(kind);
    };
    connect(controls_.clearSelection, &QPushButton::clicked, this,
            [clear] { clear(EntryKind::Selection); });
    connect(controls_.clearSwitch, &QPushButton::clicked, this,
            [clear] { clear(EntryKind::Switch); });
    connect(controls_.clearBinding, &QPushButton::clicked, this,
            [clear] { clear(EntryKind::Binding); });
    // Delete on the tree clears the entry of the selected node, which the panel shows.
    auto* shortcut = new QShortcut(QKeySequence::Delete, controls_.tree);
    shortcut->setContext(Qt::WidgetShortcut);
    connect(shortcut, &QShortcut::activated, this, &EditingAids::clearShownEntry);
}

// Clearing presses the Clear button of the panel on show.
void EditingAids::clearShownEntry() {
    if (kind_ == EntryKind::Selection) {
        controls_.clearSelection->click();
    } else if (kind_ == EntryKind::Switch) {
        controls_.clearSwitch->click();
    } else if (kind_ == EntryKind::Binding) {
        controls_.clearBinding->click();
    }
}

void EditingAids::connectHistory() {
    history_->undoAction()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    history_->redoAction()->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    controls_.window->addAction(history_->undoAction());
    controls_.window->addAction(history_->redoAction());
    connect(history_, &ValueHistory::applied, this, &EditingAids::entryRestored);

    // Every part of the panels offers the panel's menu, and the value boxes among them hand the
    // undo keys to the history and tell typing from picking.
    controls_.panels->installEventFilter(this);
    for (QWidget* part : controls_.panels->findChildren<QWidget*>()) {
        part->installEventFilter(this);
    }
}

// A captured key goes into the box as if typed, as one step of its own. The focus stays on the
// button, so a key still held down does not type into the box.
void EditingAids::connectKeyCapture() {
    KeyCaptureButton* button = controls_.pressKey;
    QLabel* line = controls_.captureLine;
    line->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    line->hide();
    button->hide();
    connect(button, &KeyCaptureButton::keyCaptured, controls_.value, &QLineEdit::setText);
    connect(button, &KeyCaptureButton::listeningChanged, line, [line](bool listening) {
        line->setText(QStringLiteral(
            "Press the key, or click a mouse button or turn the wheel over the button. "
            "Escape cancels."));
        line->setVisible(listening);
    });
    connect(button, &KeyCaptureButton::keyRefused, line, &QLabel::setText);
    connect(ModelEvents::instance(), &ModelEvents::entriesChanged, this,
            &EditingAids::showKeyButton);
}

bool EditingAids::setShownKey(const QString& key) {
    // The editor stores into the entries named by the selected node, so with a section selected
    // the key would go into the box and nowhere else.
    if (!showsKeyBinding() || controls_.tree->selectedNode() == 0 ||
        controls_.tree->selectedText() != name_) {
        return false;
    }
    controls_.value->setText(key);
    return true;
}

bool EditingAids::showsKeyBinding() const {
    const GameSetTables& tables = programTables();
    const int binding = kind_ == EntryKind::Binding ? tables.Bindings.firstNamed(name_) : -1;
    return binding >= 0 && commandBindsKey(tables.Bindings[binding].Command);
}

// "Press a key..." stands beside the box of a Binding that binds a key.
void EditingAids::showKeyButton() {
    const bool bindsKey = showsKeyBinding();
    if (!bindsKey) {
        controls_.pressKey->stopListening();
    }
    controls_.pressKey->setVisible(bindsKey);
}

namespace {

bool isHistoryKey(const QKeyEvent* key) {
    const QKeyCombination pressed = key->keyCombination();
    return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
           pressed == QKeyCombination(Qt::CTRL | Qt::Key_Y) ||
           pressed == QKeyCombination(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
}

}  // namespace

bool EditingAids::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ContextMenu && watched->isWidgetType()) {
        // The right button over the key button is a key to bind, not a call for a menu.
        if (watched != controls_.pressKey) {
            showPanelMenu(static_cast<QWidget*>(watched),
                          static_cast<QContextMenuEvent*>(event)->globalPos());
        }
        return true;
    }
    const bool valueBox =
        watched == controls_.value || watched == controls_.choice || watched == choiceLine_;
    if (!valueBox) {
        return false;
    }
    const auto type = event->type();
    if ((type == QEvent::ShortcutOverride || type == QEvent::KeyPress) &&
        isHistoryKey(static_cast<QKeyEvent*>(event))) {
        // Left unaccepted, the override lets the editor's Undo and Redo take the keys; the box's
        // own undo never runs, as it would store old text as a new edit.
        return true;
    }
    if ((type == QEvent::KeyPress || type == QEvent::InputMethod) && !typing_) {
        // The change this key makes is typing, which merges with the keys before it.
        const QScopedValueRollback typing(typing_, true);
        watched->event(event);
        return true;
    }
    return false;
}

// The panel's menu: Undo and Redo of the history, the editing of a value box, and Clear. A box's
// own menu is not used: its Undo would take back the box's text, not the edit.
void EditingAids::showPanelMenu(QWidget* widget, const QPoint& globalPos) {
    auto* lineEdit = qobject_cast<QLineEdit*>(widget);
    if (lineEdit == nullptr && widget == controls_.choice) {
        lineEdit = choiceLine_;
    }
    auto* menu = new QMenu(controls_.window);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(history_->undoAction());
    menu->addAction(history_->redoAction());
    menu->addSeparator();
    if (lineEdit != nullptr) {
        const bool selected = lineEdit->hasSelectedText();
        menu->addAction(QStringLiteral("Cut"), QKeySequence::Cut, lineEdit, &QLineEdit::cut)
            ->setEnabled(selected);
        menu->addAction(QStringLiteral("Copy"), QKeySequence::Copy, lineEdit, &QLineEdit::copy)
            ->setEnabled(selected);
        menu->addAction(QStringLiteral("Paste"), QKeySequence::Paste, lineEdit, &QLineEdit::paste)
            ->setEnabled(!QGuiApplication::clipboard()->text().isEmpty());
        menu->addAction(QStringLiteral("Select All"), QKeySequence::SelectAll, lineEdit,
                        &QLineEdit::selectAll)
            ->setEnabled(!lineEdit->text().isEmpty());
        menu->addSeparator();
    } else if (auto* label = qobject_cast<QLabel*>(widget); label && label->hasSelectedText()) {
        const QString selected = label->selectedText();
        menu->addAction(QStringLiteral("Copy"), this,
                        [selected] { QGuiApplication::clipboard()->setText(selected); });
        menu->addSeparator();
    }
    menu->addAction(QStringLiteral("Clear"), this, &EditingAids::clearShownEntry);
    menu->popup(globalPos);
}

}  // namespace scriptloom
