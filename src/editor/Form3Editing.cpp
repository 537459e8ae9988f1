// The config editor's aids to setting values: the Clear buttons, undo and redo, binding a key by
// pressing it, the clash line and marks, and the hints under the value boxes.

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QSignalBlocker>

#include "editor/Form3.h"
#include "editor/ValueHistory.h"
#include "model/GameSetTables.h"
#include "model/KeyClashes.h"
#include "model/KeyNames.h"
#include "ui/CheckBox.h"
#include "ui_Form3.h"

namespace scriptloom {

void Form3::connectEditingAids() {
    connect(ui->cmdClearSelection, &QPushButton::clicked, this, &Form3::cmdClearSelection_Click);
    connect(ui->cmdClearSwitch, &QPushButton::clicked, this, &Form3::cmdClearSwitch_Click);
    connect(ui->cmdClearBinding, &QPushButton::clicked, this, &Form3::cmdClearBinding_Click);
    // Delete on the tree clears the entry of the selected node, which the panel shows.
    auto* clear = new QShortcut(QKeySequence::Delete, ui->TreeView1);
    clear->setContext(Qt::WidgetShortcut);
    connect(clear, &QShortcut::activated, this, &Form3::clearShownEntry);

    connect(ui->cmdPressKey, &KeyCaptureButton::keyCaptured, this, &Form3::cmdPressKey_KeyCaptured);
    connect(ui->cmdPressKey, &KeyCaptureButton::listeningChanged, this, [this](bool listening) {
        ui->lblCapture->setText(QStringLiteral(
            "Press the key, or click a mouse button or turn the wheel over the button. "
            "Escape cancels."));
        ui->lblCapture->setVisible(listening);
    });
    connect(ui->cmdPressKey, &KeyCaptureButton::keyRefused, ui->lblCapture, &QLabel::setText);

    history_->undoAction()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    history_->redoAction()->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    addAction(history_->undoAction());
    addAction(history_->redoAction());
    connect(history_, &ValueHistory::applied, this, &Form3::showEditedEntry);

    // The value boxes hand the undo keys to the editor's history, and tell typing from picking.
    ui->Text1->installEventFilter(this);
    ui->Combo1->installEventFilter(this);
    ui->Combo1->lineEdit()->installEventFilter(this);
    for (QWidget* frame : {ui->frmSelection, ui->frmBinding, ui->frmSwitch}) {
        frame->installEventFilter(this);
        for (QWidget* part : frame->findChildren<QWidget*>()) {
            part->installEventFilter(this);
        }
    }
}

// Clearing sets the control as the user would and lets its handler store the value, so that the
// value goes where an edit would and the history takes it as one step.
void Form3::cmdClearSelection_Click() {
    {
        const QSignalBlocker blocker(ui->Combo1);
        ui->Combo1->setEditText(QString());
    }
    Combo1_Change();
}

void Form3::cmdClearSwitch_Click() {
    ui->Check1->setValue(CheckBox::kGreyed);
    Check1_Click();
}

void Form3::cmdClearBinding_Click() {
    {
        const QSignalBlocker blocker(ui->Text1);
        ui->Text1->clear();
    }
    Text1_Change();
}

void Form3::clearShownEntry() {
    if (shownKind_ == EntryKind::Selection) {
        cmdClearSelection_Click();
    } else if (shownKind_ == EntryKind::Switch) {
        cmdClearSwitch_Click();
    } else if (shownKind_ == EntryKind::Binding) {
        cmdClearBinding_Click();
    }
}

// A captured key goes into the box as if typed, as one step of its own. The focus stays on the
// button, so a key still held down does not type into the box.
void Form3::cmdPressKey_KeyCaptured(const QString& name) {
    ui->Text1->setText(name);
}

// After an undo or redo the tree selects the entry it changed and the panel shows its value; a
// find that hides the entry gives way, so the panel and the selected node agree.
void Form3::showEditedEntry(EntryKind kind, const QString& name) {
    const int node = ui->TreeView1->nodes().firstNodeWithText(name);
    if (node == 0) {
        return;
    }
    if (!ui->TreeView1->showsNode(node)) {
        ui->txtFind->clear();
    }
    ui->TreeView1->selectNode(node);
    showEntry(kind, name);
}

const KeyClashes& Form3::keyClashes() {
    const GameSetTables& tables = programTables();
    if (!keyClashes_ || keyClashesRevision_ != tables.Bindings.revision() ||
        keyClashesValues_ != tables.valuesRevision) {
        keyClashes_ = std::make_unique<KeyClashes>(tables.Bindings);
        keyClashesRevision_ = tables.Bindings.revision();
        keyClashesValues_ = tables.valuesRevision;
    }
    return *keyClashes_;
}

// The hints under the value boxes, the clash line and the key button follow the entry shown and
// every change of the values. None of them stops a value being stored as typed.
void Form3::showValueAids() {
    const GameSetTables& tables = programTables();
    const int selection =
        shownKind_ == EntryKind::Selection ? tables.Selections.firstNamed(shownName_) : -1;
    const QString choice = ui->Combo1->currentText();
    ui->lblHintSelection->setVisible(selection >= 0 && !choice.isEmpty() &&
                                     !isListedOption(tables.Selections[selection], choice));

    const int binding =
        shownKind_ == EntryKind::Binding ? tables.Bindings.firstNamed(shownName_) : -1;
    const bool bindsKey = binding >= 0 && commandBindsKey(tables.Bindings[binding].Command);
    if (!bindsKey) {
        ui->cmdPressKey->stopListening();
    }
    ui->cmdPressKey->setVisible(bindsKey);
    const QString key = ui->Text1->text().trimmed();
    ui->lblHintBinding->setVisible(bindsKey && !key.isEmpty() && !isGameKeyName(key));
    const QString clashes = bindsKey ? clashLine(keyClashes().clashesOf(shownName_)) : QString();
    ui->lblClash->setText(clashes);
    ui->lblClash->setVisible(!clashes.isEmpty());
}

namespace {

bool isHistoryKey(const QKeyEvent* key) {
    const QKeyCombination pressed = key->keyCombination();
    return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
           pressed == QKeyCombination(Qt::CTRL | Qt::Key_Y) ||
           pressed == QKeyCombination(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
}

}  // namespace

bool Form3::filterPanelEvent(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ContextMenu && watched->isWidgetType()) {
        // The right button over the key button is a key to bind, not a call for a menu.
        if (watched == ui->cmdPressKey) {
            return true;
        }
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->window() == this) {
            showPanelMenu(widget, static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
        return false;
    }
    const bool valueBox =
        watched == ui->Text1 || watched == ui->Combo1 || watched == ui->Combo1->lineEdit();
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

// The panel's menu: Undo and Redo of the editor's history, the editing of a value box, and Clear.
// A box's own menu is not used: its Undo would take back the box's text, not the edit.
void Form3::showPanelMenu(QWidget* widget, const QPoint& globalPos) {
    auto* lineEdit = qobject_cast<QLineEdit*>(widget);
    if (lineEdit == nullptr && widget == ui->Combo1) {
        lineEdit = ui->Combo1->lineEdit();
    }
    auto* menu = new QMenu(this);
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
    menu->addAction(QStringLiteral("Clear"), this, &Form3::clearShownEntry);
    menu->popup(globalPos);
}

}  // namespace scriptloom
