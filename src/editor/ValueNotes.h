#pragma once

#include <QObject>
#include <QString>
#include <optional>

#include "model/Entries.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace scriptloom {

// The lines under the value boxes of the editor's panels that tell the player about the value on
// show: a value the game would not read as typed (it ends its command early, is stored otherwise,
// holds characters a script cannot hold, or makes a bound key run more commands), a Selection value
// none of its options, a key the game has no name for, and the other actions bound to the same key.
// They follow the entry shown and every change of the values; none of them stops a value being
// stored as typed.
class ValueNotes : public QObject {
    Q_OBJECT

public:
    struct Lines {
        // The Selection panel: its command line, value box, and the lines under the box.
        QLabel* selectionCommand;
        QComboBox* choice;
        QLabel* selectionBreakout;
        QLabel* selectionHint;
        // The Binding panel, likewise, with the line that names clashing actions.
        QLabel* bindingCommand;
        QLineEdit* value;
        QLabel* bindingBreakout;
        QLabel* bindingHint;
        QLabel* clash;
    };

    ValueNotes(const Lines& lines, QObject* parent);

    // The entry of this kind and Name is on the panel now.
    void entryShown(EntryKind kind, const QString& name);
    // Judges the values on show again, after the player changed one.
    void refresh();

private:
    Lines lines_;
    std::optional<EntryKind> kind_;
    QString name_;
};

}  // namespace scriptloom
