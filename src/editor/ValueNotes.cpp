#include "editor/ValueNotes.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "console/WrittenValueWarning.h"
#include "model/GameSetTables.h"
#include "model/KeyClashes.h"
#include "model/KeyNames.h"
#include "output/ConfigWriter.h"
#include "ui/ModelEvents.h"

namespace scriptloom {

ValueNotes::ValueNotes(const Lines& lines, QObject* parent) : QObject(parent), lines_(lines) {
    // Measured with the panel, the lines find room without moving the window.
    for (QLabel* line : {lines_.selectionBreakout, lines_.bindingBreakout, lines_.selectionHint,
                         lines_.bindingHint, lines_.clash}) {
        line->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        line->hide();
    }
    connect(ModelEvents::instance(), &ModelEvents::entriesChanged, this, &ValueNotes::refresh);
    connect(ModelEvents::instance(), &ModelEvents::valuesChanged, this, &ValueNotes::refresh);
}

void ValueNotes::entryShown(EntryKind kind, const QString& name) {
    kind_ = kind;
    name_ = name;
    refresh();
}

namespace {

// Tells what the game makes of the value in the line the script would hold for it, with the
// command the panel shows: one sentence for each kind of trouble, or nothing.
void showWarning(QLabel* line, const QString& command, QStringView value) {
    const QString warning = console::writtenValueWarning(command, value);
    line->setText(warning);
    line->setVisible(!warning.isEmpty());
}

}  // namespace

void ValueNotes::refresh() {
    const QString choice = lines_.choice->currentText();
    const QString value = lines_.value->text();
    showWarning(lines_.selectionBreakout, lines_.selectionCommand->text(), selectionValue(choice));
    showWarning(lines_.bindingBreakout, lines_.bindingCommand->text(), value);

    const GameSetTables& tables = programTables();
    const int selection = kind_ == EntryKind::Selection ? tables.Selections.firstNamed(name_) : -1;
    lines_.selectionHint->setVisible(selection >= 0 && !choice.isEmpty() &&
                                     !isListedOption(tables.Selections[selection], choice));

    const int binding = kind_ == EntryKind::Binding ? tables.Bindings.firstNamed(name_) : -1;
    const bool bindsKey = binding >= 0 && commandBindsKey(tables.Bindings[binding].Command);
    const QString key = value.trimmed();
    lines_.bindingHint->setVisible(bindsKey && !key.isEmpty() && !isGameKeyName(key));
    const QString clashes =
        bindsKey ? clashLine(currentKeyClashes(tables).clashesOf(name_)) : QString();
    lines_.clash->setText(clashes);
    lines_.clash->setVisible(!clashes.isEmpty());
}

}  // namespace scriptloom
