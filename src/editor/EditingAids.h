#pragma once

#include <QObject>
#include <QString>
#include <optional>

#include "model/ValueSnapshot.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPoint;
class QPushButton;
class QWidget;

namespace scriptloom {

class CheckBox;
class KeyCaptureButton;
class TreeView;
class ValueHistory;

// The editor's aids to setting a value: the Clear buttons and Delete on the tree, undo and redo
// of value edits with their keys, the panel's right-click menu, and binding a key by pressing it.
// A value still reaches the tables only through the editor's own handlers: clearing or binding
// sets the control as the player would, and the editor stores it.
class EditingAids : public QObject {
    Q_OBJECT

public:
    struct Controls {
        QWidget* window;
        TreeView* tree;
        // Holds the three panels, whose every part offers the right-click menu.
        QWidget* panels;
        QComboBox* choice;
        CheckBox* check;
        QLineEdit* value;
        KeyCaptureButton* pressKey;
        QLabel* captureLine;
        QPushButton* clearSelection;
        QPushButton* clearSwitch;
        QPushButton* clearBinding;
    };

    explicit EditingAids(const Controls& controls);

    // The entry of this kind and Name is on the panel now; typing into it starts a new step.
    void entryShown(EntryKind kind, const QString& name);
    // Records an edit the editor has just stored; keys typed into one box merge into one step.
    void recordEdit(ValueSnapshot before, ValueSnapshot after);
    // Forgets every step, as a new config begins.
    void clearHistory();
    // Puts a key chosen elsewhere into the box of the key Binding on the panel, as a captured key
    // goes there ("" clears it); false, changing nothing, when the panel shows no key Binding of
    // the selected node.
    bool setShownKey(const QString& key);

Q_SIGNALS:
    // A Clear emptied the control of this kind; the editor stores it as the player's edit.
    void controlCleared(EntryKind kind);
    // Undo or redo changed the entries of this kind, the first of them named `name`.
    void entryRestored(EntryKind kind, const QString& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectClearing();
    void connectHistory();
    void connectKeyCapture();
    void clearShownEntry();
    void showKeyButton();
    bool showsKeyBinding() const;
    void showPanelMenu(QWidget* widget, const QPoint& globalPos);

    Controls controls_;
    // The choice box's own line, looked up once: the filter still sees events while the boxes
    // are being destroyed, when they can no longer be asked.
    QLineEdit* choiceLine_;
    ValueHistory* history_;
    std::optional<EntryKind> kind_;
    QString name_;
    // Keys typed into one entry merge into one step of the history; the run moves on whenever
    // another entry is shown or the history is walked.
    int typingRun_ = 0;
    bool typing_ = false;
};

}  // namespace scriptloom
